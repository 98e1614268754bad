// The world object list during a level: cells hold positions in it, each object is held by one
// child slot of one cell, and an object that its slot lets go is released at once (its sprite
// freed, its position reused by the next object placed), so retiling the same cells over and
// over keeps the list as long as the objects the cells hold.
#pragma once

#include <cstdint>

#include "game/records.h"

namespace orv {

struct Game;
struct WorldState;

// Puts an object into the list, in the last released position when there is one, and returns
// its position.
std::int32_t add_placed_object(WorldState& world, const PlacedObject& object);
// Frees the sprite of the object at position and marks the position for reuse. Positions that
// are negative, outside the list or already released are ignored.
void release_placed_object(Game& g, std::int32_t position);
// Frees every object's sprite and empties the list.
void clear_placed_objects(Game& g);

}  // namespace orv
