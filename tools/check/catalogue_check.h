// Checks of what the catalogues read: the sounds named by the configuration and by object
// definitions, the object folder, and the tile definitions with their graphics and children.
#pragma once

#include <string>
#include <vector>

namespace orv::check {

struct DataCheck;

// A tile name a level uses, and where it was found.
struct TileUse {
  std::string name;
  std::string file;
  int line = 0;
};

// The sound files of SOUNDFXPATH; reports those that do not decode and the configuration's
// sound keys that name none of them.
std::vector<std::string> check_sounds(DataCheck& c);
// Reports a sound name that names none of sounds, at file:line.
void check_sound_name(DataCheck& c, const std::vector<std::string>& sounds, const std::string& name,
                      const std::string& file, int line);
// Reports a music folder without the tracks of the title and highscore screens.
void check_music(DataCheck& c);
// Checks every picture of WORLDGFX and its definition file; returns the names (DGFXNAME) by
// which tiles place the kinds.
std::vector<std::string> check_objects(DataCheck& c, const std::vector<std::string>& sounds);
// Checks that every used tile name has its definition file, and every definition file of the
// tile folder.
void check_tiles(DataCheck& c, const std::vector<TileUse>& used,
                 const std::vector<std::string>& object_names);

}  // namespace orv::check
