// The world grid, its objects and enemies, the player and the world counters.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/grid.h"
#include "game/names.h"
#include "game/records.h"
#include "media/types.h"

namespace orv {

// A copy of the picture drawn so far (see effects/screen_capture.h).
struct ScreenCapture {
  media::SpriteId sprite;
  media::Sprite3dId sprite3d;
};

struct WorldState {
  std::int32_t score = 0;
  std::int32_t score_target = 0;       // points still to be counted up into the score
  std::int32_t level_start_score = 0;  // score when the last level was completed
  std::int32_t remaining = 0;          // the level goal counter ("CRITCAL MASS")
  std::int32_t level = 1;              // the current level ("DIMENSION")
  std::int32_t time = 0;               // level time in time units
  std::int32_t bombs = 1;              // bombs carried, at most 3; the HUD shows one "&" each
  std::string player_name;
  // Page Up or Page Down changed the level during this game: it is not kept in the table.
  bool level_keys_used = false;
  std::string login_name;  // the last folder of the home folder, the name when none is set
  bool level_transition_pending = false;
  // The level was loaded again right after it completed and still has nothing to fix: its
  // completion has been counted once and is not counted again; it stays until its time runs out.
  bool completion_counted = false;

  NameTable names;  // the texts of every NameId in the grid and the placed objects
  WorldGrid grid;   // empty until start-up creates it (create_world_collections)
  std::vector<PlacedObject> objects;       // the world object list; cells hold positions in it
  std::vector<std::int32_t> free_objects;  // positions of released objects, reused first
  std::vector<Enemy> enemies_a;            // enemy group A: paints floor pink
  std::vector<Enemy> enemies_b;            // enemy group B: wipes painted floor
  Player player;

  // The view: the cell in the top-left corner of the screen and the view's size in cells.
  float view_origin_x = 0, view_origin_y = 0;
  float view_columns = 0, view_rows = 0;
  // The level extent: last column and last row of the built level.
  std::int32_t last_column = 0;
  std::int32_t last_row = 0;

  ScreenCapture capture;
  std::int32_t notice_scroll = 0;  // how far the notice of the head-up display has moved left
};

}  // namespace orv
