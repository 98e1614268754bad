// Graphics: sprites loaded from files, grabbed from the back buffer or made in memory.
#include <cstdint>
#include <cstdio>
#include <memory>

#include "media/decode/picture.h"
#include "media/files.h"
#include "media/graphics.h"

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

}  // namespace

// known_unkeyed: no texel has the key colour, so the picture is its own texture; opaque: no
// texel has alpha below 255 either.
Handle Graphics::add_sprite_data(Image picture, bool known_unkeyed, bool opaque) {
  if (!well_formed(picture)) return 0;
  auto sprite = std::make_shared<Sprite>();
  sprite->picture = std::move(picture);
  sprite->key = default_key_;
  sprite->texture_ready = known_unkeyed;
  sprite->opaque = opaque;
  return sprites_.add(std::move(sprite));
}

Handle Graphics::add_sprite(Image picture) {
  return add_sprite_data(std::move(picture));
}

Handle Graphics::load_sprite(const std::string& file, int /*mode*/) {
  std::optional<Bytes> bytes = read_whole_file(file, kMaxPictureFileBytes);
  if (!bytes) return 0;
  std::optional<Image> picture = decode_picture(*bytes);
  if (!picture) return 0;
  return add_sprite_data(std::move(*picture));
}

Handle Graphics::grab_sprite(int x, int y, int width, int height) {
  if (width <= 0 || height <= 0 || width > kMaxPictureSide || height > kMaxPictureSide ||
      std::int64_t(width) * height > kMaxPicturePixels) {
    return 0;
  }
  settle_clear();
  Image picture;
  picture.width = width;
  picture.height = height;
  picture.pixels = take_spare(std::size_t(width) * height);
  picture.pixels.resize(std::size_t(width) * height);
  // Grabbed pixels are opaque; only the key can make some of them transparent.
  const bool keyed = copy_rect_into(back_, x, y, picture, default_key_);
  return add_sprite_data(std::move(picture), !keyed, !keyed);
}

std::vector<Pixel> Graphics::take_spare(std::size_t pixels) {
  for (auto& spare : spare_pixels_) {
    if (spare.capacity() < pixels) continue;
    std::vector<Pixel> out = std::move(spare);
    std::swap(spare, spare_pixels_.back());
    spare_pixels_.pop_back();
    return out;
  }
  return {};
}

// Keeps at most two buffers, none larger than the screen.
void Graphics::keep_spare(std::vector<Pixel>&& pixels) {
  constexpr std::size_t kMaxSpares = 2;
  if (pixels.capacity() == 0 || pixels.capacity() > back_.pixels.size()) return;
  if (spare_pixels_.size() < kMaxSpares) {
    spare_pixels_.push_back(std::move(pixels));
    return;
  }
  for (auto& spare : spare_pixels_) {
    if (spare.capacity() < pixels.capacity()) {
      spare = std::move(pixels);
      return;
    }
  }
}

void Graphics::transparent_sprite_colour(Handle sprite, Colour colour) {
  if (sprite == -1) {
    default_key_ = colour;
    return;
  }
  std::shared_ptr<Sprite>* s = sprites_.get(sprite);
  if (s == nullptr || (*s)->key == colour) return;
  (*s)->key = colour;
  (*s)->keyed.reset();
  (*s)->texture_ready = false;
  (*s)->opaque = false;
}

int Graphics::sprite_width(Handle sprite) const {
  const std::shared_ptr<Sprite>* s = sprites_.get(sprite);
  return s == nullptr ? 0 : (*s)->picture.width;
}

int Graphics::sprite_height(Handle sprite) const {
  const std::shared_ptr<Sprite>* s = sprites_.get(sprite);
  return s == nullptr ? 0 : (*s)->picture.height;
}

bool Graphics::is_sprite(Handle sprite) const {
  return sprites_.contains(sprite);
}

void Graphics::free_sprite(Handle sprite) {
  std::shared_ptr<Sprite>* s = sprites_.get(sprite);
  if (s == nullptr) return;
  // Keep the memory for the next grab unless a 3D sprite still draws the sprite.
  if (s->use_count() == 1) {
    keep_spare(std::move((*s)->picture.pixels));
    if ((*s)->keyed) keep_spare(std::move((*s)->keyed->pixels));
  }
  sprites_.remove(sprite);
}

bool Graphics::save_sprite(Handle sprite, const std::string& file) {
  const std::shared_ptr<Sprite>* s = sprites_.get(sprite);
  if (s == nullptr || file.empty()) return false;
  return write_file(resolve_path(file), encode_bmp24((*s)->picture));
}

const Image& Graphics::texture_of(Sprite& s) {
  if (!s.texture_ready) {
    if (has_key_texels(s.picture, s.key)) {
      s.keyed = make_texture(s.picture, s.key, take_spare(s.picture.pixels.size()));
    }
    s.texture_ready = true;
  }
  return s.keyed ? *s.keyed : s.picture;
}

}  // namespace orv::media
