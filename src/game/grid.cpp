#include "game/grid.h"

#include <algorithm>

namespace orv {

const Cell WorldGrid::kEmptyCell{};

void WorldGrid::recreate(int columns, int rows) {
  columns_ = std::clamp(columns, 0, kLargestGridSize);
  rows_ = std::clamp(rows, 0, kLargestGridSize);
  // Let the old cells go first: a large grid should not be held twice.
  std::vector<Cell>().swap(cells_);
  cells_.resize(std::size_t(columns_) * std::size_t(rows_));
}

void WorldGrid::grow(int columns, int rows) {
  columns = std::clamp(columns, columns_, std::max(columns_, kLargestGridSize));
  rows = std::clamp(rows, rows_, std::max(rows_, kLargestGridSize));
  if (columns == columns_ && rows == rows_) return;
  std::vector<Cell> grown(std::size_t(columns) * std::size_t(rows));
  for (int x = 0; x < columns_; ++x) {
    auto from = cells_.begin() + std::ptrdiff_t(index(x, 0));
    std::copy(from, from + rows_, grown.begin() + std::ptrdiff_t(std::size_t(x) * rows));
  }
  cells_ = std::move(grown);
  columns_ = columns;
  rows_ = rows;
}

}  // namespace orv
