#include "support/level_dump.h"

#include <sstream>
#include <utility>

#include "game/game.h"

namespace orv::test {
namespace {

char tile_char(NameId n) {
  const std::pair<NameId, char> known[] = {{name::kLabWall, 'W'},
                                           {name::kLabFloor, '.'},
                                           {name::kLabGreen, 'g'},
                                           {name::kLabWater, '~'}};
  for (auto [id, c] : known)
    if (id == n) return c;
  return '?';
}

// Slots of the cell that hold an object: "-" none, otherwise the number of such slots.
char object_char(const WorldGrid& grid, int x, int y) {
  const Cell& c = grid.at(x, y);
  int n = 0;
  for (int k = 0; k <= c.last_placed_slot && k < kChildSlots; ++k) n += c.child_objects[k] >= 0;
  return n == 0 ? '-' : char('0' + n);
}

template <class CharOf>
void picture(std::ostringstream& out, const Game& g, CharOf char_of) {
  const WorldState& w = g.world;
  for (int y = 0; y <= w.last_row; ++y) {
    for (int x = 0; x <= w.last_column; ++x) out << char_of(w.grid, x, y);
    out << '\n';
  }
}

void enemies(std::ostringstream& out, const char* group, const std::vector<Enemy>& list) {
  out << "enemies " << group << ":";
  for (const Enemy& e : list) out << " (" << e.x << "," << e.y << ")";
  out << '\n';
}

}  // namespace

std::string dump_level(const Game& g) {
  const WorldState& w = g.world;
  std::ostringstream out;
  out << "level " << w.level << " extent " << w.last_column << " x " << w.last_row << '\n';
  out << "remaining " << w.remaining << " time " << w.time << " player " << w.player.x << ","
      << w.player.y << '\n';
  out << "tiles:\n";
  picture(out, g,
          [](const WorldGrid& grid, int x, int y) { return tile_char(grid.tile_name(x, y)); });
  out << "objects (" << w.objects.size() << " placed):\n";
  picture(out, g, object_char);
  enemies(out, "A", w.enemies_a);
  enemies(out, "B", w.enemies_b);
  return out.str();
}

}  // namespace orv::test
