#include "game/grid.h"

#include <algorithm>

namespace orv {

const Cell WorldGrid::kEmptyCell{};

void WorldGrid::recreate(int columns, int rows) {
  columns_ = std::clamp(columns, 0, kLargestGridSize);
  rows_ = std::clamp(rows, 0, kLargestGridSize);
  const std::size_t count = std::size_t(columns_) * std::size_t(rows_);
  if (count == cells_.size()) {
    // Levels of one size follow each other: refreshing the cells in place spares the system
    // handing over and clearing a hundred megabytes of fresh pages for the largest ones.
    std::fill(cells_.begin(), cells_.end(), Cell{});
    std::fill(tile_names_.begin(), tile_names_.end(), name::kEmpty);
    return;
  }
  // Let the old cells go first: a large grid should not be held twice.
  std::vector<Cell>().swap(cells_);
  std::vector<NameId>().swap(tile_names_);
  cells_.resize(count);
  tile_names_.resize(count, name::kEmpty);
}

void WorldGrid::grow(int columns, int rows) {
  columns = std::clamp(columns, columns_, std::max(columns_, kLargestGridSize));
  rows = std::clamp(rows, rows_, std::max(rows_, kLargestGridSize));
  if (columns == columns_ && rows == rows_) return;
  std::vector<Cell> grown(std::size_t(columns) * std::size_t(rows));
  std::vector<NameId> grown_names(grown.size(), name::kEmpty);
  for (int x = 0; x < columns_; ++x) {
    const std::ptrdiff_t from = std::ptrdiff_t(index(x, 0));
    const std::ptrdiff_t to = std::ptrdiff_t(std::size_t(x) * rows);
    std::copy(cells_.begin() + from, cells_.begin() + from + rows_, grown.begin() + to);
    std::copy(tile_names_.begin() + from, tile_names_.begin() + from + rows_,
              grown_names.begin() + to);
  }
  cells_ = std::move(grown);
  tile_names_ = std::move(grown_names);
  columns_ = columns;
  rows_ = rows;
}

}  // namespace orv
