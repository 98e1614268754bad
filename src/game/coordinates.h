// Conversions between cells, world pixels and the player's screen position, and the view size.
#pragma once

#include <cstdint>

namespace orv {

struct Game;
struct Config;

struct CellPosition {
  std::int32_t x = 0;
  std::int32_t y = 0;
  bool operator==(const CellPosition&) const = default;
};

// The cell under a world pixel position: each coordinate divided by the tile size and rounded
// to the nearest integer, halves to even.
CellPosition cell_under_world_pixel(const Config& config, std::int32_t px, std::int32_t py);
// The cell under the player: the whole tiles of its screen position plus the view origin.
CellPosition cell_under_player(const Game& g);
// The view's size in cells: the screen size divided by the tile size, rounded up.
void set_view_size(Game& g);

}  // namespace orv
