// Walking the visible cells of the world, as the drawing passes do.
#pragma once

#include <algorithm>

#include "game/world_state.h"
#include "media/numbers.h"

namespace orv {

// Walks the visible cells: screen column i and row j with the cell (x, y) shown there. Columns
// run from the view origin to view columns further (both ends), rows over view rows, and at
// least the first row is always walked. A view larger than the grid is cut to the grid's
// numbers of columns and rows, so a frame never walks more cells than the grid holds.
template <typename Visit>
void walk_view(const WorldState& w, Visit visit) {
  const int first_x = media::round_even(w.view_origin_x);
  const int last_i = std::min(media::round_even(w.view_columns), w.grid.columns() - 1);
  const int row_count = std::min(media::round_even(w.view_rows), w.grid.rows());
  int i = 0, j = 0;
  int x = first_x, y = media::round_even(w.view_origin_y);
  do {
    visit(i, j, x, y);
    ++i;
    ++x;
    if (i > last_i) {
      i = 0;
      ++j;
      ++y;
      x = first_x;
    }
  } while (j < row_count);
}

}  // namespace orv
