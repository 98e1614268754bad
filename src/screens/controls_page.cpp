// The key bindings on the options screen: choose a control, press its new key. The control gets
// that key alone, every other control loses it, and controls.txt is written.
#include "screens/controls_page.h"

#include "game/game.h"
#include "input/controls_file.h"
#include "media/key_names.h"
#include "screens/options_pages.h"
#include "screens/options_screen.h"

namespace orv {
namespace {

// The thirteen controls take the height of the list's nine lines, at half its spacing.
constexpr float kControlsLineStep = 0.5f;

std::string keys_text(const std::vector<int>& keys) {
  std::string text;
  for (int key : keys) {
    const std::string name = media::key_name(key);
    if (name.empty()) continue;
    if (!text.empty()) text += ' ';
    text += name;
  }
  return text.empty() ? "NONE" : text;
}

void bind(Game& g, OptionsState& s, int key) {
  rebind_control(g.input.keys, Control(s.control), key);
  s.waiting = false;
  const std::string path = controls_path(g.frame);
  if (!path.empty() && !save_controls_file(g.input, path))
    g.media.sys.notice("the key bindings could not be saved in " + path);
}

}  // namespace

void draw_controls_page(Game& g, const OptionsState& s) {
  for (int c = 0; c < kControlCount; ++c) {
    const bool chosen = c == s.control;
    const std::string value =
        chosen && s.waiting ? "PRESS A KEY" : keys_text(g.input.keys[std::size_t(c)]);
    draw_options_line(g, float(c) * kControlsLineStep, control_name(Control(c)), value, chosen);
  }
}

void handle_controls_page(Game& g, OptionsState& s, const MenuInput& in) {
  if (s.waiting) {
    // Escape (the quit keys) and pad Back cancel, so the way out is never lost by accident.
    if (in.back) {
      s.waiting = false;
    } else if (in.key >= 0 && !media::key_name(in.key).empty()) {
      bind(g, s, in.key);
    }
    return;
  }
  if (in.back) {
    s.page = OptionsPage::kList;
    return;
  }
  if (in.up) s.control = (s.control + kControlCount - 1) % kControlCount;
  if (in.down) s.control = (s.control + 1) % kControlCount;
  if (in.confirm || in.right) s.waiting = true;
}

}  // namespace orv
