// The real platform's frame end in an X server (run it under Xvfb): what presenting a 1024x768
// frame costs, what the smooth scaling into the fullscreen desktop adds, and how evenly the
// pacer's absolute-deadline sleep keeps 60 Hz compared with the former sleep-then-spin, with
// the CPU time each costs.
//
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/release/bench/bench_present
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <thread>
#include <vector>

#include "media/platform.h"
#include "media/platform_sdl/sdl_factory.h"

namespace orv::media {
namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr int kPresents = 300;
constexpr int kFrames = 600;
constexpr double kFrameMs = 1000.0 / 60.0;
constexpr std::int64_t kSpinNs = 2'000'000;

double cpu_ms() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto ms = [](const timeval& t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; };
  return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// Median wall time of one call, in milliseconds.
double time_each(Platform& platform, const std::function<void()>& call) {
  std::vector<double> ms;
  for (int i = 0; i < kPresents; ++i) {
    const std::int64_t start = platform.now_ns();
    call();
    ms.push_back(double(platform.now_ns() - start) / 1e6);
  }
  std::sort(ms.begin(), ms.end());
  return ms[ms.size() / 2];
}

std::vector<Pixel> test_picture() {
  std::vector<Pixel> pixels(std::size_t(kWidth) * kHeight);
  for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = Pixel(i * 2654435761u) | 0xFF000000;
  return pixels;
}

struct Jitter {
  double median_ms, p99_ms, max_ms, cpu_per_frame_ms;
};

// |interval - 1/60 s| over kFrames frames of 1 ms work each, each ended by sleep_until.
Jitter pace(Platform& platform, const std::function<void(std::int64_t deadline)>& sleep_until) {
  std::vector<double> off;
  const double cpu_before = cpu_ms();
  std::int64_t deadline = platform.now_ns(), last = deadline;
  for (int i = 0; i < kFrames; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));  // stands in for the frame
    deadline += std::int64_t(kFrameMs * 1e6);
    sleep_until(deadline);
    const std::int64_t now = platform.now_ns();
    off.push_back(std::abs(double(now - last) / 1e6 - kFrameMs));
    last = now;
  }
  const double cpu = (cpu_ms() - cpu_before) / kFrames;
  std::sort(off.begin(), off.end());
  return {off[off.size() / 2], off[off.size() * 99 / 100], off.back(), cpu};
}

void print_jitter(const char* name, const Jitter& j) {
  std::printf("%-30s median %.3f ms  p99 %.3f ms  max %.3f ms  CPU %.3f ms/frame\n", name,
              j.median_ms, j.p99_ms, j.max_ms, j.cpu_per_frame_ms);
}

int run() {
  std::unique_ptr<Platform> platform = make_sdl_platform();
  if (!platform || !platform->open_window(kWidth, kHeight, "bench") ||
      !platform->open_screen(kWidth, kHeight)) {
    std::fprintf(stderr, "no display or no window\n");
    return 1;
  }
  const std::vector<Pixel> pixels = test_picture();
  const auto present = [&] { platform->present(pixels.data(), kWidth, kHeight); };
  const double window_ms = time_each(*platform, present);
  platform->set_fullscreen(true);
  for (int i = 0; i < 50; ++i) present();  // the desktop settles on the new size
  const double fullscreen_ms = time_each(*platform, present);
  const DesktopInfo desktop = platform->desktop();
  std::printf("present 1024x768 in its window (one copy): %.3f ms\n", window_ms);
  std::printf("present 1024x768 fullscreen on %dx%d, smooth, black bars: %.3f ms\n", desktop.width,
              desktop.height, fullscreen_ms);

  Platform& p = *platform;
  const Jitter now = pace(p, [&](std::int64_t d) { p.sleep_until_ns(d); });
  // The former pacer: whole milliseconds of sleep to 2 ms before the deadline, then spinning.
  const Jitter before = pace(p, [&](std::int64_t d) {
    const std::int64_t left = d - p.now_ns();
    if (left > kSpinNs)
      std::this_thread::sleep_for(std::chrono::milliseconds((left - kSpinNs) / 1'000'000));
    while (p.now_ns() < d) std::this_thread::yield();
  });
  std::printf(
      "frame interval jitter |interval - 16.667 ms| over %d frames "
      "(goal: under 1 ms, no busy wait)\n",
      kFrames);
  print_jitter("  absolute-deadline sleep:", now);
  print_jitter("  before, sleep then spin:", before);
  return 0;
}

}  // namespace
}  // namespace orv::media

int main() {
  return orv::media::run();
}
