#include "catalogue/tile_placement.h"

#include <cstddef>

#include "catalogue/anchor.h"
#include "catalogue/cell_zoom.h"
#include "catalogue/object_list.h"
#include "catalogue/tile_definitions.h"
#include "game/game.h"
#include "media/files/paths.h"
#include "media/numbers.h"

namespace orv {
namespace {

using media::round_even;

PlacedObject make_placed_object(Game& g, const ObjectKind& k) {
  const KindSprite made = make_kind_sprite(g, k);
  PlacedObject o;
  o.sprite3d = made.sprite3d;
  o.width = made.width;
  o.height = made.height;
  o.shown = k.shown;
  o.alpha = k.alpha;
  o.contact = k.contact;
  o.blend_source = k.blend_source;
  o.blend_destination = k.blend_destination;
  o.consumed_on_contact = k.consumed_on_contact;
  o.points = k.points;
  o.count_up = k.count_up;
  o.touch_sound = k.touch_sound;
  o.play_touch_sound = k.play_touch_sound;
  o.player_marker = k.player_marker;
  o.goody = k.goody;
  o.extra_time = k.extra_time;
  o.rotation_step = k.rotation_step;
  return o;
}

void place_in_slot(Game& g, int x, int y, int slot) {
  const std::vector<ObjectKind>& kinds = g.catalogue.kinds;
  for (const ObjectKind& k : kinds) {
    const NameId slot_name = g.world.grid.at(x, y).child_names[slot];
    if (k.placement_name == name::kNope || k.placement_name != slot_name) continue;
    if (g.media.sys.random(k.density) != 0) continue;
    const PlacedObject made = make_placed_object(g, k);
    Cell& c = g.world.grid.at(x, y);
    // A second kind of the same name takes the slot (and its position) over from the first.
    release_placed_object(g, c.child_objects[slot]);
    const std::int32_t position = add_placed_object(g.world, made);
    c.child_objects[slot] = position;
    c.last_placed_slot = std::int8_t(slot);
    PlacedObject& placed = g.world.objects[std::size_t(position)];
    if (placed.goody == 1) g.world.remaining = media::saturating_add(g.world.remaining, 1);
    anchor_object(g, placed, k);
  }
}

}  // namespace

void retile_cell(Game& g, int x, int y) {
  Cell* c = g.world.grid.find(x, y);
  if (c == nullptr) return;
  // A tile name that would reach outside the tile folder is an unknown tile: no definition.
  const NameId tile_name = g.world.grid.tile_name(x, y);
  const std::string& tile = g.world.names.text(tile_name);
  if (!load_last_tile_definition(g, x, y, tile_name) && media::is_plain_name(tile)) {
    std::string& path = g.catalogue.path_scratch;
    path.assign(g.config.tile_definitions_path)
        .append(g.config.level_set_name)
        .append("\\")
        .append(tile);
    load_tile_definition(g, x, y, path);
    remember_last_tile(g.catalogue, tile_name);
  }
  set_cell_graphic(g, x, y, c->graphic_name);
  place_cell_objects(g, x, y);
}

void set_cell_graphic(Game& g, int x, int y, NameId graphic_name) {
  Cell* c = g.world.grid.find(x, y);
  if (c == nullptr) return;
  AssetsState& assets = g.assets;
  auto it = assets.tile_graphic_index.find(graphic_name);
  if (it == assets.tile_graphic_index.end()) return;
  // Cells share the graphic's 3D sprite at its own size until they are zoomed: what a cell
  // draws differs only in its angle, which starts afresh with each new graphic.
  c->sprite3d = natural_tile_sprite(g, assets.tile_graphics[it->second]);
  c->angle = 0;
  rezoom_cell(g, x, y);
}

void place_cell_objects(Game& g, int x, int y) {
  Cell* c = g.world.grid.find(x, y);
  if (c == nullptr) return;
  c->contact = 0;
  c->last_placed_slot = -1;
  const int last = c->last_named_slot;
  for (int slot = 0; slot <= last && slot < kChildSlots; ++slot) place_in_slot(g, x, y, slot);
}

void anchor_object(Game& g, PlacedObject& o, const ObjectKind& k) {
  if (!o.sprite3d) return;
  if (k.fit_to_tile == 1) {
    o.width = g.config.tile_width;
    o.height = g.config.tile_height;
    g.media.gfx.zoom_sprite3d(o.sprite3d, float(round_even(o.width)), float(round_even(o.height)));
  }
  anchor_offset(g.config, k, o.width, o.height, o.hotspot_x, o.hotspot_y);
}

}  // namespace orv
