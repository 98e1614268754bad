// Sprites: pictures loaded from files, grabbed from the back buffer or made in memory, each
// with the colour key that makes matching texels transparent.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "media/back_buffer.h"
#include "media/handle_table.h"
#include "media/picture_cache.h"
#include "media/render/render.h"
#include "media/types.h"

namespace orv::media {

// A sprite's pixels and key. 3D sprites share it, so a freed sprite never leaves them dangling
// and a key change reaches them too. The pixels are the window (x, y, width, height) of store:
// a whole picture of its own, or a back buffer the sprite was grabbed from.
struct Sprite {
  std::shared_ptr<Image> store;
  int x = 0, y = 0, width = 0, height = 0;
  Colour key = 0;
  // Built on first draw, dropped on key change; not needed when nothing is keyed. Sprites
  // loaded from one file with one key share it.
  std::shared_ptr<Image> keyed;
  std::string file;  // the file the picture came from, if any
  bool texture_ready = false;
  bool opaque = false;  // known to have no texel with alpha below 255
  // Grabbed from the back buffer, whose pixels are all opaque: only the key can make some
  // transparent. Whether it does is found out on the first draw.
  bool grabbed = false;
};

// The sprite's own pixels, before its key is applied.
TextureView picture_of(const Sprite& s);

// The sprite handle that stands for sprites made afterwards (set_key).
constexpr SpriteId kNewSprites{-1};

// The table of sprites. Memory of freed sprites goes back to the back buffer's spares, and
// grabs and textures take theirs from there.
class Sprites {
 public:
  explicit Sprites(BackBuffer& back) : back_(back) {}

  // 0 when the file cannot be read, is no picture, or its picture would take the decoded
  // pictures past their budget. Sprites loaded from one file share its decoded picture.
  SpriteId load(const std::string& file);
  // 0 for a malformed picture.
  SpriteId add(Image picture);
  // A rectangle of the back buffer; 0 for a size no picture may have.
  SpriteId grab(int x, int y, int width, int height);
  // kNewSprites sets the key of sprites loaded, added or grabbed afterwards.
  void set_key(SpriteId sprite, Colour colour);
  int width(SpriteId sprite) const;
  int height(SpriteId sprite) const;
  bool contains(SpriteId sprite) const { return table_.contains(sprite); }
  void free(SpriteId sprite);
  // Writes the sprite as a 24-bit BMP file; false when it cannot.
  bool save(SpriteId sprite, const std::string& file) const;

  // The sprite itself, for the 3D sprites that draw it; null for an unknown handle.
  std::shared_ptr<Sprite> get(SpriteId sprite) const;
  // What a draw of the sprite reads: its pixels with the key applied.
  TextureView texture_of(Sprite& sprite);
  // The decoded pictures loaded from files, for tests and tools.
  PictureCache& pictures() { return pictures_; }

 private:
  SpriteId add_sprite(Sprite sprite);
  SpriteId add_picture(Image picture);

  BackBuffer& back_;
  Colour default_key_ = rgb(0, 0, 0);
  HandleTable<std::shared_ptr<Sprite>, SpriteId> table_;
  PictureCache pictures_;
};

}  // namespace orv::media
