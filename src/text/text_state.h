// The glyph table and the text cursor.
#pragma once

namespace orv {

struct TextState {};

}  // namespace orv
