// The letterbox stretch of fullscreen play on the CPU: a 1024x768 frame scaled into the
// 1440x1080 middle of a 1920x1080 window surface, smoothly and sharply (at 1080 rows the sharp
// way fits one whole multiple, so it is a copy).
#include <benchmark/benchmark.h>

#include <vector>

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

void BM_LetterboxSmooth(benchmark::State& state) {
  const std::vector<Pixel> frame = frame_pixels();
  std::vector<Pixel> surface(std::size_t(kSurfaceW) * kSurfaceH);
  const TextureView picture{frame.data(), kWidth, kHeight, kWidth};
  for (auto _ : state) {
    stretch_bilinear(picture, surface.data() + 240, 1440, 1080, kSurfaceW);
    benchmark::DoNotOptimize(surface.data());
  }
}
BENCHMARK(BM_LetterboxSmooth)->Unit(benchmark::kMicrosecond);

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

}  // namespace
}  // namespace orv::media

BENCHMARK_MAIN();
