// The glyph table and the text cursor.
#pragma once

#include <array>

#include "media/types.h"

namespace orv {

// One character of the bitmap font. Sizes are the picture's pixel size times the display scale.
struct Glyph {
  float height = 0.0f;
  float width = 0.0f;
  media::SpriteId sprite;      // the glyph picture; 0 = none
  media::Sprite3dId sprite3d;  // made from the picture; 0 = the character draws nothing
};

// One glyph per 8-bit (Latin-1) character code.
constexpr int kGlyphCount = 256;

struct TextState {
  std::array<Glyph, kGlyphCount> glyphs{};
  // The pen offset shared by every text call: "|" resets it, "\" starts a new line.
  float cursor_x = 0.0f;
  float cursor_y = 0.0f;
};

}  // namespace orv
