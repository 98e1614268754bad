// Screen text: strings laid out glyph by glyph from the glyph table.
#pragma once

#include <cstdint>
#include <string_view>

namespace orv {

struct Game;
struct TextState;

// How draw_text lays out and blends its glyphs. zoom scales each glyph (negative counts as
// 1.0), a non-zero angle turns each glyph further on every draw, alpha is the opacity, spacing
// scales the advance after each glyph. A blend pair of (0, 0) means ordinary alpha blending.
struct TextStyle {
  float zoom = 1.0f;
  float angle = 0.0f;
  int alpha = 255;
  float spacing = 1.0f;
  int blend_source = 0;
  int blend_destination = 0;
};

// Draws text at (x, y) plus the text cursor, between start_3d and stop_3d; the blending stays
// set afterwards. "|" resets the cursor, "\" starts a new line, a space advances one "I" width.
void draw_text(Game& g, std::string_view text, float x, float y, const TextStyle& style = {});

// The width draw_text's cursor advances over a one-line text, and the height of a line, at the
// zoom and spacing given.
float text_width(const TextState& font, std::string_view text, float zoom, float spacing);
float line_height(const TextState& font, float zoom);

// Draws one character with the blending already set and moves the cursor.
void draw_glyph(Game& g, std::uint8_t code, float x, float y, float zoom, float angle, int alpha,
                float spacing);

}  // namespace orv
