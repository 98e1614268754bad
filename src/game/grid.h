// The world grid: a two-dimensional array of cells addressed by column x and row y.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "game/names.h"
#include "media/types.h"

namespace orv {

constexpr int kChildSlots = 8;

// Sizes of the grid: made at start-up, after a world reset, and the most it is ever grown to
// so that a level of the largest size (last index 1024) fits.
constexpr int kStartGridSize = 513;
constexpr int kLevelGridSize = 257;
constexpr int kLargestGridSize = 1025;

// Object slots of a fresh cell: none holds an object. (A zero would name the level's first
// placed object, which a definition that skips CHILD1 would then show and let be taken again.)
constexpr std::array<std::int32_t, kChildSlots> kNoChildObjects = {-1, -1, -1, -1, -1, -1, -1, -1};

// One tile of the labyrinth but for its tile name, which the grid keeps apart (see WorldGrid).
// Names are ids of the game's name table (WorldState::names). Fields are grouped by size to
// keep the cell small; a fresh cell is zero but for its empty object slots.
struct Cell {
  std::array<std::int32_t, kChildSlots> child_objects = kNoChildObjects;  // -1 = none
  std::array<NameId, kChildSlots> child_names{};  // CHILD1..8; "#" = unused slot
  NameId graphic_name = name::kEmpty;             // GFXNAME
  media::Sprite3dId sprite3d;     // 3D sprite of the tile graphic, shared by its cells
  float angle = 0;                // the tile graphic's turn in this cell, accumulated by ROTATE
  std::int32_t alpha = 0;         // opacity 0..255; 0 = not drawn
  std::int32_t value = 0;         // VALUE1: points of the tile kind
  std::int32_t blend_source = 0;  // DX1; both 0 = default blending
  std::int32_t blend_destination = 0;  // DX2
  std::int32_t rotation_step = 0;      // ROTATE: degrees per drawn frame
  std::int8_t last_placed_slot = 0;    // highest slot that got an object; -1 = none
  std::int8_t last_named_slot = 0;     // highest slot named by the definition
  std::int8_t collision = 0;           // USECOLLISION: 0 free, 1 blocks player and group A, 2+ all
  std::int8_t contact = 0;             // 1 = an object of the cell reacts to the player
  std::int8_t live = 0;                // 1 = part of the built level
  std::int8_t enemy_spawn = 0;         // USEENEMY: 1 = enemies may be spawned here
};

// The cells, column by column, and beside them a compact array of their tile names: the
// labyrinth walks test a tile name at every step and the rules look at the names around the
// player, so those reads stay within a few megabytes instead of striding through the cells.
class WorldGrid {
 public:
  WorldGrid() = default;
  WorldGrid(const WorldGrid&) = delete;
  WorldGrid& operator=(const WorldGrid&) = delete;

  // Discards every cell and makes columns x rows fresh cells (reusing the memory of a grid of
  // the same size).
  void recreate(int columns, int rows);
  // Makes the grid at least columns x rows (at most kLargestGridSize each), keeping every cell.
  void grow(int columns, int rows);

  int columns() const { return columns_; }
  int rows() const { return rows_; }
  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < columns_ && y < rows_; }

  // The cell at (x, y). Outside the array this is a fresh empty cell that nothing else sees:
  // reading it gives an empty name and collision 0, writing it changes nothing.
  Cell& at(int x, int y) {
    if (!contains(x, y)) return outside_ = Cell{};
    return cells_[index(x, y)];
  }
  const Cell& at(int x, int y) const {
    if (!contains(x, y)) return kEmptyCell;
    return cells_[index(x, y)];
  }
  // The cell at (x, y), or nullptr outside the array.
  Cell* find(int x, int y) { return contains(x, y) ? &cells_[index(x, y)] : nullptr; }

  // The tile name of cell (x, y), also the name of its tile definition file; outside the array
  // an empty name.
  NameId tile_name(int x, int y) const {
    return contains(x, y) ? tile_names_[index(x, y)] : name::kEmpty;
  }
  // Sets the tile name of cell (x, y); outside the array nothing changes.
  void set_tile_name(int x, int y, NameId tile) {
    if (contains(x, y)) tile_names_[index(x, y)] = tile;
  }

  // Bytes held by the cells and their tile names, for memory figures.
  std::size_t bytes() const {
    return cells_.capacity() * sizeof(Cell) + tile_names_.capacity() * sizeof(NameId);
  }

 private:
  // Column by column, the order in which levels are built and read.
  std::size_t index(int x, int y) const { return std::size_t(x) * std::size_t(rows_) + y; }

  static const Cell kEmptyCell;
  std::vector<Cell> cells_;
  std::vector<NameId> tile_names_;  // beside cells_, in the same order
  int columns_ = 0;
  int rows_ = 0;
  Cell outside_;
};

}  // namespace orv
