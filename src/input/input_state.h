// Held direction, command and the action latch of the player's input.
#pragma once

namespace orv {

struct InputState {};

}  // namespace orv
