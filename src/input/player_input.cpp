// The player's input: keyboard and pad snapshots, taken every frame, turned into a held
// direction and a command.
#include "input/player_input.h"

#include "game/game.h"
#include "input/dialogs.h"
#include "input/player_step.h"
#include "input/screenshots.h"
#include "rules/bombs.h"

namespace orv {
namespace {

// The arrows in the order they are tested; a later one overrides an earlier one.
struct Arrow {
  Control control;
  std::uint8_t held;
};
constexpr Arrow kArrows[] = {{Control::kUp, kHeldUp},
                             {Control::kLeft, kHeldLeft},
                             {Control::kRight, kHeldRight},
                             {Control::kDown, kHeldDown}};

// The command keys in the order they are tested; a later one overrides an earlier one. The
// screenshot key (on release) comes last.
struct CommandControl {
  std::int32_t command;
  Control control;
};
constexpr CommandControl kCommandControls[] = {
    {kCommandA, Control::kBomb}, {kCommandB, Control::kB},       {kCommandX, Control::kX},
    {kCommandY, Control::kY},    {kCommandQuit, Control::kQuit}, {kCommandStart, Control::kPause}};

// Joypad buttons 1 to 10 and their commands.
constexpr std::int32_t kButtonCommands[] = {
    kCommandX,       kCommandA,       kCommandB,       kCommandY,    kCommandButton5,
    kCommandButton6, kCommandButton7, kCommandButton8, kCommandQuit, kCommandStart};
constexpr int kBombButton = 2;

const std::vector<int>& keys_of(const Game& g, Control control) {
  return g.input.keys[std::size_t(control)];
}

bool down(const Game& g, Control control) {
  for (int key : keys_of(g, control))
    if (g.media.input.keyboard_pushed(key)) return true;
  return false;
}

bool released(const Game& g, Control control) {
  for (int key : keys_of(g, control))
    if (g.media.input.keyboard_released(key)) return true;
  return false;
}

bool is_diagonal(const Game& g) {
  const bool vertical = down(g, Control::kUp) || down(g, Control::kDown);
  return vertical && (down(g, Control::kLeft) || down(g, Control::kRight));
}

// Arrows, a diagonal stops; Page Up and Page Down change the level on release.
void read_keyboard_direction(Game& g) {
  g.media.input.examine_keyboard();
  for (const Arrow& arrow : kArrows)
    if (down(g, arrow.control)) g.input.held_direction = arrow.held;
  if (released(g, Control::kLevelDown)) --g.world.level;
  if (released(g, Control::kLevelUp)) ++g.world.level;
  if (!g.frame.menu_active && (released(g, Control::kLevelDown) || released(g, Control::kLevelUp)))
    g.world.level_keys_used = true;
  if (is_diagonal(g)) g.input.held_direction = kHeldNone;
}

// The pad's axes override the keyboard's direction; a diagonal moves vertically.
void read_joypad_direction(Game& g) {
  media::Input& in = g.media.input;
  in.examine_joystick();
  g.frame.joypad_present = in.joystick_present();
  if (in.joystick_axis_x() > 0) g.input.held_direction = kHeldRight;
  if (in.joystick_axis_x() < 0) g.input.held_direction = kHeldLeft;
  if (in.joystick_axis_y() > 0) g.input.held_direction = kHeldDown;
  if (in.joystick_axis_y() < 0) g.input.held_direction = kHeldUp;
}

// The keyboard's command, with the keys of the held-back command counted as up.
std::int32_t keyboard_command(const Game& g, std::int32_t held_back) {
  std::int32_t command = kCommandNone;
  for (const CommandControl& c : kCommandControls)
    if (c.command != held_back && down(g, c.control)) command = c.command;
  if (released(g, Control::kScreenshot)) command = kCommandScreenshot;
  return command;
}

bool keyboard_holds(const Game& g, std::int32_t command) {
  for (const CommandControl& c : kCommandControls)
    if (c.command == command && down(g, c.control)) return true;
  return false;
}

// The first joypad button down gives the command; the held-back command's button counts as up.
std::int32_t joypad_command(const media::Input& in, std::int32_t held_back) {
  for (int button = 1; button <= 10; ++button) {
    const std::int32_t command = kButtonCommands[button - 1];
    if (command != held_back && in.joystick_button(button)) return command;
  }
  return kCommandNone;
}

bool joypad_holds(const media::Input& in, std::int32_t command) {
  for (int button = 1; button <= 10; ++button)
    if (kButtonCommands[button - 1] == command && in.joystick_button(button)) return true;
  return false;
}

// Play opens the pause dialog when the window has lost the focus, if the player wants it. A loss
// seen on a menu or in a dialog is forgotten.
void pause_on_focus_loss(Game& g) {
  if (!g.media.platform.take_focus_loss()) return;
  if (!g.settings.focus_pause || g.frame.menu_active || g.input.open_dialogs > 0) return;
  pause_dialog(g);
}

}  // namespace

void read_input(Game& g) {
  g.input.held_direction = kHeldNone;
  g.input.command = kCommandNone;
  read_keyboard_direction(g);
  read_joypad_direction(g);
  read_commands(g);
  pause_on_focus_loss(g);
  if (++g.input.step_counter > g.config.step_delay) {
    if (g.input.held_direction != kHeldNone) move_player(g, g.input.held_direction);
    g.input.step_counter = 0;
  }
}

// Uses the snapshots read_input took: a key release shows only in the first snapshot after it.
// Both devices are read; a keyboard command comes before the pad's.
void read_commands(Game& g) {
  const media::Input& in = g.media.input;
  InputState& input = g.input;
  if (!keyboard_holds(g, input.held_back) && !joypad_holds(in, input.held_back))
    input.held_back = kCommandNone;
  const std::int32_t from_keys = keyboard_command(g, input.held_back);
  const std::int32_t from_pad = joypad_command(in, input.held_back);
  if (from_keys != kCommandA && !in.joystick_button(kBombButton))
    input.action_latch = kActionSeenUp;
  const std::int32_t command = from_keys != kCommandNone ? from_keys : from_pad;
  input.command = command;
  if (command == kCommandNone) return;
  dispatch_command(g, command);
  screenshot_test(g, command);
}

void hold_back_until_released(Game& g, std::int32_t command) {
  g.input.held_back = command;
}

void dispatch_command(Game& g, std::int32_t command) {
  if (g.frame.menu_active) return;
  InputState& input = g.input;
  if (input.action_latch == kActionSeenUp) input.action_armed = true;
  const bool dialog_open = input.open_dialogs > 0;
  if (command == kCommandStart && !dialog_open) pause_dialog(g);
  if (command == kCommandQuit && !dialog_open) quit_dialog(g);
  if (command == kCommandA && input.action_armed) {
    use_bomb(g);
    input.action_armed = false;
    input.action_latch = kActionTaken;
  }
}

}  // namespace orv
