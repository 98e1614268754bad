// The real platform's frame end in an X server (run it under Xvfb): what presenting a 1024x768
// frame costs with one copy against the former two (texture upload, then renderer copy), what
// the smooth scaling into a larger window adds, and how evenly the pacer's absolute-deadline
// sleep keeps 60 Hz compared with the former sleep-then-spin, with the CPU time each costs.
//
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/release/bench/bench_present
#include <SDL.h>
#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <thread>
#include <vector>

#include "media/platform_sdl/sdl_clock.h"
#include "media/platform_sdl/sdl_factory.h"
#include "media/platform_sdl/sdl_platform.h"

namespace orv::media {
namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr int kPresents = 300;
constexpr int kFrames = 600;
constexpr double kFrameMs = 1000.0 / 60.0;

double cpu_ms() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
  return ms(usage.ru_utime) + ms(usage.ru_stime);
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

// Median wall time of one call, in milliseconds.
double time_each(const std::function<void()>& call) {
  std::vector<double> ms;
  for (int i = 0; i < kPresents; ++i) {
    const std::int64_t start = sdl_now_ns();
    call();
    ms.push_back(double(sdl_now_ns() - start) / 1e6);
  }
  return median(ms);
}

std::vector<Pixel> test_picture() {
  std::vector<Pixel> pixels(std::size_t(kWidth) * kHeight);
  for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = Pixel(i * 2654435761u) | 0xFF000000;
  return pixels;
}

// The former presenting path: upload into a streaming texture, copy it to the window.
double former_present_ms(const std::vector<Pixel>& pixels) {
  SDL_Window* window = SDL_CreateWindow("before", 0, 0, kWidth, kHeight, SDL_WINDOW_BORDERLESS);
  SDL_Renderer* renderer = window ? SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE) : nullptr;
  SDL_Texture* texture = renderer ? SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888,
                                                      SDL_TEXTUREACCESS_STREAMING, kWidth, kHeight)
                                  : nullptr;
  double ms = -1;
  if (texture) {
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_NONE);
    ms = time_each([&] {
      SDL_UpdateTexture(texture, nullptr, pixels.data(), kWidth * 4);
      SDL_RenderCopy(renderer, texture, nullptr, nullptr);
      SDL_RenderPresent(renderer);
    });
    SDL_DestroyTexture(texture);
  }
  if (renderer) SDL_DestroyRenderer(renderer);
  if (window) SDL_DestroyWindow(window);
  return ms;
}

struct Jitter {
  double median_ms, p99_ms, max_ms, cpu_per_frame_ms;
};

// |interval - 1/60 s| over kFrames frames of 1 ms work each, ended by sleep_until.
Jitter pace(const std::function<void(std::int64_t deadline)>& sleep_until) {
  std::vector<double> off;
  const double cpu_before = cpu_ms();
  std::int64_t deadline = sdl_now_ns(), last = deadline;
  for (int i = 0; i < kFrames; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));  // stands in for the frame
    deadline += std::int64_t(kFrameMs * 1e6);
    sleep_until(deadline);
    const std::int64_t now = sdl_now_ns();
    off.push_back(std::abs(double(now - last) / 1e6 - kFrameMs));
    last = now;
  }
  const double cpu = (cpu_ms() - cpu_before) / kFrames;
  std::sort(off.begin(), off.end());
  return {off[off.size() / 2], off[off.size() * 99 / 100], off.back(), cpu};
}

// The former pacer: SDL_Delay to 2 ms before the deadline, then spin on yield.
void former_sleep_until(std::int64_t deadline) {
  const std::int64_t left = deadline - sdl_now_ns();
  if (left > 2'000'000) SDL_Delay(Uint32((left - 2'000'000) / 1'000'000));
  while (sdl_now_ns() < deadline) std::this_thread::yield();
}

void print_jitter(const char* name, const Jitter& j) {
  std::printf("%-34s median %.3f ms  p99 %.3f ms  max %.3f ms  CPU %.3f ms/frame\n", name,
              j.median_ms, j.p99_ms, j.max_ms, j.cpu_per_frame_ms);
}

int run() {
  auto made = make_sdl_platform();
  if (!made) {
    std::fprintf(stderr, "no display: %s\n", SDL_GetError());
    return 1;
  }
  auto& platform = static_cast<SdlPlatform&>(*made);
  const std::vector<Pixel> pixels = test_picture();
  if (!platform.open_window(kWidth, kHeight, "bench") || !platform.open_screen(kWidth, kHeight)) {
    std::fprintf(stderr, "no window: %s\n", SDL_GetError());
    return 1;
  }
  const double now_ms = time_each([&] { platform.present(pixels.data(), kWidth, kHeight); });
  const DesktopInfo desktop = platform.desktop();
  SDL_SetWindowSize(platform.window(), desktop.width, desktop.height);
  for (int i = 0; i < 50; ++i) platform.present(pixels.data(), kWidth, kHeight);
  const SDL_Rect r = platform.picture_rect();
  const double scaled_ms = time_each([&] { platform.present(pixels.data(), kWidth, kHeight); });
  const double before_ms = former_present_ms(pixels);

  std::printf("present 1024x768, one copy:        %.3f ms (before, two copies: %.3f ms)\n", now_ms,
              before_ms);
  std::printf("present scaled to %dx%d in %dx%d: %.3f ms (smooth, black bars)\n", r.w, r.h,
              desktop.width, desktop.height, scaled_ms);
  const Jitter now = pace([&](std::int64_t d) { platform.sleep_until_ns(d); });
  const Jitter before = pace(former_sleep_until);
  std::printf(
      "frame interval jitter |interval - 16.667 ms| over %d frames (goal: under 1 ms, "
      "no busy wait)\n",
      kFrames);
  print_jitter("  absolute-deadline sleep:", now);
  print_jitter("  before, SDL_Delay then spin:", before);
  return 0;
}

}  // namespace
}  // namespace orv::media

int main() {
  return orv::media::run();
}
