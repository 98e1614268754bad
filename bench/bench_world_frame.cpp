// One world frame (drawing passes with the play rules inside them) on the largest generated
// level of the shipped data set, 1024 x 1024 cells with its thousands of enemies, at 1024x768
// on the headless platform; and the same on a 64 x 64 level for comparison. What a frame costs
// should not grow with the level: only what is on the screen is drawn.
//   bench_world_frame
// The counters: enemies of the level and the goal for the 1024 x 1024 level in ms.
#include <benchmark/benchmark.h>

#include "bench_game.h"
#include "levels/generation.h"
#include "world/world_frame.h"

namespace orv {
namespace {

void BM_WorldFrame(benchmark::State& state) {
  BenchGame bench(int(state.range(0)), 1024, false);
  Game& g = bench.game();
  g.world.level = 1;
  build_generated_level(g);
  media::Graphics& gfx = g.media.gfx;
  for (auto _ : state) {
    gfx.start_3d();
    world_frame(g);
    gfx.stop_3d();
    benchmark::DoNotOptimize(gfx.back_buffer().pixels.data());
  }
  state.counters["enemies"] = double(g.world.enemies_a.size() + g.world.enemies_b.size());
  if (state.range(0) == 1024) state.counters["goal_ms"] = 1.2;
}

BENCHMARK(BM_WorldFrame)
    ->Arg(64)
    ->Arg(1024)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace orv

BENCHMARK_MAIN();
