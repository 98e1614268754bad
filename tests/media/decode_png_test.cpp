#include <gtest/gtest.h>
#include <zlib.h>

#include "media/decode/picture.h"
#include "media/decode_reference.h"

namespace orv::media {

INSTANTIATE_TEST_SUITE_P(
    DecodePng, DecodeFixture,
    ::testing::Values(PictureCase{"png_rgb.png", decode_png, Reference::kRgb},
                      PictureCase{"png_rgba.png", decode_png, Reference::kRgba},
                      PictureCase{"png_palette.png", decode_png, Reference::kRgb},
                      PictureCase{"png_palette_trns.png", decode_png, Reference::kRgba},
                      PictureCase{"png_grey.png", decode_png, Reference::kGrey},
                      PictureCase{"png_grey4.png", decode_png, Reference::kGrey},
                      PictureCase{"png_grey_alpha.png", decode_png, Reference::kGreyAlpha},
                      PictureCase{"png_rgb16.png", decode_png, Reference::kRgb},
                      PictureCase{"png_rgba16.png", decode_png, Reference::kRgba},
                      PictureCase{"png_interlaced.png", decode_png, Reference::kPattern}));

namespace {

constexpr std::size_t kIhdrType = 12;  // IHDR length at 8, then type, width, height
constexpr std::size_t kIhdrCrc = 29;

void put_u32(Bytes& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + std::size_t(i)] = std::uint8_t(value >> (24 - 8 * i));
}

// png_rgb.png with another size in IHDR and a matching checksum.
Bytes png_claiming(std::uint32_t width, std::uint32_t height) {
  Bytes bytes = read_picture("png_rgb.png");
  put_u32(bytes, kIhdrType + 4, width);
  put_u32(bytes, kIhdrType + 8, height);
  put_u32(bytes, kIhdrCrc, std::uint32_t(crc32(0, bytes.data() + kIhdrType, 17)));
  return bytes;
}

class DecodePngSize : public ::testing::TestWithParam<ClaimedSize> {};

TEST_P(DecodePngSize, HeaderBeyondTheLimitsIsRefused) {
  EXPECT_FALSE(decode_png(png_claiming(GetParam().width, GetParam().height)));
}

INSTANTIATE_TEST_SUITE_P(DecodePng, DecodePngSize,
                         ::testing::Values(ClaimedSize{100000, 100000},
                                           ClaimedSize{kMaxPictureSide + 1, 1},
                                           ClaimedSize{1, kMaxPictureSide + 1},
                                           ClaimedSize{kMaxPictureSide, kMaxPictureSide},
                                           ClaimedSize{0, 3}));

TEST(DecodePng, RewrittenHeaderOfTheSameSizeStillDecodes) {
  EXPECT_TRUE(decode_png(png_claiming(4, 3)));  // proves the size tests change only the size
}

TEST(DecodePng, ImageDataWithABadChecksumIsRefused) {
  Bytes bytes = read_picture("png_rgb.png");
  bytes[bytes.size() - 12 - 6] ^= 0x40;  // inside the IDAT chunk before IEND
  EXPECT_FALSE(decode_png(bytes));
}

}  // namespace
}  // namespace orv::media
