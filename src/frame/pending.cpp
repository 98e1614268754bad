// Stand-ins for the parts of the game that are still being built. Each one goes when its real
// implementation lands.
#include "frame/errors.h"
#include "frame/game.h"
#include "input/eventhandler.h"
#include "media/keys.h"
#include "world/game_over.h"

namespace orv {

void game_over(Game& g, std::uint8_t) {
  return_to_title(g);
}
void return_to_title(Game& g) {
  if (g.frame.quit_requested != 0) end_program(g);
  g.frame.game_state = kGameRunning;
}
// Only the START command (P, or joypad button 10), which the title and highscore screens wait
// for; directions and the other commands come with the real input.
void read_input(Game& g) {
  media::Input& input = g.media.input;
  g.input.held_direction = 16;
  g.input.command = kCommandNone;
  if (g.frame.joypad_present != 0) {
    input.examine_joystick();
    if (input.joystick_button(10)) g.input.command = kCommandStart;
  } else {
    input.examine_keyboard();
    if (input.keyboard_pushed(media::key::kP)) g.input.command = kCommandStart;
  }
}

}  // namespace orv
