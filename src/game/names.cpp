#include "game/names.h"

namespace orv {
namespace {

// In the order of the ids in names.h.
constexpr const char* kKnownNames[] = {
    "",
    "dummy.png",
    "#",
    "NOPE",
    "BOMB",
    "LAB_WALL",
    "LAB_FLOOR",
    "LAB_GREEN",
    "LAB_WATER",
    "LAB_BLUE_FLOOR",
    "LAB_FIXED_FLOOR",
    "LAB_PINK_FLOOR",
    "LAB_FIXED_PINK_FLOOR",
    "LAB_WALL_E",
    "LAB_GREEN_E",
    "LAB_WATER_E",
    "LAB_WALL_S",
    "LAB_GREEN_S",
    "LAB_WATER_S",
};
static_assert(std::size(kKnownNames) == name::kLabWaterS + 1);

}  // namespace

NameTable::NameTable() {
  for (const char* n : kKnownNames) intern(n);
}

NameId NameTable::intern(std::string_view text) {
  auto it = ids_.find(text);
  if (it != ids_.end()) return it->second;
  const NameId id = NameId(texts_.size());
  const std::string& stored = texts_.emplace_back(text);
  ids_.emplace(stored, id);
  return id;
}

const std::string& NameTable::text(NameId id) const {
  return id < texts_.size() ? texts_[id] : texts_[name::kEmpty];
}

}  // namespace orv
