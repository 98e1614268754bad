// Sprites loaded from files, grabbed from the back buffer or made in memory.
#include "media/sprites.h"

#include <cstdint>
#include <cstdio>
#include <memory>

#include "media/decode/picture.h"
#include "media/files/paths.h"
#include "media/render/bmp.h"
#include "media/render/rect.h"
#include "media/render/texture.h"

namespace orv::media {
namespace {

// Largest picture file worth reading: an uncompressed picture of the largest accepted size.
constexpr std::size_t kMaxPictureFileBytes = std::size_t(kMaxPicturePixels) * 4 + (1u << 20);

bool well_formed(const Image& image) {
  return image.width > 0 && image.height > 0 && image.width <= kMaxPictureSide &&
         image.height <= kMaxPictureSide &&
         image.pixels.size() == std::size_t(image.width) * std::size_t(image.height);
}

bool write_file(const std::string& path, const Bytes& bytes) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(path.c_str(), "wb"), std::fclose);
  if (!f) return false;
  if (std::fwrite(bytes.data(), 1, bytes.size(), f.get()) != bytes.size()) return false;
  return std::fclose(f.release()) == 0;
}

Image copy_of(const Sprite& s) {
  return copy_rect(*s.store, s.x, s.y, s.width, s.height);
}

}  // namespace

TextureView picture_of(const Sprite& s) {
  return view_of(*s.store, s.x, s.y, s.width, s.height);
}

SpriteId Sprites::add_sprite(Sprite sprite) {
  sprite.key = default_key_;
  return table_.add(std::make_shared<Sprite>(std::move(sprite)));
}

SpriteId Sprites::add_picture(Image picture) {
  if (!well_formed(picture)) return {};
  Sprite sprite;
  sprite.width = picture.width;
  sprite.height = picture.height;
  sprite.store = std::make_shared<Image>(std::move(picture));
  return add_sprite(std::move(sprite));
}

SpriteId Sprites::add(Image picture) {
  return add_picture(std::move(picture));
}

SpriteId Sprites::load(const std::string& file) {
  if (pictures_.refused(file)) return {};
  std::shared_ptr<Image> store = pictures_.find(file);
  if (!store) {
    std::optional<Bytes> bytes = read_whole_file(file, kMaxPictureFileBytes);
    if (!bytes) return {};
    std::optional<Image> picture = decode_picture(*bytes);
    if (!picture || !well_formed(*picture)) return {};
    store = std::make_shared<Image>(std::move(*picture));
    if (!pictures_.admit(file, store)) return {};
  }
  Sprite sprite;
  sprite.width = store->width;
  sprite.height = store->height;
  sprite.store = std::move(store);
  sprite.file = file;
  return add_sprite(std::move(sprite));
}

// A grab inside the screen keeps the back buffer's own pixels (the back buffer moves to
// fresh memory before it next changes) and is looked at for its key on its first draw; one
// reaching outside is copied. Grabbed pixels are opaque, so only the key can make some of
// them transparent.
SpriteId Sprites::grab(int x, int y, int width, int height) {
  if (width <= 0 || height <= 0 || width > kMaxPictureSide || height > kMaxPictureSide ||
      std::int64_t(width) * height > kMaxPicturePixels) {
    return {};
  }
  Sprite sprite;
  sprite.store = back_.share();
  sprite.x = x;
  sprite.y = y;
  sprite.width = width;
  sprite.height = height;
  if (view_of(*sprite.store, x, y, width, height).pixels != nullptr) {
    sprite.grabbed = true;
    return add_sprite(std::move(sprite));
  }
  auto copy = std::make_shared<Image>();
  copy->width = width;
  copy->height = height;
  copy->pixels = back_.take_spare(std::size_t(width) * height);
  copy->pixels.resize(std::size_t(width) * height);
  sprite.opaque = !copy_rect_into(*sprite.store, x, y, *copy, default_key_);
  sprite.store = std::move(copy);
  sprite.x = sprite.y = 0;
  if (!sprite.opaque) {
    sprite.keyed = std::make_shared<Image>(
        make_texture(*sprite.store, default_key_, back_.take_spare(sprite.store->pixels.size())));
  }
  sprite.texture_ready = true;
  return add_sprite(std::move(sprite));
}

void Sprites::set_key(SpriteId sprite, Colour colour) {
  if (sprite == kNewSprites) {
    default_key_ = colour;
    return;
  }
  std::shared_ptr<Sprite>* s = table_.get(sprite);
  if (s == nullptr || (*s)->key == colour) return;
  (*s)->key = colour;
  (*s)->keyed.reset();
  (*s)->texture_ready = false;
  (*s)->opaque = false;
}

int Sprites::width(SpriteId sprite) const {
  const std::shared_ptr<Sprite>* s = table_.get(sprite);
  return s == nullptr ? 0 : (*s)->width;
}

int Sprites::height(SpriteId sprite) const {
  const std::shared_ptr<Sprite>* s = table_.get(sprite);
  return s == nullptr ? 0 : (*s)->height;
}

void Sprites::free(SpriteId sprite) {
  std::shared_ptr<Sprite>* s = table_.get(sprite);
  if (s == nullptr) return;
  // The memory goes back to the pool unless a 3D sprite still draws the sprite.
  if (s->use_count() == 1) {
    back_.recycle(std::move((*s)->keyed));
    back_.recycle(std::move((*s)->store));
  }
  table_.remove(sprite);
}

bool Sprites::save(SpriteId sprite, const std::string& file) const {
  const std::shared_ptr<Sprite>* s = table_.get(sprite);
  if (s == nullptr || file.empty()) return false;
  return write_file(resolve_path(file), encode_bmp24(copy_of(**s)));
}

std::shared_ptr<Sprite> Sprites::get(SpriteId sprite) const {
  const std::shared_ptr<Sprite>* s = table_.get(sprite);
  return s == nullptr ? nullptr : *s;
}

TextureView Sprites::texture_of(Sprite& s) {
  if (!s.texture_ready) {
    s.keyed = s.file.empty() ? nullptr : pictures_.find_keyed(s.file, s.key);
    if (!s.keyed && has_key_texels(picture_of(s), s.key)) {
      std::vector<Pixel> memory = back_.take_spare(std::size_t(s.width) * s.height);
      const bool whole =
          s.x == 0 && s.y == 0 && s.width == s.store->width && s.height == s.store->height;
      s.keyed = std::make_shared<Image>(whole ? make_texture(*s.store, s.key, std::move(memory))
                                              : make_texture(copy_of(s), s.key, std::move(memory)));
      if (!s.file.empty()) pictures_.keep_keyed(s.file, s.key, s.keyed);
    }
    s.texture_ready = true;
    // Known-opaque pictures let a draw over the whole screen skip clearing it first.
    if (s.grabbed)
      s.opaque = !s.keyed;
    else if (!s.opaque)
      s.opaque = all_texels_opaque(s.keyed ? view_of(*s.keyed) : picture_of(s));
  }
  return s.keyed ? view_of(*s.keyed) : picture_of(s);
}

}  // namespace orv::media
