// The placed objects: drawing them on the visible cells, and what happens when the player
// stands on them.
#include "world/placed_objects.h"

#include <cstddef>
#include <utility>

#include "catalogue/object_list.h"
#include "game/game.h"
#include "media/numbers.h"
#include "sound/named_sounds.h"
#include "world/view_walk.h"

namespace orv {

namespace {

// The placed object of a child slot, or nullptr for an empty slot or a stale position.
PlacedObject* object_in_slot(WorldState& world, const Cell& c, int slot) {
  const std::int32_t index = c.child_objects[std::size_t(slot)];
  if (index < 0 || std::size_t(index) >= world.objects.size()) return nullptr;
  PlacedObject& o = world.objects[std::size_t(index)];
  return o.released == 0 ? &o : nullptr;
}

int last_slot(const Cell& c) {
  return c.last_placed_slot < kChildSlots ? c.last_placed_slot : kChildSlots - 1;
}

void draw_object(Game& g, const PlacedObject& o, int i, int j) {
  media::Graphics& gfx = g.media.gfx;
  if (o.blend_source > 0 || o.blend_destination > 0) {
    gfx.sprite3d_blending(o.blend_source, o.blend_destination);
  } else {
    gfx.sprite3d_blending(media::blend::kSourceAlpha, media::blend::kInverseSourceAlpha);
  }
  gfx.rotate_sprite3d(o.sprite3d, float(o.rotation_step), media::kRotateRelative);
  gfx.display_sprite3d(o.sprite3d, float(media::round_even(i * g.config.tile_width + o.hotspot_x)),
                       float(media::round_even(j * g.config.tile_height + o.hotspot_y)), o.alpha);
}

void object_cell(Game& g, int i, int j, int x, int y) {
  Cell* c = g.world.grid.find(x, y);
  if (c == nullptr) return;
  c->contact = 0;
  if (g.world.objects.empty() || !c->sprite3d || c->live != 1) return;
  for (int k = 0; k <= last_slot(*c); ++k) {
    const PlacedObject* o = object_in_slot(g.world, *c, k);
    if (o == nullptr) continue;
    if (o->sprite3d && o->shown == 1 && o->player_marker == 0) draw_object(g, *o, i, j);
    if (o->contact != 0) c->contact = 1;
  }
}

}  // namespace

void object_pass(Game& g) {
  WorldState& w = g.world;
  if (w.view_origin_x < 0) w.view_origin_x = 0;
  if (w.view_origin_y < 0) w.view_origin_y = 0;
  walk_view(w, [&](int i, int j, int x, int y) { object_cell(g, i, j, x, y); });
}

void touch_cell_objects(Game& g, int x, int y) {
  const Cell* c = g.world.grid.find(x, y);
  if (c == nullptr || c->contact == 0) return;
  for (int k = 0; k <= last_slot(*c); ++k) {
    const PlacedObject* o = object_in_slot(g.world, *c, k);
    if (o != nullptr && o->contact != 0) collect_object(g, x, y, k);
  }
}

void collect_object(Game& g, int x, int y, int slot) {
  const Cell& c = g.world.grid.at(x, y);
  const PlacedObject* found = object_in_slot(g.world, c, slot);
  if (found == nullptr) return;
  const PlacedObject o = *found;
  if (!g.assets.sounds.empty() && o.play_touch_sound != 0) {
    play_named_sound(g, g.world.names.text(o.touch_sound), false);
  }
  if (o.consumed_on_contact != 0) {
    take_from_cell(g, x, y, slot);
    std::int32_t& counter = o.count_up == 0 ? g.world.score : g.world.score_target;
    counter = media::saturating_add(counter, o.points);
  }
  g.world.time = media::saturating_add(g.world.time, o.extra_time);
}

void take_from_cell(Game& g, int x, int y, int slot) {
  Cell* c = g.world.grid.find(x, y);
  if (c == nullptr) return;
  if (c->child_names[std::size_t(slot)] == name::kBomb) {
    // A full stock leaves the bomb lying on its cell.
    if (g.world.bombs >= 3) return;
    ++g.world.bombs;
  }
  release_placed_object(g, std::exchange(c->child_objects[std::size_t(slot)], -1));
}

}  // namespace orv
