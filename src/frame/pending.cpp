// Stand-ins for the parts of the game that are still being built. Each one goes when its real
// implementation lands.
#include "frame/errors.h"
#include "frame/game.h"
#include "input/eventhandler.h"
#include "screens/highscore.h"
#include "world/game_over.h"
#include "world/world_frame.h"

namespace orv {

void world_frame(Game&) {}
void game_over(Game& g, std::uint8_t) {
  return_to_title(g);
}
void return_to_title(Game& g) {
  if (g.frame.quit_requested != 0) end_program(g);
  g.frame.game_state = kGameRunning;
}
void show_highscore(Game&) {}
void read_input(Game&) {}

}  // namespace orv
