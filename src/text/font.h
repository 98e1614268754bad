// The bitmap font: one picture per character, loaded into the glyph table.
#pragma once

#include <cstdint>
#include <string>

namespace orv {

struct Game;

// Frees the old font, then loads a glyph for every character on the first line of the
// character list file (FONTSYSTEM) from the glyph folder (FONTPATH). Without the list file the
// table stays empty and every text draws as nothing.
void load_font(Game& g);

// The name of the glyph picture a character of the list loads (without folder and ".png").
std::string glyph_picture_name(std::uint8_t c);

// Frees every glyph's 3D sprite and picture and empties the table.
void free_font(Game& g);

}  // namespace orv
