// Small conversions between the game's values and SDL's.
#pragma once

#include <cstdint>
#include <string>

namespace orv::media {

// The game's 8-bit Latin-1 text as the UTF-8 SDL expects for titles and message boxes.
std::string latin1_to_utf8(const std::string& text);

// A joystick axis from SDL's -32768..32767 to the game's -1000..1000.
int scale_axis(std::int16_t value);

}  // namespace orv::media
