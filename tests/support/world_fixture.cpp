#include "support/world_fixture.h"

#include "catalogue/tile_placement.h"

namespace orv::test {

std::string lines(std::initializer_list<std::string> l) {
  std::string text;
  for (const std::string& s : l) text += s + "\n";
  return text;
}

WorldTest::WorldTest() {
  g.config.tile_width = g.config.tile_height = 32.0f;
  g.config.tile_definitions_path = t.dir.path() + "RGB\\";
  g.config.level_set_name = "SET";
  g.world.grid.recreate(kLevelGridSize, kLevelGridSize);
}

void WorldTest::tile_file(const std::string& tile_name, std::initializer_list<std::string> l) {
  t.dir.write("RGB/SET/" + tile_name, lines(l));
}

void WorldTest::add_tile_graphic(const std::string& name, int w, int h) {
  const TileGraphic tg{g.media.gfx.add_sprite(media::Image(w, h, media::argb(255, 10, 20, 30)))};
  g.assets.tile_graphic_index.emplace(g.world.names.intern(name), g.assets.tile_graphics.size());
  g.assets.tile_graphics.push_back(tg);
}

ObjectKind& WorldTest::add_kind(const std::string& placement_name, int density, int w, int h) {
  ObjectKind& k = g.catalogue.kinds.emplace_back();
  k.placement_text = placement_name;
  k.placement_name = g.world.names.intern(placement_name);
  k.density = density;
  if (w > 0) k.sprite = g.media.gfx.add_sprite(media::Image(w, h, media::argb(255, 1, 2, 3)));
  return k;
}

void WorldTest::retile(int x, int y, const std::string& tile_name) {
  g.world.grid.set_tile_name(x, y, g.world.names.intern(tile_name));
  retile_cell(g, x, y);
}

}  // namespace orv::test
