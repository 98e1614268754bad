// Building the largest generated levels with the shipped data set (data/: fourteen 32 x 32 tile
// graphics, floors with three object slots, six object kinds of which two are enemies) on the
// headless platform.
//   bench_level_build --benchmark_filter=/256/1024   the peak memory then is that of a game
//                                                  holding a 256 x 256 level
//   bench_level_build --benchmark_filter=/1024/1024  the same for a 1024 x 1024 level
// The counters: cells of the level, placed objects, enemies, peak resident memory in MB, and
// the goals of the build time and memory.
#include <benchmark/benchmark.h>

#include "bench_game.h"
#include "levels/generation.h"

namespace orv {
namespace {

void BM_BuildGeneratedLevel(benchmark::State& state) {
  BenchGame bench(int(state.range(0)), int(state.range(1)), state.range(2) != 0,
                  state.range(3) != 0);
  Game& g = bench.game();
  for (auto _ : state) {
    g.world.level = 1;
    build_generated_level(g);
  }
  state.counters["cells"] = double(g.world.last_column + 1) * (g.world.last_row + 1);
  state.counters["objects"] = double(g.world.objects.size());
  state.counters["enemies"] = double(g.world.enemies_a.size() + g.world.enemies_b.size());
  state.counters["grid_MB"] = double(g.world.grid.bytes()) / (1024.0 * 1024.0);
  state.counters["peak_MB"] = peak_memory_mb();
  // The goals: a 256 x 256 level with its music in 30 ms, a 1024 x 1024 one in 400 ms within
  // 160 MB.
  if (state.range(2) != 0 && state.range(3) == 0)
    state.counters["goal_ms"] = state.range(0) == 256 ? 30 : 400;
  if (state.range(0) == 1024) state.counters["goal_peak_MB"] = 160;
}

// Arguments: MAPSIZE, screen width, music, every progress picture. A build draws its progress
// bar every other column; the game shows at most one of those pictures per display frame, each
// a copy of the whole screen (the last argument 1 copies every one, as the headless platform
// does for the tests and as this benchmark measured before); it also starts its music track. The
// small screen without music shows what the labyrinth alone costs.
BENCHMARK(BM_BuildGeneratedLevel)
    ->Args({256, 1024, 1, 0})
    ->Args({256, 1024, 1, 1})
    ->Args({256, 64, 0, 0})
    ->Args({1024, 1024, 1, 0})
    ->Args({1024, 1024, 1, 1})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace orv

BENCHMARK_MAIN();
