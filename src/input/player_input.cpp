// The player's input: one device snapshot per frame turned into a held direction and a command.
#include "input/player_input.h"

#include "game/game.h"
#include "input/dialogs.h"
#include "input/player_step.h"
#include "input/screenshots.h"
#include "media/keys.h"
#include "rules/bombs.h"

namespace orv {
namespace {

namespace key = media::key;

// Arrow keys in the order they are tested; a later one overrides an earlier one.
struct ArrowKey {
  int key;
  std::uint8_t held;
};
constexpr ArrowKey kArrowKeys[] = {{key::kUp, kHeldUp},
                                   {key::kLeft, kHeldLeft},
                                   {key::kRight, kHeldRight},
                                   {key::kDown, kHeldDown}};

// Joypad buttons 1 to 10 and their commands.
constexpr std::int32_t kButtonCommands[] = {
    kCommandX,       kCommandA,       kCommandB,       kCommandY,    kCommandButton5,
    kCommandButton6, kCommandButton7, kCommandButton8, kCommandQuit, kCommandStart};

bool is_diagonal(const media::Input& in) {
  const bool up = in.keyboard_pushed(key::kUp);
  const bool down = in.keyboard_pushed(key::kDown);
  const bool left = in.keyboard_pushed(key::kLeft);
  const bool right = in.keyboard_pushed(key::kRight);
  return (up || down) && (left || right);
}

void read_keyboard_direction(Game& g) {
  media::Input& in = g.media.input;
  in.examine_keyboard();
  for (const ArrowKey& arrow : kArrowKeys)
    if (in.keyboard_pushed(arrow.key)) g.input.held_direction = arrow.held;
  if (in.keyboard_released(key::kPageDown)) --g.world.level;
  if (in.keyboard_released(key::kPageUp)) ++g.world.level;
  if (is_diagonal(in)) g.input.held_direction = kHeldNone;
}

void read_joypad_direction(Game& g) {
  media::Input& in = g.media.input;
  in.examine_joystick();
  if (in.joystick_axis_x() > 0) g.input.held_direction = kHeldRight;
  if (in.joystick_axis_x() < 0) g.input.held_direction = kHeldLeft;
  if (in.joystick_axis_y() > 0) g.input.held_direction = kHeldDown;
  if (in.joystick_axis_y() < 0) g.input.held_direction = kHeldUp;
}

// The command keys in the order they are tested; a later one overrides an earlier one. F12
// (screenshot, on release) comes last.
struct CommandKeys {
  std::int32_t command;
  int key, other_key;
};
constexpr CommandKeys kCommandKeys[] = {{kCommandA, key::kSpace, key::kA},
                                        {kCommandB, key::kB, key::kB},
                                        {kCommandX, key::kC, key::kX},
                                        {kCommandY, key::kD, key::kY},
                                        {kCommandQuit, key::kEscape, key::kEscape},
                                        {kCommandStart, key::kP, key::kP}};

bool keys_down(const media::Input& in, const CommandKeys& keys) {
  return in.keyboard_pushed(keys.key) || in.keyboard_pushed(keys.other_key);
}

// The keyboard's command, with the keys of the held-back command counted as up.
std::int32_t keyboard_command(const media::Input& in, std::int32_t held_back) {
  std::int32_t command = kCommandNone;
  for (const CommandKeys& keys : kCommandKeys)
    if (keys.command != held_back && keys_down(in, keys)) command = keys.command;
  if (in.keyboard_released(key::kF12)) command = kCommandScreenshot;
  return command;
}

bool keyboard_holds(const media::Input& in, std::int32_t command) {
  for (const CommandKeys& keys : kCommandKeys)
    if (keys.command == command && keys_down(in, keys)) return true;
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

}  // namespace

void read_input(Game& g) {
  g.input.held_direction = kHeldNone;
  g.input.command = kCommandNone;
  if (!g.frame.joypad_present)
    read_keyboard_direction(g);
  else
    read_joypad_direction(g);
  read_commands(g);
  if (++g.input.step_counter > g.config.step_delay) {
    if (g.input.held_direction != kHeldNone) move_player(g, g.input.held_direction);
    g.input.step_counter = 0;
  }
}

// Uses the snapshot read_input took: a key release shows only in the first snapshot after it.
void read_commands(Game& g) {
  const media::Input& in = g.media.input;
  InputState& input = g.input;
  const bool keyboard = !g.frame.joypad_present;
  const bool held =
      keyboard ? keyboard_holds(in, input.held_back) : joypad_holds(in, input.held_back);
  if (!held) input.held_back = kCommandNone;
  std::int32_t command = kCommandNone;
  if (keyboard) {
    command = keyboard_command(in, input.held_back);
    if (command != kCommandA) input.action_latch = kActionSeenUp;
  } else {
    command = joypad_command(in, input.held_back);
    if (!in.joystick_button(2)) input.action_latch = kActionSeenUp;
  }
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
