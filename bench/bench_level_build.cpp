// Building the largest generated levels on the test data set (the ten generated tiles, floors
// with three object slots, five object kinds, two of them enemies) on the headless platform.
//   bench_level_build --benchmark_filter=/256/1024   the peak memory then is that of a game
//                                                  holding a 256 x 256 level
// The counters: cells of the level, placed objects, enemies, peak resident memory in MB.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "catalogue/object_kinds.h"
#include "frame/config.h"
#include "frame/game.h"
#include "frame/start_up.h"
#include "levels/generation.h"
#include "media/media.h"
#include "media/platform_headless/headless_platform.h"
#include "screens/assets.h"
#include "world/life.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

double peak_memory_mb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return double(usage.ru_maxrss) / 1024.0;
}

// The game as start-up leaves it, on a copy of the test data set.
class BenchGame {
 public:
  BenchGame(int map_size, int screen_width)
      : dir_(fs::temp_directory_path() / ("orv-bench-" + std::to_string(::getpid()))),
        media_(platform_),
        game_(media_) {
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    const fs::path data = fs::path(__FILE__).parent_path().parent_path() / "tests/fixtures/data";
    fs::copy(data / "DATA", dir_ / "DATA", fs::copy_options::recursive);
    const std::string root = dir_.string() + "/";
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
    scan_music(g);
    // A base size whose levels are always cut to MAPSIZE.
    g.levels.base_w = g.levels.base_h = 4 * map_size;
  }
  ~BenchGame() {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }
  Game& game() { return game_; }

 private:
  fs::path dir_;
  media::HeadlessPlatform platform_;
  media::Media media_;
  Game game_;
};

void BM_BuildGeneratedLevel(benchmark::State& state) {
  BenchGame bench(int(state.range(0)), int(state.range(1)));
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

// Arguments: MAPSIZE, screen width. The build shows its progress bar every other column, and on
// the headless platform each shown frame is a copy of the whole screen: the small screen shows
// what the build itself costs.
BENCHMARK(BM_BuildGeneratedLevel)
    ->Args({256, 1024})
    ->Args({256, 64})
    ->Args({1024, 1024})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace orv

BENCHMARK_MAIN();
