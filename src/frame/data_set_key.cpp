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
  if (!c.tile_definitions_path.empty()) digest.add_folder(c.tile_definitions_path);
  digest.add("objects");
  if (!c.object_definitions_path.empty()) digest.add_folder(c.object_definitions_path, ".dll");
  digest.add("levels");
  if (!c.level_file_prefix.empty()) digest.add_folder(folder_part(c.level_file_prefix));
  digest.add_file("base", c.level_base_file);
  return digest.hex();
}

}  // namespace orv
