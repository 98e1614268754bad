#include "support/data_set.h"
#include "frame/configuration_file.h"
#include "frame/system_setup.h"

#include <filesystem>

namespace orv::test {

void use_data_set(TestGame& t) {
  namespace fs = std::filesystem;
  fs::copy(fs::path(ORV_FIXTURES) / "data" / "DATA", fs::path(t.dir.path()) / "DATA",
           fs::copy_options::recursive);
  Game& g = t.game;
  read_configuration_file(g, t.dir.path() + "DATA/ini.txt");
  g.config.tile_definitions_path = t.dir.path() + g.config.tile_definitions_path;
  g.config.music_folder = t.dir.path() + g.config.music_folder;
  g.config.screen_sprites_path = t.dir.path() + g.config.screen_sprites_path;
  g.config.level_file_prefix = t.dir.path() + g.config.level_file_prefix;
  open_game_screen(g);
}

}  // namespace orv::test
