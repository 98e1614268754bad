// Which hand-written pixel loops this processor can run.
#pragma once

// The AVX2 loops exist on x86-64 builds with GCC or Clang.
#if defined(__x86_64__) && defined(__GNUC__)
#define ORV_HAVE_AVX2_LOOPS 1
#else
#define ORV_HAVE_AVX2_LOOPS 0
#endif

// The WebAssembly SIMD loops exist in browser builds compiled with -msimd128.
#if defined(__wasm_simd128__)
#define ORV_HAVE_SIMD128_LOOPS 1
#else
#define ORV_HAVE_SIMD128_LOOPS 0
#endif

namespace orv::media::detail {

// True when the AVX2 loops may run here (checked once) and are allowed.
bool use_avx2();
// Tests switch the AVX2 loops off to check the portable ones on the same machine.
void allow_avx2(bool allowed);
// The same for the WebAssembly SIMD loops (always runnable where they exist).
bool use_simd128();
void allow_simd128(bool allowed);

}  // namespace orv::media::detail
