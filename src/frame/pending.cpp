// Stand-ins for the parts of the game that are still being built. Each one goes when its real
// implementation lands.
#include "frame/game.h"
#include "world/world_frame.h"

namespace orv {

void world_frame(Game&) {}

}  // namespace orv
