// The data-set key from the files that make the rules.
#include "frame/data_set_key.h"

#include "game/game.h"
#include "media/files/content_digest.h"

namespace orv {
namespace {

// APPENTRY is the level files' folder and the first part of their names ("DATA\LEVELS\").
std::string folder_part(const std::string& path) {
  const std::size_t cut = path.find_last_of("/\\");
  return cut == std::string::npos ? std::string(".") : path.substr(0, cut + 1);
}

}  // namespace

std::string data_set_key(const Game& g) {
  const Config& c = g.config;
  media::ContentDigest digest;
  digest.add_file("configuration", g.frame.configuration_path);
  digest.add("tiles");
  if (!c.rgb_code_path.empty()) digest.add_folder(c.rgb_code_path);
  digest.add("objects");
  if (!c.world_gfx.empty()) digest.add_folder(c.world_gfx, ".dll");
  digest.add("levels");
  if (!c.app_entry.empty()) digest.add_folder(folder_part(c.app_entry));
  digest.add_file("base", c.self_create_base);
  return digest.hex();
}

}  // namespace orv
