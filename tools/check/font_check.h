// Checks of the font: the character list covers the game's own texts, every listed character
// has a glyph picture that loads, and the glyphs the layout measures have fitting sizes.
#pragma once

namespace orv::check {

struct DataCheck;

void check_font(DataCheck& c);

}  // namespace orv::check
