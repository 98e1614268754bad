// The things that stand and move on the grid: placed objects, enemies and the player.
#pragma once

#include <cstdint>

#include "game/names.h"
#include "media/render/blend_factors.h"
#include "media/types.h"

namespace orv {

// An object standing on a cell, copied from its object kind when placed. A cell refers to it by
// its position in the world object list.
struct PlacedObject {
  float width = 0, height = 0;          // drawn size in pixels
  float hotspot_x = 0, hotspot_y = 0;   // added to the cell's screen position
  media::Sprite3dId sprite3d;           // 3D sprite of its own
  std::int32_t alpha = 0;               // DGFXTRANSPARENCY: draw opacity
  std::int32_t blend_source = 0;        // DXMODE1
  std::int32_t blend_destination = 0;   // DXMODE2
  std::int32_t points = 0;              // DSCORE
  std::int32_t extra_time = 0;          // DEXTRATIME: added on each contact
  std::int32_t rotation_step = 0;       // DROTATE
  NameId touch_sound = name::kEmpty;    // DCOUNTSOUND, a name of the sound list
  std::int8_t shown = 0;                // DGFXSHOW: drawn only when 1
  std::int8_t contact = 0;              // DCOLLISION: reacts to the player
  std::int8_t consumed_on_contact = 0;  // DKILLONCOLLISION
  std::int8_t count_up = 0;             // DCOUNTTOSCORE
  std::int8_t play_touch_sound = 0;     // DUSECOUNTSOUND
  std::int8_t player_marker = 0;        // DISPLAYER: not drawn by the object pass
  std::int8_t goody = 0;                // DISGOODY
  std::int8_t released = 0;             // 1 = no cell holds it; its position waits for reuse
};

// The direction an enemy or a player's step moves in.
enum class Direction : std::int32_t {
  kNone = 0,  // an enemy that has not moved yet
  kDown = 16,
  kLeft = 17,
  kRight = 18,
  kUp = 19,
  kStill = 20,  // a step that goes nowhere
};

// A moving enemy of group A (DISENEMY 1) or group B (DISENEMY 2).
struct Enemy {
  std::int32_t x = 0, y = 0;                                // world pixels
  float hotspot_x = 0, hotspot_y = 0;                       // added when drawn
  float width = 0, height = 0;                              // drawn size
  std::int32_t blend_source = 0;                            // DXMODE1
  std::int32_t blend_destination = 0;                       // DXMODE2
  std::int32_t alpha = 0;                                   // DGFXTRANSPARENCY
  media::Sprite3dId sprite3d;                               // 3D sprite of its own
  std::int32_t step_chance = 0;                             // DRANDOMMOVE
  std::int32_t steps_per_tile_x = 0, steps_per_tile_y = 0;  // DVELOX, DVELOY
  std::int32_t activity_chance = 0;                         // DDMOVE
  std::int32_t turn_chance = 0;                             // DCHANGEDIRECTION
  Direction direction = Direction::kNone;
  std::int32_t rotation_step = 0;  // DROTATE
  std::int8_t behaviour = 0;       // DAILEVEL
};

struct Player {
  float x = 0, y = 0;  // screen pixels relative to the view origin
  media::Sprite3dId sprite3d;
  media::SpriteId sprite;
  std::int32_t blend_source = media::blend::kOne;  // additive: one, source alpha
  std::int32_t blend_destination = media::blend::kSourceAlpha;
  std::int32_t rotation_step = 16;  // degrees per frame
};

}  // namespace orv
