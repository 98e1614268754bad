// The player's input: one device snapshot per frame turned into a held direction and a command.
#include "input/eventhandler.h"

#include "frame/game.h"
#include "input/externals.h"
#include "input/game_controls.h"
#include "media/keys.h"
#include "world/terra_logic.h"

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

std::int32_t keyboard_command(const media::Input& in) {
  std::int32_t command = kCommandNone;
  if (in.keyboard_pushed(key::kSpace) || in.keyboard_pushed(key::kA)) command = kCommandA;
  if (in.keyboard_pushed(key::kB)) command = kCommandB;
  if (in.keyboard_pushed(key::kC) || in.keyboard_pushed(key::kX)) command = kCommandX;
  if (in.keyboard_pushed(key::kD) || in.keyboard_pushed(key::kY)) command = kCommandY;
  if (in.keyboard_pushed(key::kEscape)) command = kCommandQuit;
  if (in.keyboard_pushed(key::kP)) command = kCommandStart;
  if (in.keyboard_released(key::kF12)) command = kCommandScreenshot;
  return command;
}

std::int32_t joypad_command(const media::Input& in) {
  for (int button = 1; button <= 10; ++button)
    if (in.joystick_button(button)) return kButtonCommands[button - 1];
  return kCommandNone;
}

}  // namespace

void read_input(Game& g) {
  g.input.held_direction = kHeldNone;
  g.input.command = kCommandNone;
  if (g.frame.joypad_present == 0)
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
  std::int32_t command = kCommandNone;
  if (g.frame.joypad_present == 0) {
    command = keyboard_command(in);
    if (command != kCommandA) g.input.action_latch = kActionSeenUp;
  } else {
    command = joypad_command(in);
    if (!in.joystick_button(2)) g.input.action_latch = kActionSeenUp;
  }
  g.input.command = command;
  if (command == kCommandNone) return;
  dispatch_command(g, command);
  screenshot_test(g, command);
}

void dispatch_command(Game& g, std::int32_t command) {
  if (g.frame.menu_active == 1) return;
  InputState& input = g.input;
  if (input.action_latch == kActionSeenUp) input.action_armed = 1;
  const bool dialog_open = input.open_dialogs > 0;
  if (command == kCommandStart && !dialog_open) pause_dialog(g);
  if (command == kCommandQuit && !dialog_open) quit_dialog(g);
  if (command == kCommandA && input.action_armed == 1) {
    use_bomb(g);
    input.action_armed = 0;
    input.action_latch = kActionTaken;
  }
}

}  // namespace orv
