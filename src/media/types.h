// Basic value types shared by every part of the media layer.
#pragma once

#include <compare>
#include <cstdint>
#include <string>
#include <vector>

namespace orv::media {

// A handle names one object of one kind: a sprite, a 3D sprite, a sound, an open file, a
// directory scan, a window or its screen. Each kind has its own type, so a handle of one kind
// cannot be passed where another is wanted; the number inside is the same the tables give out (and
// logs print). 0 means "none"; creating operations return 0 on failure.
template <class Kind>
struct Id {
  std::int32_t value = 0;

  constexpr Id() = default;
  constexpr explicit Id(std::int32_t v) : value(v) {}
  constexpr explicit operator bool() const { return value != 0; }
  friend constexpr bool operator==(Id, Id) = default;
  friend constexpr auto operator<=>(Id, Id) = default;
};

using SpriteId = Id<struct SpriteKind>;      // a 2D picture (Graphics::load_sprite ...)
using Sprite3dId = Id<struct Sprite3dKind>;  // a drawable made from a sprite (create_sprite3d)
using SoundId = Id<struct SoundKind>;
using FileId = Id<struct FileKind>;
using ScanId = Id<struct ScanKind>;  // a directory listing in progress
using WindowId = Id<struct WindowKind>;
using ScreenId = Id<struct ScreenKind>;  // the drawable screen inside a window

// A colour as the game stores it: r + g * 256 + b * 65536.
using Colour = std::int32_t;

constexpr Colour rgb(int r, int g, int b) {
  return (r & 255) | ((g & 255) << 8) | ((b & 255) << 16);
}
constexpr int red_of(Colour c) {
  return c & 255;
}
constexpr int green_of(Colour c) {
  return (c >> 8) & 255;
}
constexpr int blue_of(Colour c) {
  return (c >> 16) & 255;
}

// Pixels in memory are 0xAARRGGBB. The back buffer ignores the alpha byte.
using Pixel = std::uint32_t;

constexpr Pixel argb(int a, int r, int g, int b) {
  return (Pixel(a & 255) << 24) | (Pixel(r & 255) << 16) | (Pixel(g & 255) << 8) | Pixel(b & 255);
}
constexpr int alpha_of(Pixel p) {
  return int(p >> 24);
}
constexpr Pixel colour_to_pixel(Colour c) {
  return argb(255, red_of(c), green_of(c), blue_of(c));
}

// A decoded picture or a grabbed rectangle: width * height pixels, row by row, top row first.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<Pixel> pixels;

  Image() = default;
  Image(int w, int h, Pixel fill = 0) : width(w), height(h), pixels(std::size_t(w) * h, fill) {}
  Pixel& at(int x, int y) { return pixels[std::size_t(y) * width + x]; }
  Pixel at(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
  bool empty() const { return width <= 0 || height <= 0; }
};

// Text is 8-bit Latin-1; std::string holds it byte for byte.
using Bytes = std::vector<std::uint8_t>;

}  // namespace orv::media
