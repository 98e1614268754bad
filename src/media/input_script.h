// Keyboard input as text: which key went down or up at which frame. The tests script the
// headless platform with it, and --record / --replay keep a game in it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orv::media {

struct KeyEvent {
  std::int64_t frame = 0;  // frames are counted by presents
  int key = 0;
  bool down = false;
  bool operator==(const KeyEvent&) const = default;
};

// One event per line: "<frame> <key name> down|up". Blank lines and lines starting with "#"
// are comments. Key names: the game's keys of keys.h (P, ESCAPE, SPACE, B, X, UP, DOWN, LEFT,
// RIGHT, F12, A, C, D, Y, RETURN, PAGEUP, PAGEDOWN). Any other line makes the whole script
// invalid (nullopt), so a damaged recording cannot replay half-way.
std::optional<std::vector<KeyEvent>> parse_input_script(const std::string& text);
std::string format_input_script(const std::vector<KeyEvent>& events, const std::string& header);

// True for the keys a script can name.
bool scriptable_key(int key);

// A recorded game: the seed the random generator started from, and the input.
struct Recording {
  std::int32_t seed = 0;
  std::vector<KeyEvent> events;
};

// The seed is the comment line "# seed <n>"; a recording without one is invalid.
std::optional<Recording> parse_recording(const std::string& text);
std::string format_recording(const Recording& recording);

}  // namespace orv::media
