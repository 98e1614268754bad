// Configuration reading, opening the media services and the game window.
#include "frame/system_setup.h"

#include <algorithm>
#include <cmath>
#include <iostream>

#include "frame/configuration_file.h"
#include "game/errors.h"
#include "game/game.h"
#include "game/settings_file.h"
#include "input/controls_file.h"
#include "media/numbers.h"

namespace orv {
namespace {

std::string user_file(const std::string& folder, const char* name) {
  return folder.empty() ? std::string() : folder + name;
}

}  // namespace

void read_configuration(Game& g) {
  if (!read_configuration_file(g, g.frame.configuration_path)) report_error(g, kErrorConfiguration);
}

void open_input_and_sound(Game& g) {
  media::Media& m = g.media;
  m.gfx.transparent_sprite_colour(media::kNewSprites, media::rgb(255, 0, 255));
  m.input.init_keyboard();
  m.sound.init_sound();
  const std::string& folder = g.frame.user_config_folder;
  g.frame.joypad_present = m.input.init_joystick(user_file(folder, "gamecontrollerdb.txt"));
}

void read_player_controls_and_settings(Game& g) {
  const std::string& folder = g.frame.user_config_folder;
  if (!folder.empty()) read_controls_file(g, folder + "controls.txt", std::cerr);
  if (!folder.empty()) g.settings = read_settings_file(folder + kSettingsFileName, std::cerr);
  apply_settings(g);
}

void apply_settings(Game& g) {
  const Settings& s = g.settings;
  g.media.sound.set_volume(media::SoundGroup::kMusic, s.music_volume);
  g.media.sound.set_volume(media::SoundGroup::kEffects, s.effects_volume);
  g.media.platform.set_scaling(s.scaling);
  if (!g.frame.display_chosen) g.config.display_mode = s.display;
}

void open_game_screen(Game& g) {
  media::Graphics& gfx = g.media.gfx;
  gfx.examine_desktops();
  g.frame.screen_width = float(std::min(gfx.desktop_width(), g.config.design_width));
  g.frame.screen_height = float(std::min(gfx.desktop_height(), g.config.design_height));
  g.frame.display_scale = g.frame.screen_width / float(g.config.design_width);

  const int w = media::round_even(g.frame.screen_width);
  const int h = media::round_even(g.frame.screen_height);
  media::WindowId window = gfx.open_window(w, h, g.config.window_title, g.config.display_mode);
  if (!window) report_error(g, kErrorWindow);
  if (!gfx.open_windowed_screen(window, w, h)) report_error(g, kErrorScreen);
}

}  // namespace orv
