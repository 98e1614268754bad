#include "support/autopilot.h"

#include <array>
#include <deque>
#include <vector>

#include "media/keys.h"

namespace orv::test {
namespace {

namespace key = media::key;

struct Move {
  int dx, dy, key;
};
constexpr std::array<Move, 4> kMoves{
    {{1, 0, key::kRight}, {-1, 0, key::kLeft}, {0, 1, key::kDown}, {0, -1, key::kUp}}};

bool paintable(NameId tile) {
  return tile == name::kLabFloor || tile == name::kLabGreen || tile == name::kLabPinkFloor;
}

}  // namespace

std::optional<int> autopilot_arrow(const Game& g) {
  const WorldState& w = g.world;
  const int columns = w.last_column + 1, rows = w.last_row + 1;
  const CellPosition start = cell_under_player(g);
  if (start.x < 0 || start.y < 0 || start.x >= columns || start.y >= rows) return std::nullopt;
  // Breadth-first over free cells, remembering the first arrow of each walk.
  std::vector<int> first_key(std::size_t(columns) * rows, 0);
  std::deque<CellPosition> queue{start};
  first_key[std::size_t(start.y) * columns + start.x] = -1;
  while (!queue.empty()) {
    const CellPosition c = queue.front();
    queue.pop_front();
    const int via = first_key[std::size_t(c.y) * columns + c.x];
    if (via > 0 && paintable(w.grid.at(c.x, c.y).tile_name)) return via;
    for (const Move& m : kMoves) {
      const CellPosition n{c.x + m.dx, c.y + m.dy};
      if (n.x < 0 || n.y < 0 || n.x >= columns || n.y >= rows) continue;
      int& seen = first_key[std::size_t(n.y) * columns + n.x];
      if (seen != 0 || w.grid.at(n.x, n.y).collision != 0) continue;
      seen = via > 0 ? via : m.key;
      queue.push_back(n);
    }
  }
  return std::nullopt;
}

void steer(const Game& g, KeyRecorder& keys) {
  const std::optional<int> arrow = autopilot_arrow(g);
  for (const Move& m : kMoves)
    if (!arrow || *arrow != m.key) keys.set(m.key, false);
  if (arrow) keys.set(*arrow, true);
}

}  // namespace orv::test
