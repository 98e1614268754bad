// Screen text: strings laid out glyph by glyph from the glyph table.
#pragma once

#include <cstdint>
#include <string_view>

namespace orv {

struct Game;
struct TextState;

// Draws text at (x, y) plus the text cursor, between start_3d and stop_3d. zoom scales each
// glyph (negative counts as 1.0), spacing scales the advance after each glyph, alpha is the
// opacity. Blending (0, 0) means ordinary alpha blending; the blending stays set afterwards.
// "|" resets the cursor, "\" starts a new line, a space advances one "I" width.
void draw_text(Game& g, std::string_view text, float x, float y, float zoom, float angle, int alpha,
               float spacing, int blend_source, int blend_destination);

// The width draw_text's cursor advances over a one-line text, and the height of a line, at the
// zoom and spacing given.
float text_width(const TextState& font, std::string_view text, float zoom, float spacing);
float line_height(const TextState& font, float zoom);

// Draws one character with the blending already set and moves the cursor.
void draw_glyph(Game& g, std::uint8_t code, float x, float y, float zoom, float angle, int alpha,
                float spacing);

}  // namespace orv
