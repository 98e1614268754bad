// The player's own settings (settings.txt in the per-user configuration folder): loudness,
// display, intro, focus pause, colour assist and name. The defaults are the game as it always
// was: full loudness, a window, the smooth stretch, the intro shown, no colour assist.
#pragma once

#include <cstdint>
#include <string>

#include "media/graphics.h"
#include "media/platform.h"

namespace orv {

constexpr int kMaxVolume = 10;
constexpr std::size_t kMaxPlayerName = 16;

struct Settings {
  int music_volume = kMaxVolume;    // 0 silent .. 10 the music's own loudness
  int effects_volume = kMaxVolume;  // the same for the sound effects
  // Window or fullscreen at start, unless the command line says which.
  media::DisplayMode display = media::DisplayMode::kWindow;
  media::Scaling scaling = media::Scaling::kSmooth;
  bool intro_shown = true;
  bool focus_pause = true;  // play opens the pause dialog when the window loses the focus
  bool colour_assist = false;
  std::string player_name;  // empty: the login name

  bool operator==(const Settings&) const = default;
};

// A name the settings keep: at most 16 characters, each a printable Latin-1 character that is
// no text control ("|" ends a line of screen text, "\" starts a new one).
bool valid_name_character(std::uint8_t c);
bool valid_player_name(const std::string& name);

}  // namespace orv
