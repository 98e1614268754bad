#include <gtest/gtest.h>

#include "media/decode/picture.h"
#include "media/decode_reference.h"

namespace orv::media {

// libtiff hands alpha over premultiplied; undoing that loses precision at low alpha.
constexpr Tolerance kViaPremultiplied{.channel = 1, .premultiplied = true};
constexpr Tolerance kLossy{.channel = 4};

INSTANTIATE_TEST_SUITE_P(
    DecodeTiff, DecodeFixture,
    ::testing::Values(PictureCase{"tiff_rgb_none.tif", decode_tiff, Reference::kRgb, {}, false},
                      PictureCase{"tiff_rgb_lzw.tif", decode_tiff, Reference::kRgb, {}, false},
                      PictureCase{"tiff_rgb_deflate.tif", decode_tiff, Reference::kRgb, {}, false},
                      PictureCase{"tiff_rgb_packbits.tif", decode_tiff, Reference::kRgb, {}, false},
                      PictureCase{"tiff_rgb_msb.tif", decode_tiff, Reference::kRgb, {}, false},
                      PictureCase{"tiff_rgba_deflate.tif", decode_tiff, Reference::kRgba,
                                  kViaPremultiplied, false},
                      PictureCase{"tiff_rgb16_lzw.tif", decode_tiff, Reference::kRgb, {}, false},
                      PictureCase{"tiff_rgba16_none.tif", decode_tiff, Reference::kRgba,
                                  kViaPremultiplied, false},
                      PictureCase{"tiff_grey_lzw.tif", decode_tiff, Reference::kGrey, {}, false},
                      PictureCase{"tiff_palette.tif", decode_tiff, Reference::kRgb, {}, false},
                      PictureCase{"tiff_jpeg.tif", decode_tiff, Reference::kRgb, kLossy, false}));

namespace {

constexpr std::uint16_t kImageWidth = 256;
constexpr std::uint16_t kImageLength = 257;
constexpr std::uint16_t kStripOffsets = 273;
constexpr std::uint16_t kLongType = 4;

std::uint32_t get_u32(const Bytes& bytes, std::size_t at) {
  return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | std::uint32_t(bytes[at + 3]) << 24;
}

void put_u16(Bytes& bytes, std::size_t at, std::uint16_t value) {
  bytes[at] = std::uint8_t(value);
  bytes[at + 1] = std::uint8_t(value >> 8);
}

void put_u32(Bytes& bytes, std::size_t at, std::uint32_t value) {
  put_u16(bytes, at, std::uint16_t(value));
  put_u16(bytes, at + 2, std::uint16_t(value >> 16));
}

// Rewrites one single-valued tag of the first directory of a little-endian TIFF as a LONG.
void set_tag(Bytes& bytes, std::uint16_t tag, std::uint32_t value) {
  std::size_t directory = get_u32(bytes, 4);
  std::size_t count = bytes[directory] | bytes[directory + 1] << 8;
  for (std::size_t i = 0; i < count; ++i) {
    std::size_t entry = directory + 2 + 12 * i;
    if ((bytes[entry] | bytes[entry + 1] << 8) != tag) continue;
    put_u16(bytes, entry + 2, kLongType);
    put_u32(bytes, entry + 4, 1);
    put_u32(bytes, entry + 8, value);
    return;
  }
  ADD_FAILURE() << "no tag " << tag;
}

Bytes tiff_with(std::uint16_t tag, std::uint32_t value) {
  Bytes bytes = read_picture("tiff_rgb_none.tif");
  set_tag(bytes, tag, value);
  return bytes;
}

class DecodeTiffSize : public ::testing::TestWithParam<ClaimedSize> {};

TEST_P(DecodeTiffSize, HeaderBeyondTheLimitsIsRefused) {
  Bytes bytes = tiff_with(kImageWidth, GetParam().width);
  set_tag(bytes, kImageLength, GetParam().height);
  EXPECT_FALSE(decode_tiff(bytes));
}

INSTANTIATE_TEST_SUITE_P(DecodeTiff, DecodeTiffSize,
                         ::testing::Values(ClaimedSize{100000, 100000},
                                           ClaimedSize{kMaxPictureSide + 1, 3},
                                           ClaimedSize{kMaxPictureSide, kMaxPictureSide},
                                           ClaimedSize{0xFFFFFFFF, 0xFFFFFFFF}));

TEST(DecodeTiff, RewrittenTagsOfTheSameValueStillDecode) {
  Bytes bytes = tiff_with(kImageWidth, 4);
  set_tag(bytes, kImageLength, 3);
  EXPECT_TRUE(decode_tiff(bytes));  // proves the tests around change only what they say
}

TEST(DecodeTiff, StripBeyondTheEndOfTheFileIsRefused) {
  EXPECT_FALSE(decode_tiff(tiff_with(kStripOffsets, 100000)));
  EXPECT_FALSE(decode_tiff(tiff_with(kStripOffsets, 0xFFFFFFF0)));
}

}  // namespace
}  // namespace orv::media
