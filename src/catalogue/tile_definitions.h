// Tile definition files: what a tile looks like, whether it blocks, whether enemies may appear
// on it, and which object kinds may stand on it. One file per tile name in the tile folder
// RGBCODEPATH + APPSTART + "\".
#pragma once

#include <string>
#include <vector>

#include "game/names.h"

namespace orv {

struct Game;
struct CatalogueState;
struct Cell;
struct TileDefinition;

// Every key of a tile definition file the game knows, used or not.
std::vector<std::string> tile_definition_keys();
// Reads a tile definition file; a file that does not open gives a definition that is not found.
TileDefinition read_tile_definition(Game& g, const std::string& file);
// Writes what the definition sets into the cell. A definition that was not found changes
// nothing; keys it does not give keep the cell's values.
void apply_tile_definition(const TileDefinition& definition, Cell& cell);
// Reads the file into cell (x, y), from the cache while a level is being built.
void load_tile_definition(Game& g, int x, int y, const std::string& file);
// While a level is being built: when the file read last is the definition of tile (as
// remember_last_tile noted), applies it to cell (x, y) and returns true; otherwise false.
bool load_last_tile_definition(Game& g, int x, int y, NameId tile);
// Notes that the file read last by load_tile_definition is the definition of tile.
void remember_last_tile(CatalogueState& catalogue, NameId tile);

// Empties the cache of a level build and switches it off, as the end of the build does; for a
// build that a caught fault abandoned.
void drop_tile_definition_cache(CatalogueState& catalogue);

// Keeps every tile definition file read while it lives; level builders hold one, so that a
// build reads each file once. The files must not change while a build runs.
class TileDefinitionCacheScope {
 public:
  explicit TileDefinitionCacheScope(Game& g);
  ~TileDefinitionCacheScope();
  TileDefinitionCacheScope(const TileDefinitionCacheScope&) = delete;
  TileDefinitionCacheScope& operator=(const TileDefinitionCacheScope&) = delete;

 private:
  Game& g_;
};

}  // namespace orv
