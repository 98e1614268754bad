// The list of settings on the options screen: each line's value, and Left/Right changing it.
#include "screens/options_list.h"

#include <algorithm>

#include "game/game.h"
#include "screens/folder_scans.h"
#include "screens/options_pages.h"
#include "sound/named_sounds.h"

namespace orv {
namespace {

const char* kLabels[kOptionsRows] = {
    "MUSIC",         "EFFECTS",     "DISPLAY",
    "SCALING",       "INTRO",       "PAUSE WHEN THE WINDOW LOSES FOCUS",
    "COLOUR ASSIST", "PLAYER NAME", "CONTROLS"};

const char* on_off(bool on) {
  return on ? "ON" : "OFF";
}

std::string value_of(const Game& g, int row) {
  const Settings& s = g.settings;
  switch (row) {
    case kRowMusic:
      return std::to_string(s.music_volume);
    case kRowEffects:
      return std::to_string(s.effects_volume);
    case kRowDisplay:
      return g.media.platform.fullscreen() ? "FULLSCREEN" : "WINDOW";
    case kRowScaling:
      return s.scaling == media::Scaling::kSharp ? "SHARP" : "SMOOTH";
    case kRowIntro:
      return s.intro_shown ? "SHOWN" : "SKIPPED";
    case kRowFocusPause:
      return on_off(s.focus_pause);
    case kRowColourAssist:
      return on_off(s.colour_assist);
    case kRowPlayerName:
      return s.player_name.empty() ? "(" + g.world.login_name + ")" : s.player_name;
    default:
      return "";
  }
}

int stepped(int volume, int step) {
  return std::clamp(volume + step, 0, kMaxVolume);
}

// Left (step -1) or Right (+1) on a line.
void change(Game& g, OptionsState& s, int step) {
  Settings& set = g.settings;
  switch (s.row) {
    case kRowMusic:
      set.music_volume = stepped(set.music_volume, step);
      g.media.sound.set_volume(media::SoundGroup::kMusic, set.music_volume);
      break;
    case kRowEffects:
      set.effects_volume = stepped(set.effects_volume, step);
      g.media.sound.set_volume(media::SoundGroup::kEffects, set.effects_volume);
      play_named_sound(g, g.config.step_sound, false);  // heard at the new loudness
      break;
    case kRowDisplay:
      g.media.platform.set_fullscreen(!g.media.platform.fullscreen());
      break;
    case kRowScaling:
      set.scaling =
          set.scaling == media::Scaling::kSharp ? media::Scaling::kSmooth : media::Scaling::kSharp;
      g.media.platform.set_scaling(set.scaling);
      break;
    case kRowIntro:
      set.intro_shown = !set.intro_shown;
      break;
    case kRowFocusPause:
      set.focus_pause = !set.focus_pause;
      break;
    case kRowColourAssist:
      set.colour_assist = !set.colour_assist;
      reload_tile_pictures(g);
      break;
    default:
      break;
  }
}

void open_name_entry(Settings& settings, OptionsState& s) {
  s.page = OptionsPage::kName;
  s.name = settings.player_name;
  s.cursor = int(s.name.size());
}

}  // namespace

void draw_options_list(Game& g, const OptionsState& s) {
  for (int row = 0; row < kOptionsRows; ++row)
    draw_options_line(g, row, kLabels[row], value_of(g, row), row == s.row);
}

void handle_options_list(Game& g, OptionsState& s, const MenuInput& in) {
  if (in.back) {
    s.page = OptionsPage::kClosed;
    return;
  }
  if (in.up) s.row = (s.row + kOptionsRows - 1) % kOptionsRows;
  if (in.down) s.row = (s.row + 1) % kOptionsRows;
  const bool opens = in.confirm || in.right;
  if (s.row == kRowPlayerName && opens) return open_name_entry(g.settings, s);
  if (s.row == kRowControls && opens) {
    s.page = OptionsPage::kControls;
    s.waiting = false;
    return;
  }
  if (in.left) change(g, s, -1);
  if (in.right || in.confirm) change(g, s, +1);
}

}  // namespace orv
