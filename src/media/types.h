// Basic value types shared by every part of the media layer.
#pragma once

#include <algorithm>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
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

// The pixels of an Image: memory of its own, or memory it borrows from whoever owns it (the
// window's, for a back buffer drawn straight where the display reads). Reading and writing are
// the same either way; a copy always owns its memory, and a change of size moves a borrowing
// store to memory of its own.
class PixelStore {
 public:
  using value_type = Pixel;
  using iterator = Pixel*;
  using const_iterator = const Pixel*;

  PixelStore() = default;
  PixelStore(std::size_t count, Pixel fill) : own_(count, fill) { point_at_own(); }
  PixelStore(std::vector<Pixel>&& own) : own_(std::move(own)) { point_at_own(); }
  PixelStore(std::initializer_list<Pixel> pixels) : own_(pixels) { point_at_own(); }
  PixelStore(const PixelStore& other) : own_(other.begin(), other.end()) { point_at_own(); }
  PixelStore(PixelStore&& other) noexcept { *this = std::move(other); }
  PixelStore& operator=(const PixelStore& other) {
    if (this != &other) assign(other.begin(), other.end());
    return *this;
  }
  PixelStore& operator=(PixelStore&& other) noexcept {
    own_ = std::move(other.own_);
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
    other.own_.clear();
    return *this;
  }
  // Memory of someone else's, valid for as long as they say.
  static PixelStore borrow(Pixel* memory, std::size_t count) {
    PixelStore store;
    store.data_ = memory;
    store.size_ = memory ? count : 0;
    return store;
  }
  bool borrowed() const { return data_ != nullptr && data_ != own_.data(); }

  Pixel* data() { return data_; }
  const Pixel* data() const { return data_; }
  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  Pixel& operator[](std::size_t i) { return data_[i]; }
  const Pixel& operator[](std::size_t i) const { return data_[i]; }
  Pixel* begin() { return data_; }
  Pixel* end() { return data_ + size_; }
  const Pixel* begin() const { return data_; }
  const Pixel* end() const { return data_ + size_; }

  template <class It>
  void assign(It first, It last) {
    own_.assign(first, last);
    point_at_own();
  }
  void assign(std::initializer_list<Pixel> pixels) { assign(pixels.begin(), pixels.end()); }
  void assign(std::size_t count, Pixel fill) {
    own_.assign(count, fill);
    point_at_own();
  }
  void resize(std::size_t count) {
    if (borrowed()) own_.assign(begin(), begin() + std::min(count, size_));
    own_.resize(count);
    point_at_own();
  }
  operator std::vector<Pixel>() const { return {begin(), end()}; }
  // The memory of its own, for reuse; the store is left empty.
  std::vector<Pixel> release() {
    std::vector<Pixel> out = borrowed() ? std::vector<Pixel>{} : std::move(own_);
    *this = PixelStore();
    return out;
  }
  // Exchanges the pixels with those of a vector (a borrowing store first takes a copy of its
  // own, so the vector never holds borrowed memory).
  void swap(std::vector<Pixel>& other) {
    if (borrowed()) own_.assign(begin(), end());
    own_.swap(other);
    point_at_own();
  }

  friend bool operator==(const PixelStore& a, const PixelStore& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
  }
  friend bool operator==(const PixelStore& a, const std::vector<Pixel>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
  }

 private:
  void point_at_own() {
    data_ = own_.data();
    size_ = own_.size();
  }

  std::vector<Pixel> own_;
  Pixel* data_ = nullptr;
  std::size_t size_ = 0;
};

// A decoded picture or a grabbed rectangle: width * height pixels, row by row, top row first.
struct Image {
  int width = 0;
  int height = 0;
  PixelStore pixels;

  Image() = default;
  Image(int w, int h, Pixel fill = 0) : width(w), height(h), pixels(std::size_t(w) * h, fill) {}
  Pixel& at(int x, int y) { return pixels[std::size_t(y) * width + x]; }
  Pixel at(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
  bool empty() const { return width <= 0 || height <= 0; }
};

// Text is 8-bit Latin-1; std::string holds it byte for byte.
using Bytes = std::vector<std::uint8_t>;

}  // namespace orv::media
