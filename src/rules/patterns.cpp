// The patterns that fix painted floor: a painted cell that closes one of four small
#include "rules/patterns.h"

// neighbourhoods of the same colour becomes fixed.
#include <array>

#include "game/game.h"
#include "media/numbers.h"
#include "rules/tile_change.h"
#include "sound/named_sounds.h"

namespace orv {

namespace {

struct Offset {
  int dx, dy;
};
using Pattern = std::array<Offset, 4>;

// Tested in this order; the first complete one ends the test.
constexpr std::array<Pattern, 4> kPatterns = {{
    {{{0, 0}, {-1, 0}, {-1, 1}, {0, 1}}},    // square to the lower left
    {{{0, 0}, {1, 0}, {1, 1}, {0, 1}}},      // square to the lower right
    {{{0, 0}, {0, -1}, {1, -1}, {-1, -1}}},  // the three cells above
    {{{0, 0}, {0, 1}, {1, 1}, {-1, 1}}},     // the three cells below
}};

struct ColourClass {
  NameId painted;
  NameId fixed;
};

bool in_class(const WorldState& world, int x, int y, ColourClass c) {
  const NameId tile = world.grid.tile_name(x, y);
  return tile == c.painted || tile == c.fixed;
}

bool complete(const Game& g, int x, int y, const Pattern& p, ColourClass c) {
  for (const Offset& o : p) {
    if (!in_class(g.world, x + o.dx, y + o.dy, c)) return false;
  }
  return true;
}

// Runs the patterns for cell (x, y); returns true when the cell was converted. Cells of column
// or row 0 are tested, and converted, as the cell one further in.
bool fix_patterns(Game& g, int& x, int& y, ColourClass c) {
  if (x == 0) x = 1;
  if (y == 0) y = 1;
  for (const Pattern& p : kPatterns) {
    if (!complete(g, x, y, p, c)) continue;
    if (g.world.grid.tile_name(x, y) != c.painted) return false;
    change_tile(g, x, y, c.fixed);
    return true;
  }
  return false;
}

}  // namespace

void fix_blue_patterns(Game& g, int x, int y) {
  if (!fix_patterns(g, x, y, {name::kLabBlueFloor, name::kLabFixedFloor})) return;
  play_named_sound(g, g.config.fixed_tile_sound, false);
  WorldState& w = g.world;
  w.score = media::saturating_add(w.score, w.grid.at(x, y).value);
  w.remaining = media::saturating_add(w.remaining, -1);
}

void fix_pink_patterns(Game& g, int x, int y) {
  if (!fix_patterns(g, x, y, {name::kLabPinkFloor, name::kLabFixedPinkFloor})) return;
  play_named_sound(g, g.config.pink_tile_fixed_sound, false);
}

}  // namespace orv
