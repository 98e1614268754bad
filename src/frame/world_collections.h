// Creation of the world's collections at start-up.
#pragma once

namespace orv {

struct Game;

// Makes the start-up world grid (513 x 513 empty cells) and empties the world's lists.
void create_world_collections(Game& g);

}  // namespace orv
