// Processor feature check for the hand-written pixel loops.
#include "media/render/cpu.h"

namespace orv::media::detail {

namespace {
bool allowed = true;
bool simd128_allowed = true;
}  // namespace

bool use_avx2() {
#if ORV_HAVE_AVX2_LOOPS
  static const bool kAvx2 = __builtin_cpu_supports("avx2");
  return kAvx2 && allowed;
#else
  return false;
#endif
}

void allow_avx2(bool allow) {
  allowed = allow;
}

bool use_simd128() {
  return ORV_HAVE_SIMD128_LOOPS && simd128_allowed;
}

void allow_simd128(bool allow) {
  simd128_allowed = allow;
}

}  // namespace orv::media::detail
