// Building the largest generated levels with the shipped data set (data/: fourteen 32 x 32 tile
// graphics, floors with three object slots, six object kinds of which two are enemies) on the
// headless platform.
//   bench_level_build --benchmark_filter=/256/1024   the peak memory then is that of a game
//                                                  holding a 256 x 256 level
// The counters: cells of the level, placed objects, enemies, peak resident memory in MB.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>
#include <string>

#include "catalogue/object_kinds.h"
#include "frame/configuration_file.h"
#include "frame/system_setup.h"
#include "frame/world_collections.h"
#include "game/game.h"
#include "levels/generation.h"
#include "media/media.h"
#include "media/platform_headless/headless_platform.h"
#include "screens/folder_scans.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

double peak_memory_mb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return double(usage.ru_maxrss) / 1024.0;
}

// The game as start-up leaves it, on the shipped data set (read only).
class BenchGame {
 public:
  BenchGame(int map_size, int screen_width, bool music) : media_(platform_), game_(media_) {
    const std::string root =
        (fs::path(__FILE__).parent_path().parent_path() / "data").string() + "/";
    Game& g = game_;
    g.frame.start_directory = root;
    read_configuration_file(g, root + "DATA/ini.txt");
    g.config.rgb_code_path = root + g.config.rgb_code_path;
    g.config.ingame_music = root + g.config.ingame_music;
    g.config.res_base_w = screen_width;
    g.config.res_base_h = screen_width * 3 / 4;
    g.config.max_x = g.config.max_y = map_size;
    open_game_screen(g);
    create_world_collections(g);
    scan_tile_graphics(g);
    clear_catalogues(g);
    load_object_kinds(g);
    if (music) scan_music(g);
    // A base size whose levels are always cut to MAPSIZE.
    g.levels.base_w = g.levels.base_h = 4 * map_size;
  }
  Game& game() { return game_; }

 private:
  media::HeadlessPlatform platform_;
  media::Media media_;
  Game game_;
};

void BM_BuildGeneratedLevel(benchmark::State& state) {
  BenchGame bench(int(state.range(0)), int(state.range(1)), state.range(2) != 0);
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
}

// Arguments: MAPSIZE, screen width, music. A build shows its progress bar every other column,
// and on the headless platform each shown frame is a copy of the whole screen; it also decodes
// the music track it starts. The small screen without music shows what the labyrinth alone
// costs.
BENCHMARK(BM_BuildGeneratedLevel)
    ->Args({256, 1024, 1})
    ->Args({256, 64, 0})
    ->Args({1024, 1024, 1})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace orv

BENCHMARK_MAIN();
