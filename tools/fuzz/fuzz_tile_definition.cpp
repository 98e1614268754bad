// A tile definition file read into a cell, with its objects placed from one object kind ("K",
// always placed) so that the child slots reach the object list.
#include <cstddef>
#include <cstdint>

#include "catalogue/object_kinds.h"
#include "catalogue/object_list.h"
#include "catalogue/tile_placement.h"
#include "fuzz_game.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orv::Game& g = orv::fuzz::fresh_game();
  g.config.picture_extension = ".png";
  g.config.tile_definitions_path = "tiles\\";
  g.config.level_set_name = "LAB";
  if (g.catalogue.kinds.empty()) {
    g.media.files.put_memory_file("objects/k.dll", "DGFXNAME\nK\nDDENSITY\n0\nDISGOODY\n1\n");
    orv::load_object_kind(g, "objects/k.png");
  }
  orv::clear_placed_objects(g);
  g.world.grid.recreate(3, 3);
  g.media.files.put_memory_file("tiles\\LAB\\T", std::string(orv::fuzz::text_of(data, size)));
  g.world.grid.set_tile_name(1, 1, g.world.names.intern("T"));
  orv::retile_cell(g, 1, 1);
  const orv::Cell& c = g.world.grid.at(1, 1);
  orv::fuzz::check(c.last_placed_slot >= -1 && c.last_placed_slot < orv::kChildSlots);
  for (std::int32_t index : c.child_objects)
    orv::fuzz::check(index == -1 || (index >= 0 && std::size_t(index) < g.world.objects.size()));
  return 0;
}
