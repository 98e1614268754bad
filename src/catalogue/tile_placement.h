// Giving a cell its tile: definition, graphic and the objects standing on it.
#pragma once

#include "game/names.h"

namespace orv {

struct Game;
struct ObjectKind;
struct PlacedObject;

// Reloads cell (x, y) for the tile name it holds: load_tile_definition from the tile folder,
// then set_cell_graphic with the cell's graphic name, then place_cell_objects. The only way a
// tile changes; callers set the tile name first.
void retile_cell(Game& g, int x, int y);
// Gives the cell a 3D sprite of the first tile graphic of that name; an unknown name keeps the
// sprite the cell has.
void set_cell_graphic(Game& g, int x, int y, NameId graphic_name);
// Rolls every object kind named by the cell's child slots against its density and places the
// objects that win.
void place_cell_objects(Game& g, int x, int y);
// Sizes and anchors a newly placed object from its kind.
void anchor_object(Game& g, PlacedObject& object, const ObjectKind& kind);

}  // namespace orv
