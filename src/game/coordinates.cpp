#include "game/coordinates.h"

#include <cmath>

#include "game/game.h"
#include "media/numbers.h"

namespace orv {

using media::round_even;

CellPosition cell_under_world_pixel(const Config& config, std::int32_t px, std::int32_t py) {
  return {round_even(double(px) / config.tile_width), round_even(double(py) / config.tile_height)};
}

CellPosition cell_under_player(const Game& g) {
  const WorldState& w = g.world;
  return {round_even(std::floor(w.player.x / g.config.tile_width) + w.view_origin_x),
          round_even(std::floor(w.player.y / g.config.tile_height) + w.view_origin_y)};
}

void set_view_size(Game& g) {
  g.world.view_columns = std::ceil(g.frame.screen_width / g.config.tile_width);
  g.world.view_rows = std::ceil(g.frame.screen_height / g.config.tile_height);
}

}  // namespace orv
