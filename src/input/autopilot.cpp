#include "input/autopilot.h"

#include <array>
#include <deque>
#include <vector>

#include "game/coordinates.h"
#include "media/keys.h"

namespace orv {
namespace {

namespace key = media::key;

struct Move {
  int dx, dy, key;
};
constexpr std::array<Move, 4> kMoves{
    {{1, 0, key::kRight}, {-1, 0, key::kLeft}, {0, 1, key::kDown}, {0, -1, key::kUp}}};

// How many steps a cell's attraction is worth when aiming greedily.
constexpr int kClosesBlockBonus = 3;
constexpr int kClockBonus = 6;

bool paintable(NameId tile) {
  return tile == name::kLabFloor || tile == name::kLabGreen || tile == name::kLabPinkFloor;
}

bool blue(const WorldGrid& grid, int x, int y) {
  const NameId t = grid.tile_name(x, y);
  return t == name::kLabBlueFloor || t == name::kLabFixedFloor;
}

// Painting (x, y) would complete a 2x2 block of blue tiles, which then gets fixed.
bool closes_block(const WorldGrid& grid, int x, int y) {
  for (int ox : {-1, 0})
    for (int oy : {-1, 0}) {
      int others = 0;
      for (int dx : {0, 1})
        for (int dy : {0, 1}) {
          const int cx = x + ox + dx, cy = y + oy + dy;
          if ((cx != x || cy != y) && cx >= 0 && cy >= 0 && blue(grid, cx, cy)) ++others;
        }
      if (others == 3) return true;
    }
  return false;
}

// A drawn pick-up on the cell that adds time.
bool holds_clock(const Game& g, const Cell& cell) {
  if (cell.contact == 0) return false;
  for (std::int32_t index : cell.child_objects) {
    if (index < 0 || std::size_t(index) >= g.world.objects.size()) continue;
    const PlacedObject& o = g.world.objects[std::size_t(index)];
    if (o.released == 0 && o.shown == 1 && o.contact != 0 && o.extra_time > 0) return true;
  }
  return false;
}

int attraction(const Game& g, int x, int y, Aim aim) {
  if (aim == Aim::kNearest) return 0;
  const Cell& cell = g.world.grid.at(x, y);
  return (closes_block(g.world.grid, x, y) ? kClosesBlockBonus : 0) +
         (holds_clock(g, cell) ? kClockBonus : 0);
}

}  // namespace

std::optional<int> autopilot_arrow(const Game& g, Aim aim) {
  const WorldState& w = g.world;
  const int columns = w.last_column + 1, rows = w.last_row + 1;
  const CellPosition start = cell_under_player(g);
  if (start.x < 0 || start.y < 0 || start.x >= columns || start.y >= rows) return std::nullopt;
  // Breadth-first over free cells, remembering the first arrow of each walk. The walk is scored
  // by its length less the target's attraction; the first best one in walking order wins.
  std::vector<int> first_key(std::size_t(columns) * rows, 0);
  std::deque<std::pair<CellPosition, int>> queue{{start, 0}};
  first_key[std::size_t(start.y) * columns + start.x] = -1;
  std::optional<int> best_key;
  int best_cost = 0;
  while (!queue.empty()) {
    const auto [c, distance] = queue.front();
    queue.pop_front();
    if (best_key && distance - kClockBonus - kClosesBlockBonus >= best_cost) break;
    const int via = first_key[std::size_t(c.y) * columns + c.x];
    if (via > 0 && paintable(w.grid.tile_name(c.x, c.y))) {
      const int cost = distance - attraction(g, c.x, c.y, aim);
      if (!best_key || cost < best_cost) best_key = via, best_cost = cost;
      if (aim == Aim::kNearest) break;
    }
    for (const Move& m : kMoves) {
      const CellPosition n{c.x + m.dx, c.y + m.dy};
      if (n.x < 0 || n.y < 0 || n.x >= columns || n.y >= rows) continue;
      int& seen = first_key[std::size_t(n.y) * columns + n.x];
      if (seen != 0 || w.grid.at(n.x, n.y).collision != 0) continue;
      seen = via > 0 ? via : m.key;
      queue.push_back({n, distance + 1});
    }
  }
  return best_key;
}

}  // namespace orv
