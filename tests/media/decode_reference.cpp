#include "media/decode_reference.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <ostream>

namespace orv::media {
namespace {

constexpr std::uint32_t kColours[12] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x000000, 0xFF00FF,
                                        0x808080, 0xFFFF00, 0x123456, 0x89ABCD, 0xFEDCBA, 0x0F1E2D};
constexpr int kAlphas[12] = {255, 0, 128, 64, 255, 200, 1, 32, 255, 100, 50, 254};
constexpr int kGreys[12] = {0, 17, 34, 51, 68, 85, 102, 119, 136, 187, 238, 255};

Pixel small_pixel(Reference reference, int i) {
  std::uint32_t c = kColours[i];
  int grey = kGreys[i];
  switch (reference) {
    case Reference::kRgb:
      return argb(255, c >> 16, c >> 8, c);
    case Reference::kRgba:
      return argb(kAlphas[i], c >> 16, c >> 8, c);
    case Reference::kGrey:
      return argb(255, grey, grey, grey);
    default:
      return argb(kAlphas[i], grey, grey, grey);
  }
}

int premultiply(int channel, int alpha) {
  return (channel * alpha + 127) / 255;
}

bool near(Pixel actual, Pixel expected, Tolerance tolerance) {
  int alpha = alpha_of(expected);
  if (std::abs(alpha_of(actual) - alpha) > tolerance.channel) return false;
  if (alpha == 0) return true;
  for (int shift : {0, 8, 16}) {
    int a = int(actual >> shift) & 255;
    int e = int(expected >> shift) & 255;
    if (tolerance.premultiplied) {
      a = premultiply(a, alpha_of(actual));
      e = premultiply(e, alpha);
    }
    if (std::abs(a - e) > tolerance.channel) return false;
  }
  return true;
}

}  // namespace

Image reference_image(Reference reference) {
  if (reference == Reference::kPattern) {
    Image image(8, 8);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x)
        image.at(x, y) = argb(255 - (x * 8 + y) * 3, x * 36, y * 36, 255 - (x + y) * 16);
    return image;
  }
  Image image(4, 3);
  for (int i = 0; i < 12; ++i) image.pixels[std::size_t(i)] = small_pixel(reference, i);
  return image;
}

Bytes read_picture(const std::string& name) {
  std::ifstream in(std::string(ORV_FIXTURES) + "/pictures/" + name, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

::testing::AssertionResult pixels_near(const Image& actual, const Image& expected,
                                       Tolerance tolerance) {
  if (actual.width != expected.width || actual.height != expected.height)
    return ::testing::AssertionFailure()
           << "size " << actual.width << "x" << actual.height << ", expected " << expected.width
           << "x" << expected.height;
  for (int y = 0; y < actual.height; ++y)
    for (int x = 0; x < actual.width; ++x)
      if (!near(actual.at(x, y), expected.at(x, y), tolerance))
        return ::testing::AssertionFailure()
               << "pixel (" << x << ", " << y << ") is " << std::hex << actual.at(x, y)
               << ", expected " << expected.at(x, y);
  return ::testing::AssertionSuccess();
}

void PrintTo(const PictureCase& picture, std::ostream* out) {
  *out << picture.file;
}

}  // namespace orv::media
