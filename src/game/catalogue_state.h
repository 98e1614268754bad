// Object kinds and tile definitions.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "game/names.h"
#include "media/types.h"

namespace orv {

// One kind of object, read from the definition file beside its graphic in the object folder.
// Numbers are 0 and texts empty unless the definition sets them.
struct ObjectKind {
  media::SpriteId sprite;               // the graphic; 0 when it did not load
  std::string placement_text;           // DGFXNAME: "NOPE" = never placed in a child slot
  std::int32_t alpha = 0;               // DGFXTRANSPARENCY: opacity of placed copies
  std::int32_t density = 0;             // DDENSITY: placed when random(density) is 0
  std::int8_t fit_to_tile = 0;          // DFITTOMATRIX: 1 = drawn at tile size
  std::int8_t contact = 0;              // DCOLLISION: placed copies react to the player
  std::string anchor;                   // DHOTSPOT: anchor word
  std::int32_t blend_source = 0;        // DXMODE1
  std::int32_t blend_destination = 0;   // DXMODE2
  std::int8_t shown = 0;                // DGFXSHOW
  std::int8_t centred_in_cell = 0;      // DCENTERFIELD: 1 = shifted by half a tile
  std::int8_t consumed_on_contact = 0;  // DKILLONCOLLISION
  std::int32_t points = 0;              // DSCORE
  std::int8_t count_up = 0;             // DCOUNTTOSCORE: points go to the score target
  std::string touch_sound_text;         // DCOUNTSOUND
  std::int8_t play_touch_sound = 0;     // DUSECOUNTSOUND
  std::int8_t player_marker = 0;        // DISPLAYER
  std::int8_t enemy_group = 0;          // DISENEMY: 1 group A, 2 group B
  std::int32_t step_chance = 0;         // DRANDOMMOVE
  std::int32_t steps_per_tile_x = 0;    // DVELOX
  std::int32_t steps_per_tile_y = 0;    // DVELOY
  std::int8_t behaviour = 0;            // DAILEVEL
  std::int32_t activity_chance = 0;     // DDMOVE
  std::int32_t turn_chance = 0;         // DCHANGEDIRECTION
  std::int8_t goody = 0;                // DISGOODY
  std::int32_t extra_time = 0;          // DEXTRATIME
  std::int32_t rotation_step = 0;       // DROTATE

  // Ids of placement_text and touch_sound_text in the world's name table, set when the kind is
  // loaded.
  NameId placement_name = name::kEmpty;
  NameId touch_sound = name::kEmpty;
};

// What one tile definition file does to a cell: only the fields it names, with the values the
// last line of each key gave.
struct TileDefinition {
  enum Field : std::uint16_t {
    kGraphic = 1 << 0,
    kValue = 1 << 1,
    kRotate = 1 << 2,
    kCollision = 1 << 3,
    kTransparency = 1 << 4,
    kEnemySpawn = 1 << 5,
    kBlendSource = 1 << 6,
    kBlendDestination = 1 << 7,
  };
  bool found = false;         // false: the file did not open and the cell stays as it is
  std::uint16_t fields = 0;   // Field bits of the keys given
  std::uint8_t children = 0;  // bit n: CHILDn+1 given
  std::int8_t last_named_slot = 0;
  std::array<NameId, 8> child_names{};
  NameId graphic_name = name::kEmpty;
  std::int32_t value = 0, rotation_step = 0, transparency = 0;
  std::int32_t blend_source = 0, blend_destination = 0;
  std::int8_t collision = 0, enemy_spawn = 0;
};

struct StringHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

// Tile definition files read during one level build: a build reads the same few files for
// tens of thousands of cells. Outside a build every file is read when it is needed.
struct TileDefinitionCache {
  bool active = false;
  std::unordered_map<std::string, TileDefinition, StringHash, std::equal_to<>> files;
  // The file used last: runs of cells of one tile skip the hashing.
  std::string last_file;
  const TileDefinition* last = nullptr;
  // The tile name whose definition file is last_file: retiling runs of cells of that tile
  // skips building and checking the path. name::kEmpty when last is not known to be it.
  NameId last_tile = name::kEmpty;
};

struct CatalogueState {
  std::vector<ObjectKind> kinds;  // the object kind list, in folder order
  TileDefinitionCache tile_cache;
  std::string path_scratch;  // the tile definition path being built, kept to reuse its memory
};

}  // namespace orv
