// What placed objects and enemies take alike from their kind: their own 3D sprite, and their
// anchor relative to the cell.
#pragma once

#include <cstdint>

#include "media/types.h"

namespace orv {

struct Game;
struct Config;
struct ObjectKind;

// Sets the offset from the kind's DHOTSPOT word ("CENTER", "RIGHT", "BOTTOMLEFT",
// "BOTTOMRIGHT"; anything else leaves it) for an image of width w and height h, then adds
// half a tile on both axes when DCENTERFIELD is 1.
void anchor_offset(const Config& config, const ObjectKind& kind, float w, float h, float& offset_x,
                   float& offset_y);

// A 3D sprite of its own made from the kind's picture, zoomed to the picture's size.
struct KindSprite {
  media::Sprite3dId sprite3d;
  float width = 0, height = 0;
};
KindSprite make_kind_sprite(Game& g, const ObjectKind& kind);

}  // namespace orv
