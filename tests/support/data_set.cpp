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
  g.config.rgb_code_path = t.dir.path() + g.config.rgb_code_path;
  g.config.ingame_music = t.dir.path() + g.config.ingame_music;
  g.config.scre_gfx_path = t.dir.path() + g.config.scre_gfx_path;
  g.config.app_entry = t.dir.path() + g.config.app_entry;
  open_game_screen(g);
}

CurrentDirectory::CurrentDirectory(const std::string& path)
    : previous_(std::filesystem::current_path().string()) {
  std::filesystem::current_path(path);
}

CurrentDirectory::~CurrentDirectory() {
  std::error_code ec;
  std::filesystem::current_path(previous_, ec);
}

}  // namespace orv::test
