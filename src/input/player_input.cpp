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
  HeldDirection held;
};
constexpr Arrow kArrows[] = {{Control::kUp, HeldDirection::kUp},
                             {Control::kLeft, HeldDirection::kLeft},
                             {Control::kRight, HeldDirection::kRight},
                             {Control::kDown, HeldDirection::kDown}};

// The command keys in the order they are tested; a later one overrides an earlier one. The
// screenshot key (on release) comes last.
struct CommandControl {
  Command command;
  Control control;
};
constexpr CommandControl kCommandControls[] = {
    {Command::kA, Control::kBomb},    {Command::kB, Control::kB},
    {Command::kX, Control::kX},       {Command::kY, Control::kY},
    {Command::kQuit, Control::kQuit}, {Command::kStart, Control::kPause}};

// Joypad buttons 1 to 10 and their commands.
constexpr Command kButtonCommands[] = {
    Command::kX,       Command::kA,       Command::kB,       Command::kY,    Command::kButton5,
    Command::kButton6, Command::kButton7, Command::kButton8, Command::kQuit, Command::kStart};
constexpr int kBombButton = 2;

const std::vector<int>& keys_of(const InputState& input, Control control) {
  return input.keys[std::size_t(control)];
}

bool down(const Game& g, Control control) {
  for (int key : keys_of(g.input, control))
    if (g.media.input.keyboard_pushed(key)) return true;
  return false;
}

bool released(const Game& g, Control control) {
  for (int key : keys_of(g.input, control))
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
  if (is_diagonal(g)) g.input.held_direction = HeldDirection::kNone;
}

// The pad's axes override the keyboard's direction; a diagonal moves vertically.
void read_joypad_direction(Game& g) {
  media::Input& in = g.media.input;
  in.examine_joystick();
  g.frame.joypad_present = in.joystick_present();
  if (in.joystick_axis_x() > 0) g.input.held_direction = HeldDirection::kRight;
  if (in.joystick_axis_x() < 0) g.input.held_direction = HeldDirection::kLeft;
  if (in.joystick_axis_y() > 0) g.input.held_direction = HeldDirection::kDown;
  if (in.joystick_axis_y() < 0) g.input.held_direction = HeldDirection::kUp;
}

// The keyboard's command, with the keys of the held-back command counted as up.
Command keyboard_command(const Game& g, Command held_back) {
  Command command = Command::kNone;
  for (const CommandControl& c : kCommandControls)
    if (c.command != held_back && down(g, c.control)) command = c.command;
  if (released(g, Control::kScreenshot)) command = Command::kScreenshot;
  return command;
}

bool keyboard_holds(const Game& g, Command command) {
  for (const CommandControl& c : kCommandControls)
    if (c.command == command && down(g, c.control)) return true;
  return false;
}

// The first joypad button down gives the command; the held-back command's button counts as up.
Command joypad_command(const media::Input& in, Command held_back) {
  for (int button = 1; button <= 10; ++button) {
    const Command command = kButtonCommands[button - 1];
    if (command != held_back && in.joystick_button(button)) return command;
  }
  return Command::kNone;
}

bool joypad_holds(const media::Input& in, Command command) {
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
  g.input.held_direction = HeldDirection::kNone;
  g.input.command = Command::kNone;
  read_keyboard_direction(g);
  read_joypad_direction(g);
  read_commands(g);
  pause_on_focus_loss(g);
  if (++g.input.step_counter > g.config.step_delay) {
    if (g.input.held_direction != HeldDirection::kNone) move_player(g, g.input.held_direction);
    g.input.step_counter = 0;
  }
}

// Uses the snapshots read_input took: a key release shows only in the first snapshot after it.
// Both devices are read; a keyboard command comes before the pad's.
void read_commands(Game& g) {
  const media::Input& in = g.media.input;
  InputState& input = g.input;
  if (!keyboard_holds(g, input.held_back) && !joypad_holds(in, input.held_back))
    input.held_back = Command::kNone;
  const Command from_keys = keyboard_command(g, input.held_back);
  const Command from_pad = joypad_command(in, input.held_back);
  if (from_keys != Command::kA && !in.joystick_button(kBombButton))
    input.action_latch = ActionLatch::kSeenUp;
  const Command command = from_keys != Command::kNone ? from_keys : from_pad;
  input.command = command;
  if (command == Command::kNone) return;
  dispatch_command(g, command);
  screenshot_test(g, command);
}

void hold_back_until_released(InputState& input, Command command) {
  input.held_back = command;
}

void dispatch_command(Game& g, Command command) {
  if (g.frame.menu_active) return;
  InputState& input = g.input;
  if (input.action_latch == ActionLatch::kSeenUp) input.action_armed = true;
  const bool dialog_open = input.open_dialogs > 0;
  if (command == Command::kStart && !dialog_open) pause_dialog(g);
  if (command == Command::kQuit && !dialog_open) quit_dialog(g);
  if (command == Command::kA && input.action_armed) {
    use_bomb(g);
    input.action_armed = false;
    input.action_latch = ActionLatch::kTaken;
  }
}

}  // namespace orv
