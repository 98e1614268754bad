// Interned names: tile names, graphic names, child names and sound names are kept in the grid
// and in placed objects as small numbers into one table per game, so that a cell stays small
// and two names compare equal exactly when their bytes are equal.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>

namespace orv {

using NameId = std::uint32_t;

// Names the game itself knows, interned first and in this order by every name table.
namespace name {
constexpr NameId kEmpty = 0;
constexpr NameId kDummy = 1;  // "dummy.png", the graphic of a tile without GFXNAME
constexpr NameId kHash = 2;   // "#", an unused child slot
constexpr NameId kNope = 3;   // "NOPE", an object kind that is never placed in a slot
constexpr NameId kBomb = 4;
constexpr NameId kLabWall = 5;
constexpr NameId kLabFloor = 6;
constexpr NameId kLabGreen = 7;
constexpr NameId kLabWater = 8;
constexpr NameId kLabBlueFloor = 9;
constexpr NameId kLabFixedFloor = 10;
constexpr NameId kLabPinkFloor = 11;
constexpr NameId kLabFixedPinkFloor = 12;
constexpr NameId kLabWallE = 13;
constexpr NameId kLabGreenE = 14;
constexpr NameId kLabWaterE = 15;
constexpr NameId kLabWallS = 16;
constexpr NameId kLabGreenS = 17;
constexpr NameId kLabWaterS = 18;
}  // namespace name

class NameTable {
 public:
  NameTable();
  NameTable(const NameTable&) = delete;
  NameTable& operator=(const NameTable&) = delete;

  // The id of the text, adding it when it is new.
  NameId intern(std::string_view text);
  // The text of an id; ids that were never handed out read as the empty name.
  const std::string& text(NameId id) const;
  std::size_t size() const { return texts_.size(); }

 private:
  std::deque<std::string> texts_;  // a deque keeps the texts in place for the views below
  std::unordered_map<std::string_view, NameId> ids_;
};

}  // namespace orv
