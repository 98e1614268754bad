// The game as start-up leaves it on the shipped data set (data/, read only), on the headless
// platform, for the benchmarks of level building and world frames.
#pragma once

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "catalogue/object_kinds.h"
#include "frame/configuration_file.h"
#include "frame/system_setup.h"
#include "frame/world_collections.h"
#include "game/game.h"
#include "media/media.h"
#include "media/platform_headless/headless_platform.h"
#include "screens/folder_scans.h"

namespace orv {

inline double peak_memory_mb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return double(usage.ru_maxrss) / 1024.0;
}

// The shipped data folder, with a trailing slash. Without its configuration every level would
// be built from nothing and the figures would mean nothing, so the benchmark stops instead.
inline std::string shipped_data() {
  const std::string root = std::string(ORV_SHIPPED_DATA) + "/";
  std::error_code error;
  if (!std::filesystem::is_regular_file(root + "DATA/ini.txt", error)) {
    std::fprintf(stderr, "the shipped data set is not in %s (no DATA/ini.txt)\n", root.c_str());
    std::exit(1);
  }
  return root;
}

// The headless platform, showing a build's progress pictures as the real one does: at most one
// per display frame of real time. With every_progress_picture it copies each of them, as the
// headless platform does for the tests to inspect.
class BenchPlatform : public media::HeadlessPlatform {
 public:
  explicit BenchPlatform(bool every_progress_picture) : every_(every_progress_picture) {}
  void present_progress(const media::Pixel* pixels, int width, int height) override {
    const auto now = std::chrono::steady_clock::now();
    if (!every_ && now - last_ < std::chrono::nanoseconds(16'666'667)) return;
    last_ = now;
    present(pixels, width, height);
  }

 private:
  bool every_;
  std::chrono::steady_clock::time_point last_{};
};

// The game as start-up leaves it, on the shipped data set (read only).
class BenchGame {
 public:
  BenchGame(int map_size, int screen_width, bool music, bool every_progress_picture = false)
      : platform_(every_progress_picture), media_(platform_), game_(media_) {
    media::keep_large_blocks_returnable();  // as the game does at start-up
    const std::string root = shipped_data();
    Game& g = game_;
    g.frame.start_directory = root;
    read_configuration_file(g, root + "DATA/ini.txt");
    g.config.tile_definitions_path = root + g.config.tile_definitions_path;
    g.config.music_folder = root + g.config.music_folder;
    g.config.design_width = screen_width;
    g.config.design_height = screen_width * 3 / 4;
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
  BenchPlatform platform_;
  media::Media media_;
  Game game_;
};

}  // namespace orv
