// Menu input: presses of keys and pad buttons, and directions that repeat while held.
#include "input/menu_input.h"

#include "game/game.h"
#include "media/key_names.h"

namespace orv {
namespace {

constexpr int kPadA = 2;
constexpr int kPadB = 3;
constexpr int kPadBack = 9;
constexpr int kPadButtons = 10;

bool control_down(const Game& g, Control control) {
  for (int key : g.input.keys[std::size_t(control)])
    if (g.media.input.keyboard_pushed(key)) return true;
  return false;
}

// The direction held on the keyboard or the pad; the pad wins, as in play.
HeldDirection held_direction(const Game& g) {
  const media::Input& in = g.media.input;
  HeldDirection held = HeldDirection::kNone;
  if (control_down(g, Control::kUp)) held = HeldDirection::kUp;
  if (control_down(g, Control::kDown)) held = HeldDirection::kDown;
  if (control_down(g, Control::kLeft)) held = HeldDirection::kLeft;
  if (control_down(g, Control::kRight)) held = HeldDirection::kRight;
  if (in.joystick_axis_x() != 0)
    held = in.joystick_axis_x() > 0 ? HeldDirection::kRight : HeldDirection::kLeft;
  if (in.joystick_axis_y() != 0)
    held = in.joystick_axis_y() > 0 ? HeldDirection::kDown : HeldDirection::kUp;
  return held;
}

std::uint32_t buttons_down(const media::Input& in) {
  std::uint32_t bits = 0;
  for (int b = 1; b <= kPadButtons; ++b)
    if (in.joystick_button(b)) bits |= 1u << (b - 1);
  return bits;
}

// The character a key types: letters as capitals, digits, space and a few signs.
int typed_character(int key) {
  const std::string name = media::key_name(key);
  if (name.size() == 1) return (unsigned char)name[0];
  if (name == "SPACE") return ' ';
  if (name == "MINUS") return '-';
  if (name == "PERIOD") return '.';
  if (name == "COMMA") return ',';
  if (name == "APOSTROPHE") return '\'';
  if (name == "EQUALS") return '=';
  if (name == "SEMICOLON") return ';';
  return -1;
}

// Fires on the press, then again while held, after a pause.
bool direction_fires(MenuInputState& m, HeldDirection held) {
  if (held != m.held) {
    m.held = held;
    m.held_frames = 0;
    return held != HeldDirection::kNone;
  }
  if (held == HeldDirection::kNone) return false;
  ++m.held_frames;
  return m.held_frames >= kMenuRepeatAfter &&
         (m.held_frames - kMenuRepeatAfter) % kMenuRepeatEvery == 0;
}

void snapshot(Game& g) {
  media::Input& in = g.media.input;
  in.examine_keyboard();
  in.examine_joystick();
  g.frame.joypad_present = in.joystick_present();
}

void remember(Game& g) {
  MenuInputState& m = g.input.menu;
  for (int k = 0; k < media::key::kCount; ++k) m.keys_before[k] = g.media.input.keyboard_pushed(k);
  m.buttons_before = buttons_down(g.media.input);
}

}  // namespace

void start_menu_input(Game& g) {
  snapshot(g);
  remember(g);
  g.input.menu.held = held_direction(g);
  g.input.menu.held_frames = 0;
}

MenuInput read_menu_input(Game& g) {
  snapshot(g);
  MenuInputState& m = g.input.menu;
  const media::Input& in = g.media.input;
  MenuInput out;
  auto fresh = [&](int k) { return in.keyboard_pushed(k) && !m.keys_before[k]; };
  auto fresh_control = [&](Control c) {
    for (int k : g.input.keys[std::size_t(c)])
      if (fresh(k)) return true;
    return false;
  };
  const std::uint32_t buttons = buttons_down(in);
  auto fresh_button = [&](int b) { return ((buttons & ~m.buttons_before) >> (b - 1)) & 1u; };

  const HeldDirection held = held_direction(g);
  if (direction_fires(m, held)) {
    out.up = held == HeldDirection::kUp;
    out.down = held == HeldDirection::kDown;
    out.left = held == HeldDirection::kLeft;
    out.right = held == HeldDirection::kRight;
  }
  out.confirm = fresh(media::key::kReturn) || fresh_control(Control::kBomb) || fresh_button(kPadA);
  out.enter = fresh(media::key::kReturn) || fresh_button(kPadA);
  out.back = fresh_control(Control::kQuit) || fresh_button(kPadBack);
  out.pad_b = fresh_button(kPadB);
  out.erase = fresh(media::key::kBackspace);
  for (int k = 0; k < media::key::kCount && out.key < 0; ++k) {
    if (!fresh(k)) continue;
    out.key = k;
    out.typed = typed_character(k);
  }
  remember(g);
  return out;
}

}  // namespace orv
