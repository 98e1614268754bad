// The folder scans that fill the asset lists at start-up, and the emptying of the catalogues.
#pragma once

namespace orv {

struct Game;

// The folder inside TOPOGFX with the colour assist pictures: a picture there replaces the tile
// picture of the same file name while COLOUR ASSIST is on.
constexpr const char* kColourAssistFolder = "ASSIST\\";

// Every picture "*" + GFXCODEC of the TOPOGFX folder, appended to the tile graphics list (each
// from the colour assist folder when the setting is on and it has one).
void scan_tile_graphics(Game& g);
// Loads every tile picture again, after COLOUR ASSIST changed; the level is built again.
void reload_tile_pictures(Game& g);
// Every "*.ogg" of the SOUNDFXPATH folder, loaded, into the emptied sound list.
void scan_sounds(Game& g);
// Every "*.ogg" of the INGAMEMUSIC folder into the emptied music list; nothing is loaded.
void scan_music(Game& g);
// EGFXMAX + 1 copies of every "*.png" of the EGFXPATH folder, at random places and speeds.
void scan_effect_sprites(Game& g);
// SCREGFXMAX + 1 copies of every "*.png" of the SCREGFXPATH folder.
void scan_screen_sprites(Game& g);
// Empties the sound list, the edge list, the world object list and the object kind list.
void clear_catalogues(Game& g);

}  // namespace orv
