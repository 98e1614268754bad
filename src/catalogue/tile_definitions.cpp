#include "catalogue/tile_definitions.h"

#include <array>
#include <iterator>

#include "catalogue/definition_file.h"
#include "catalogue/object_list.h"
#include "game/game.h"
#include "media/numbers.h"

namespace orv {
namespace {

using media::val;

constexpr const char* kChildKeys[kChildSlots] = {"CHILD1", "CHILD2", "CHILD3", "CHILD4",
                                                 "CHILD5", "CHILD6", "CHILD7", "CHILD8"};

bool apply_child_key(WorldState& world, TileDefinition& d, const std::string& key,
                     const std::string& v) {
  for (int n = 0; n < kChildSlots; ++n) {
    if (key != kChildKeys[n]) continue;
    d.children |= std::uint8_t(1u << n);
    d.child_names[n] = world.names.intern(v);
    if (v != "#") d.last_named_slot = std::int8_t(n);
    return true;
  }
  return false;
}

void apply_number_key(TileDefinition& d, const std::string& key, const std::string& v) {
  using F = TileDefinition;
  if (key == "VALUE1") {
    d.value = val(v), d.fields |= F::kValue;
  } else if (key == "ROTATE") {
    d.rotation_step = val(v), d.fields |= F::kRotate;
  } else if (key == "USECOLLISION") {
    d.collision = low_byte(val(v)), d.fields |= F::kCollision;
  } else if (key == "TRANSPARENCY") {
    d.transparency = val(v), d.fields |= F::kTransparency;
  } else if (key == "USEENEMY") {
    d.enemy_spawn = low_byte(val(v)), d.fields |= F::kEnemySpawn;
  } else if (key == "DX1") {
    d.blend_source = val(v), d.fields |= F::kBlendSource;
  } else if (key == "DX2") {
    d.blend_destination = val(v), d.fields |= F::kBlendDestination;
  }
}

void apply_tile_key(Game& g, TileDefinition& d, const std::string& key, const std::string& v) {
  if (key == "GFXNAME") {
    d.graphic_name = v.empty() ? name::kDummy : g.world.names.intern(v);
    d.fields |= TileDefinition::kGraphic;
  } else if (!apply_child_key(g.world, d, key, v)) {
    // INTERNALNAME, RANDOMSEED, USEDIRECTION and unknown keys fall through here unused.
    apply_number_key(d, key, v);
  }
}

// 255 - transparency with the 32-bit wrap-around of the game's integers.
std::int32_t alpha_of_transparency(std::int32_t transparency) {
  return std::int32_t(std::uint32_t(255) - std::uint32_t(transparency));
}

// The keys read as numbers, and the keys the game knows but does not use.
constexpr const char* kNumberKeys[] = {"VALUE1",   "ROTATE", "USECOLLISION", "TRANSPARENCY",
                                       "USEENEMY", "DX1",    "DX2"};
constexpr const char* kUnusedKeys[] = {"INTERNALNAME", "RANDOMSEED", "USEDIRECTION"};

}  // namespace

std::vector<std::string> tile_definition_keys() {
  std::vector<std::string> keys{"GFXNAME"};
  keys.insert(keys.end(), std::begin(kNumberKeys), std::end(kNumberKeys));
  keys.insert(keys.end(), std::begin(kChildKeys), std::end(kChildKeys));
  keys.insert(keys.end(), std::begin(kUnusedKeys), std::end(kUnusedKeys));
  return keys;
}

TileDefinition read_tile_definition(Game& g, const std::string& file) {
  TileDefinition d;
  media::Files& files = g.media.files;
  const media::FileId f = files.read_file(file);
  if (!f) return d;
  d.found = true;
  read_line_pairs(g, f, [&g, &d](const std::string& key, const std::string& value) {
    apply_tile_key(g, d, key, value);
  });
  files.close_file(f);
  return d;
}

void apply_tile_definition(const TileDefinition& d, Cell& c) {
  if (!d.found) return;
  using F = TileDefinition;
  c.last_named_slot = d.last_named_slot;
  for (int n = 0; n < kChildSlots; ++n) {
    if ((d.children & (1u << n)) == 0) continue;
    c.child_names[n] = d.child_names[n];
    c.child_objects[n] = -1;
  }
  if (d.fields & F::kGraphic) c.graphic_name = d.graphic_name;
  if (d.fields & F::kValue) c.value = d.value;
  if (d.fields & F::kRotate) c.rotation_step = d.rotation_step;
  if (d.fields & F::kCollision) c.collision = d.collision;
  if (d.fields & F::kTransparency) c.alpha = alpha_of_transparency(d.transparency);
  if (d.fields & F::kEnemySpawn) c.enemy_spawn = d.enemy_spawn;
  if (d.fields & F::kBlendSource) c.blend_source = d.blend_source;
  if (d.fields & F::kBlendDestination) c.blend_destination = d.blend_destination;
  if (c.graphic_name == name::kEmpty) c.graphic_name = name::kDummy;
}

namespace {

// Applies the definition and releases the objects of the slots it emptied.
void apply_to_cell(Game& g, const TileDefinition& d, Cell& c) {
  const std::array<std::int32_t, kChildSlots> held = c.child_objects;
  apply_tile_definition(d, c);
  for (int n = 0; n < kChildSlots; ++n)
    if (held[n] != c.child_objects[n]) release_placed_object(g, held[n]);
}

}  // namespace

void load_tile_definition(Game& g, int x, int y, const std::string& file) {
  Cell* cell = g.world.grid.find(x, y);
  if (cell == nullptr) return;
  TileDefinitionCache& cache = g.catalogue.tile_cache;
  if (!cache.active) {
    apply_to_cell(g, read_tile_definition(g, file), *cell);
    return;
  }
  if (cache.last == nullptr || cache.last_file != file) {
    auto it = cache.files.find(std::string_view(file));
    if (it == cache.files.end())
      it = cache.files.emplace(file, read_tile_definition(g, file)).first;
    cache.last_file = file;
    cache.last = &it->second;
    cache.last_tile = name::kEmpty;
  }
  apply_to_cell(g, *cache.last, *cell);
}

bool load_last_tile_definition(Game& g, int x, int y, NameId tile) {
  TileDefinitionCache& cache = g.catalogue.tile_cache;
  if (!cache.active || cache.last == nullptr || tile == name::kEmpty || tile != cache.last_tile)
    return false;
  Cell* cell = g.world.grid.find(x, y);
  if (cell != nullptr) apply_to_cell(g, *cache.last, *cell);
  return true;
}

void remember_last_tile(CatalogueState& catalogue, NameId tile) {
  TileDefinitionCache& cache = catalogue.tile_cache;
  if (cache.active && cache.last != nullptr) cache.last_tile = tile;
}

namespace {

void empty_cache(TileDefinitionCache& cache, bool active) {
  cache.files.clear();
  cache.last_file.clear();
  cache.last = nullptr;
  cache.last_tile = name::kEmpty;
  cache.active = active;
}

}  // namespace

TileDefinitionCacheScope::TileDefinitionCacheScope(Game& g) : g_(g) {
  empty_cache(g_.catalogue.tile_cache, true);
}

void drop_tile_definition_cache(CatalogueState& catalogue) {
  empty_cache(catalogue.tile_cache, false);
}

TileDefinitionCacheScope::~TileDefinitionCacheScope() {
  drop_tile_definition_cache(g_.catalogue);
}

}  // namespace orv
