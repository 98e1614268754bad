// The letterbox stretch of fullscreen play on the CPU: a 1024x768 frame scaled into the
// 1440x1080 middle of a 1920x1080 window surface, smoothly and sharply (at 1080 rows the sharp
// way fits one whole multiple, so it is a copy).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define ORV_BENCH_STREAM 1
#else
#define ORV_BENCH_STREAM 0
#endif

#include "media/render/cpu.h"
#include "media/render/quad_upright.h"
#include "media/render/stretch_nearest.h"

namespace orv::media {
namespace {

constexpr int kWidth = 1024, kHeight = 768;
constexpr int kSurfaceW = 1920, kSurfaceH = 1080;

std::vector<Pixel> frame_pixels() {
  std::vector<Pixel> pixels(std::size_t(kWidth) * kHeight);
  for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = Pixel(i * 2654435761u) | 0xFF000000;
  return pixels;
}

// A window surface: rows 32-byte aligned, as SDL's are.
class Surface {
 public:
  Surface() : pixels_(std::size_t(kSurfaceW) * kSurfaceH + 8) {}
  Pixel* data() {
    return pixels_.data() + (-reinterpret_cast<std::uintptr_t>(pixels_.data()) / 4 & 7);
  }

 private:
  std::vector<Pixel> pixels_;
};

constexpr int kBoxW = 1440, kBoxH = 1080, kBoxLeft = 240;

void BM_LetterboxSmooth(benchmark::State& state) {
  const std::vector<Pixel> frame = frame_pixels();
  Surface surface;
  const TextureView picture{frame.data(), kWidth, kHeight, kWidth};
  for (auto _ : state) {
    stretch_bilinear(picture, surface.data() + kBoxLeft, kBoxW, kBoxH, kSurfaceW);
    benchmark::DoNotOptimize(surface.data());
  }
}
BENCHMARK(BM_LetterboxSmooth)->Unit(benchmark::kMicrosecond);

// The stretch and then a copy of the box elsewhere, as the display server makes of the shown
// surface: whether the stretched rows are still in the cache matters here.
void BM_LetterboxSmoothAndShown(benchmark::State& state) {
  const std::vector<Pixel> frame = frame_pixels();
  Surface surface, screen;
  const TextureView picture{frame.data(), kWidth, kHeight, kWidth};
  for (auto _ : state) {
    stretch_bilinear(picture, surface.data() + kBoxLeft, kBoxW, kBoxH, kSurfaceW);
    for (std::size_t y = 0; y < kBoxH; ++y) {
      const Pixel* row = surface.data() + y * kSurfaceW + kBoxLeft;
      std::copy(row, row + kBoxW, screen.data() + y * kSurfaceW + kBoxLeft);
    }
    benchmark::DoNotOptimize(screen.data());
  }
}
BENCHMARK(BM_LetterboxSmoothAndShown)->Unit(benchmark::kMicrosecond);

// The same on machines without AVX2.
void BM_LetterboxSmoothPortable(benchmark::State& state) {
  detail::allow_avx2(false);
  BM_LetterboxSmooth(state);
  detail::allow_avx2(true);
}
BENCHMARK(BM_LetterboxSmoothPortable)->Unit(benchmark::kMicrosecond);

void BM_LetterboxSharp(benchmark::State& state) {
  const std::vector<Pixel> frame = frame_pixels();
  std::vector<Pixel> surface(std::size_t(kSurfaceW) * kSurfaceH);
  const TextureView picture{frame.data(), kWidth, kHeight, kWidth};
  for (auto _ : state) {
    stretch_nearest(picture, surface.data() + 156 * kSurfaceW + 448, kWidth, kHeight, kSurfaceW);
    benchmark::DoNotOptimize(surface.data());
  }
}
BENCHMARK(BM_LetterboxSharp)->Unit(benchmark::kMicrosecond);

// The floor: only writing the 1440x1080 rectangle, with plain stores and with streaming stores
// that skip the cache (and so the read of each line before it is written).
template <class WriteRow>
void write_box(benchmark::State& state, WriteRow write_row) {
  Surface surface;
  Pixel value = 0xFF000000;
  for (auto _ : state) {
    for (int y = 0; y < kBoxH; ++y)
      write_row(surface.data() + std::size_t(y) * kSurfaceW + kBoxLeft, value);
    ++value;
#if ORV_BENCH_STREAM
    _mm_sfence();
#endif
    benchmark::DoNotOptimize(surface.data());
  }
}

void BM_FloorPlainStores(benchmark::State& state) {
  write_box(state, [](Pixel* row, Pixel value) {
    std::fill(row, row + kBoxW, value);
    benchmark::ClobberMemory();
  });
}
BENCHMARK(BM_FloorPlainStores)->Unit(benchmark::kMicrosecond);

#if ORV_BENCH_STREAM
void BM_FloorStream128(benchmark::State& state) {
  write_box(state, [](Pixel* row, Pixel value) {
    const __m128i v = _mm_set1_epi32(int(value));
    for (int x = 0; x < kBoxW; x += 4) _mm_stream_si128(reinterpret_cast<__m128i*>(row + x), v);
  });
}
BENCHMARK(BM_FloorStream128)->Unit(benchmark::kMicrosecond);

__attribute__((target("avx2"))) void stream_row256(Pixel* row, Pixel value) {
  const __m256i v = _mm256_set1_epi32(int(value));
  for (int x = 0; x < kBoxW; x += 8) _mm256_stream_si256(reinterpret_cast<__m256i*>(row + x), v);
}

void BM_FloorStream256(benchmark::State& state) {
  if (!__builtin_cpu_supports("avx2")) return state.SkipWithError("no AVX2");
  write_box(state, stream_row256);
}
BENCHMARK(BM_FloorStream256)->Unit(benchmark::kMicrosecond);
#endif

}  // namespace
}  // namespace orv::media

BENCHMARK_MAIN();
