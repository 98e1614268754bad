#include "catalogue/object_list.h"

#include <cstddef>

#include "game/game.h"

namespace orv {

std::int32_t add_placed_object(WorldState& world, const PlacedObject& object) {
  WorldState& w = world;
  while (!w.free_objects.empty()) {
    const std::size_t position = std::size_t(w.free_objects.back());
    w.free_objects.pop_back();
    // Only a position that is still released is reused (the list may have been emptied since).
    if (position < w.objects.size() && w.objects[position].released != 0) {
      w.objects[position] = object;
      return std::int32_t(position);
    }
  }
  w.objects.push_back(object);
  return std::int32_t(w.objects.size() - 1);
}

void release_placed_object(Game& g, std::int32_t position) {
  WorldState& w = g.world;
  if (position < 0 || std::size_t(position) >= w.objects.size()) return;
  PlacedObject& o = w.objects[std::size_t(position)];
  if (o.released != 0) return;
  if (o.sprite3d) g.media.gfx.free_sprite3d(o.sprite3d);
  o = PlacedObject{};
  o.released = 1;
  w.free_objects.push_back(position);
}

void clear_placed_objects(Game& g) {
  WorldState& w = g.world;
  for (const PlacedObject& o : w.objects)
    if (o.sprite3d && o.released == 0) g.media.gfx.free_sprite3d(o.sprite3d);
  std::vector<PlacedObject>().swap(w.objects);
  std::vector<std::int32_t>().swap(w.free_objects);
}

}  // namespace orv
