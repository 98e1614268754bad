// --verify of a kept game: the longest demo of the shipped data played again without window or
// sound, from the start of the program to the end of the game's time, as `orvante --verify`
// does. The counters: the game's frames, frames per second of wall time, and how many times
// faster than real time (60 frames a second) that is; the goal is 20 times on one core.
//   bench_verify
#include <benchmark/benchmark.h>

#include <filesystem>

#include "frame/kept_games.h"
#include "media/files/paths.h"
#include "media/platform_headless/headless_platform.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

// The shipped demo with the most frames.
media::GameRecord longest_demo() {
  media::GameRecord longest;
  for (const auto& entry : fs::directory_iterator(fs::path(ORV_SHIPPED_DATA) / "DEMO")) {
    const auto bytes = media::read_whole_file(entry.path().string(), media::kGameRecordLimit);
    if (!bytes) continue;
    const auto record = media::parse_game_record(std::string(bytes->begin(), bytes->end()));
    if (record && record->claim.frames > longest.claim.frames) longest = *record;
  }
  return longest;
}

void BM_VerifyKeptGame(benchmark::State& state) {
  const media::GameRecord record = longest_demo();
  const fs::path here = fs::current_path();
  for (auto _ : state) {
    media::HeadlessPlatform headless;
    headless.set_desktop(recorded_desktop(record));
    headless.keep_presented(false);
    const TaskOutcome out = verify_kept_game(headless, record, ORV_SHIPPED_DATA, {});
    fs::current_path(here);
    if (out.exit_code != 0) state.SkipWithError(out.text.c_str());
  }
  const double frames = double(record.claim.frames);
  state.counters["game_frames"] = frames;
  state.counters["game_minutes"] = frames / 60.0 / 60.0;
  state.counters["frames_per_s"] =
      benchmark::Counter(frames * double(state.iterations()), benchmark::Counter::kIsRate);
  state.counters["x_real_time"] =
      benchmark::Counter(frames / 60.0 * double(state.iterations()), benchmark::Counter::kIsRate);
  state.counters["goal_x"] = 20;
}

BENCHMARK(BM_VerifyKeptGame)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

}  // namespace
}  // namespace orv

BENCHMARK_MAIN();
