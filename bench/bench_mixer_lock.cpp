// How long the game thread waits for the mixer's lock while music streams: an audio thread
// renders blocks of 1024 frames, as the sound card asks for them, with the shipped music track
// streaming, while the game thread starts a short sound again and again. Every start takes the
// lock once, so its duration is the wait plus a few list operations.
//   bench_mixer_lock
// The counters: the longest and the mean start in microseconds over the whole run.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "media/sound/mixer.h"
#include "media/sound/ogg_stream.h"

namespace orv::media {
namespace {

constexpr int kCallbackFrames = 1024;

void BM_SoundStartWhileMusicStreams(benchmark::State& state) {
  Mixer mixer;
  auto stream = OggStream::open(std::string(ORV_SHIPPED_DATA) + "/MUSIC/game1.ogg");
  if (!stream) {
    state.SkipWithError("the shipped music track does not open");
    return;
  }
  mixer.play_stream(SoundId(1), std::move(stream), true);
  auto sound = std::make_shared<SoundData>();
  sound->samples.assign(std::size_t(2000) * kAudioChannels, 100);
  std::atomic<bool> running{true};
  // The card asks for the next block as soon as one is done: the lock is as busy as it gets.
  std::thread audio([&] {
    std::vector<std::int16_t> out(std::size_t(kCallbackFrames) * kAudioChannels);
    while (running.load()) {
      mixer.render(out.data(), kCallbackFrames);
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
  });
  using Clock = std::chrono::steady_clock;
  double longest_us = 0, total_us = 0;
  std::int64_t starts = 0;
  for (auto _ : state) {
    const auto before = Clock::now();
    mixer.play(SoundId(2), sound, false);
    const double us = std::chrono::duration<double, std::micro>(Clock::now() - before).count();
    longest_us = std::max(longest_us, us);
    total_us += us;
    ++starts;
    std::this_thread::sleep_for(std::chrono::microseconds(50));
  }
  running.store(false);
  audio.join();
  state.counters["longest_wait_us"] = longest_us;
  state.counters["mean_wait_us"] = starts > 0 ? total_us / double(starts) : 0.0;
}

BENCHMARK(BM_SoundStartWhileMusicStreams)->Iterations(20000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orv::media
BENCHMARK_MAIN();
