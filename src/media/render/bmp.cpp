// 24-bit BMP encoding: BITMAPFILEHEADER, BITMAPINFOHEADER, then bottom-up BGR rows.
#include "media/render/bmp.h"

#include <cstdint>

#include "media/render/render.h"

namespace orv::media {
namespace {

constexpr std::uint32_t kHeaderBytes = 14 + 40;
constexpr std::int32_t kPixelsPerMetre = 2835;  // 72 dots per inch

void put16(Bytes& out, std::uint32_t v) {
  out.push_back(std::uint8_t(v));
  out.push_back(std::uint8_t(v >> 8));
}

void put32(Bytes& out, std::uint32_t v) {
  put16(out, v & 0xFFFFu);
  put16(out, v >> 16);
}

void put_headers(Bytes& out, int width, int height, std::uint32_t image_bytes) {
  out.push_back('B');
  out.push_back('M');
  put32(out, kHeaderBytes + image_bytes);
  put32(out, 0);  // reserved
  put32(out, kHeaderBytes);
  put32(out, 40);
  put32(out, std::uint32_t(width));
  put32(out, std::uint32_t(height));  // positive: bottom-up
  put16(out, 1);                      // planes
  put16(out, 24);                     // bits per pixel
  put32(out, 0);                      // no compression
  put32(out, image_bytes);
  put32(out, kPixelsPerMetre);
  put32(out, kPixelsPerMetre);
  put32(out, 0);  // colours used
  put32(out, 0);  // important colours
}

}  // namespace

Bytes encode_bmp24(const Image& image) {
  // Anything the 32-bit size fields cannot describe is written as an empty picture.
  const bool ok = image.width > 0 && image.height > 0 &&
                  image.pixels.size() == std::size_t(image.width) * std::size_t(image.height) &&
                  image.pixels.size() < (std::size_t(1) << 30);
  const int width = ok ? image.width : 0;
  const int height = ok ? image.height : 0;
  const std::size_t row_bytes = (std::size_t(width) * 3 + 3) & ~std::size_t(3);
  const std::size_t image_bytes = row_bytes * std::size_t(height);
  Bytes out;
  out.reserve(kHeaderBytes + image_bytes);
  put_headers(out, width, height, std::uint32_t(image_bytes));
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) {
      Pixel p = image.at(x, y);
      out.push_back(std::uint8_t(p));
      out.push_back(std::uint8_t(p >> 8));
      out.push_back(std::uint8_t(p >> 16));
    }
    for (std::size_t pad = std::size_t(width) * 3; pad < row_bytes; ++pad) out.push_back(0);
  }
  return out;
}

}  // namespace orv::media
