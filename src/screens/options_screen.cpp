// The options screen's frame loop, its lines and where its files are kept.
#include "screens/options_screen.h"

#include "game/game.h"
#include "game/settings_file.h"
#include "input/player_input.h"
#include "screens/controls_page.h"
#include "screens/name_entry.h"
#include "screens/options_list.h"
#include "screens/options_pages.h"
#include "screens/screen_loop.h"
#include "text/text_drawing.h"

namespace orv {
namespace {

constexpr const char* kHeading = "  OPTIONS|";
constexpr const char* kKeyboardHint = "  ARROWS CHOOSE AND CHANGE   RETURN ENTERS   ESCAPE LEAVES|";
constexpr const char* kPadHint = "  D-PAD CHOOSES AND CHANGES   A ENTERS   BACK LEAVES|";

// Below the top fifth, where the shipped title picture has its panel.
constexpr float kLinesTop = 0.31f;
constexpr float kLineStep = 0.062f;
constexpr float kLineZoom = 0.7f;
constexpr int kOtherLineAlpha = 170;

void draw_options_frame(Game& g, const OptionsState& s) {
  const float w = g.frame.screen_width;
  const float h = g.frame.screen_height;
  draw_screen_base(g);
  draw_text(g, kHeading, w * 0.1f, h * 0.21f, {.zoom = 1.5f});
  switch (s.page) {
    case OptionsPage::kList:
      draw_options_list(g, s);
      break;
    case OptionsPage::kName:
      draw_name_entry(g, s);
      break;
    case OptionsPage::kControls:
      draw_controls_page(g, s);
      break;
    case OptionsPage::kClosed:
      break;
  }
  draw_text(g, g.frame.joypad_present ? kPadHint : kKeyboardHint, w * 0.1f, h * 0.9f,
            {.zoom = 0.5f});
}

void handle_options_input(Game& g, OptionsState& s, const MenuInput& in) {
  switch (s.page) {
    case OptionsPage::kList:
      handle_options_list(g, s, in);
      break;
    case OptionsPage::kName:
      handle_name_entry(g, s, in);
      break;
    case OptionsPage::kControls:
      handle_controls_page(g, s, in);
      break;
    case OptionsPage::kClosed:
      break;
  }
}

void save_settings(Game& g) {
  g.settings.display =
      g.media.platform.fullscreen() ? media::DisplayMode::kFullscreen : media::DisplayMode::kWindow;
  const std::string path = settings_path(g.frame);
  if (!path.empty() && !save_settings_file(path, g.settings))
    g.media.sys.notice("the settings could not be saved in " + path);
}

}  // namespace

std::string settings_path(const FrameState& frame) {
  const std::string& folder = frame.user_config_folder;
  return folder.empty() ? std::string() : folder + kSettingsFileName;
}

std::string controls_path(const FrameState& frame) {
  const std::string& folder = frame.user_config_folder;
  return folder.empty() ? std::string() : folder + "controls.txt";
}

void draw_options_line(Game& g, float row, const std::string& label, const std::string& value,
                       bool chosen) {
  const float w = g.frame.screen_width;
  const float y = g.frame.screen_height * (kLinesTop + kLineStep * row);
  const int alpha = chosen ? 255 : kOtherLineAlpha;
  if (chosen) draw_text(g, "  *|", w * 0.04f, y, {.zoom = kLineZoom});
  draw_text(g, "  " + label + "|", w * 0.08f, y, {.zoom = kLineZoom, .alpha = alpha});
  draw_text(g, "  " + value + "|", w * 0.62f, y, {.zoom = kLineZoom, .alpha = alpha});
}

void show_options_screen(Game& g) {
  OptionsState s;
  start_menu_input(g);
  while (s.page != OptionsPage::kClosed) {
    draw_options_frame(g, s);
    show_screen_page(g);
    handle_options_input(g, s, read_menu_input(g));
  }
  save_settings(g);
  // The Escape (or Back) that left must not count on the title as well.
  hold_back_until_released(g.input, Command::kQuit);
}

}  // namespace orv
