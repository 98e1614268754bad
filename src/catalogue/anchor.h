// The anchor of a drawn object or enemy relative to its cell.
#pragma once

namespace orv {

struct Game;
struct ObjectKind;

// Sets the offset from the kind's DHOTSPOT word ("CENTER", "RIGHT", "BOTTOMLEFT",
// "BOTTOMRIGHT"; anything else leaves it) for an image of width w and height h, then adds
// half a tile on both axes when DCENTERFIELD is 1.
void anchor_offset(const Game& g, const ObjectKind& kind, float w, float h, float& offset_x,
                   float& offset_y);

}  // namespace orv
