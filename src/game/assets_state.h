// The asset lists filled by the folder scans: tile graphics, sounds, music and the drift sprites.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "game/names.h"
#include "media/types.h"

namespace orv {

// A decorative picture that wanders over the screen (see effects/drift_sprites.h).
struct DriftSprite {
  float x = 0.0f;  // top-left corner, screen pixels
  float y = 0.0f;
  media::Sprite3dId sprite3d;  // 0 draws nothing
  float velocity_x = 0.0f;     // pixels per frame
  float velocity_y = 0.0f;
};

using DriftSpriteList = std::vector<DriftSprite>;

// A picture of the TOPOGFX folder, found by its file name (a tile definition's GFXNAME).
struct TileGraphic {
  media::SpriteId sprite;  // 0 when the picture did not load
  std::string file = {};   // the picture's file name in the folder
  // The 3D sprites the cells showing the graphic draw, each made when a cell first needs it;
  // each cell keeps its own angle. Cells zoomed to the tile size share `sprite3d`; cells that
  // keep the picture's own size (alpha 0 or less) share `natural_sprite3d`, never zoomed.
  media::Sprite3dId sprite3d{};
  media::Sprite3dId natural_sprite3d{};
};

// A sound effect or a music track. Sound effects are loaded by the scan, music tracks only
// while they play.
struct SoundEntry {
  std::string path;
  std::string name;  // file name with extension, the lookup key
  media::SoundId sound{};
  bool loaded = false;  // true when the sound loaded
};

struct AssetsState {
  std::vector<TileGraphic> tile_graphics;
  // The first tile graphic of each name, by the name's id in the world's name table.
  std::unordered_map<NameId, std::size_t> tile_graphic_index;
  std::vector<SoundEntry> sounds;
  std::vector<SoundEntry> music;
  DriftSpriteList effect_sprites;  // EGFXPATH, shown during play
  DriftSpriteList screen_sprites;  // SCREGFXPATH, shown by the title and highscore screens
};

}  // namespace orv
