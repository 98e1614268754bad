#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>

#include "media/decode/picture.h"
#include "media/decode_reference.h"

namespace orv::media {

INSTANTIATE_TEST_SUITE_P(
    DecodeTga, DecodeFixture,
    ::testing::Values(PictureCase{"tga_rgb24_top.tga", decode_tga, Reference::kRgb},
                      PictureCase{"tga_rgb24_bottom.tga", decode_tga, Reference::kRgb},
                      PictureCase{"tga_rgba32_top.tga", decode_tga, Reference::kRgba},
                      PictureCase{"tga_rgba32_bottom.tga", decode_tga, Reference::kRgba},
                      PictureCase{"tga_rgb24_rle_top.tga", decode_tga, Reference::kRgb},
                      PictureCase{"tga_rgb24_rle_bottom.tga", decode_tga, Reference::kRgb},
                      PictureCase{"tga_rgba32_rle_top.tga", decode_tga, Reference::kRgba},
                      PictureCase{"tga_rgba32_rle_bottom.tga", decode_tga, Reference::kRgba},
                      PictureCase{"tga_grey_top.tga", decode_tga, Reference::kGrey},
                      PictureCase{"tga_grey_rle_bottom.tga", decode_tga, Reference::kGrey}));

namespace {

constexpr std::size_t kHeaderSize = 18;
constexpr std::size_t kDescriptor = 17;
constexpr int kTopFirst = 0x20;
constexpr int kRightFirst = 0x10;

struct TgaFields {
  int type = 2;
  int width = 2;
  int height = 2;
  int depth = 24;
  int descriptor = kTopFirst;
  int colour_map_type = 0;
};

Bytes tga(const TgaFields& fields, std::initializer_list<std::uint8_t> body) {
  Bytes bytes(kHeaderSize + body.size(), 0);
  bytes[1] = std::uint8_t(fields.colour_map_type);
  bytes[2] = std::uint8_t(fields.type);
  bytes[12] = std::uint8_t(fields.width);
  bytes[13] = std::uint8_t(fields.width >> 8);
  bytes[14] = std::uint8_t(fields.height);
  bytes[15] = std::uint8_t(fields.height >> 8);
  bytes[16] = std::uint8_t(fields.depth);
  bytes[kDescriptor] = std::uint8_t(fields.descriptor);
  std::copy(body.begin(), body.end(), bytes.begin() + kHeaderSize);
  return bytes;
}

TEST(DecodeTga, RunsMayCrossRowEndsAndAreCutAtTheLastPixel) {
  // 3x2 picture: a run of 4 blue pixels, then a run of 128 red ones of which 2 fit.
  std::optional<Image> image =
      decode_tga(tga({.type = 10, .width = 3, .height = 2}, {0x83, 255, 0, 0, 0xFF, 0, 0, 255}));
  ASSERT_TRUE(image);
  Pixel blue = argb(255, 0, 0, 255);
  Pixel red = argb(255, 255, 0, 0);
  EXPECT_EQ(image->pixels, (std::vector<Pixel>{blue, blue, blue, blue, red, red}));
}

TEST(DecodeTga, ImageIdAndColourMapAreSkipped) {
  Bytes bytes =
      tga({.width = 1, .height = 1, .colour_map_type = 1}, {1, 2, 3, 9, 9, 9, 9, 9, 9, 30, 20, 10});
  bytes[0] = 3;  // three bytes of image id
  bytes[5] = 2;  // two colour map entries of 24 bits, which a true colour picture ignores
  bytes[7] = 24;
  std::optional<Image> image = decode_tga(bytes);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->at(0, 0), argb(255, 10, 20, 30));
}

TEST(DecodeTga, RightToLeftColumnsAreMirrored) {
  Bytes bytes = read_picture("tga_rgb24_top.tga");
  bytes[kDescriptor] |= kRightFirst;
  std::optional<Image> image = decode_tga(bytes);
  ASSERT_TRUE(image);
  Image expected = reference_image(Reference::kRgb);
  for (int y = 0; y < expected.height; ++y) {
    auto row = expected.pixels.begin() + y * expected.width;
    std::reverse(row, row + expected.width);
  }
  EXPECT_TRUE(pixels_near(*image, expected));
}

TEST(DecodeTga, ThirtyTwoBitsWithoutAlphaBitsAreOpaque) {
  Bytes bytes = read_picture("tga_rgba32_top.tga");
  bytes[kDescriptor] = kTopFirst;
  std::optional<Image> image = decode_tga(bytes);
  ASSERT_TRUE(image);
  Image expected = reference_image(Reference::kRgba);
  for (Pixel& pixel : expected.pixels) pixel |= 0xFF000000;
  EXPECT_TRUE(pixels_near(*image, expected));
}

class DecodeTgaHeader : public ::testing::TestWithParam<TgaFields> {};

TEST_P(DecodeTgaHeader, ImplausibleOrOversizedHeaderIsRefused) {
  Bytes bytes = tga(GetParam(), {});
  bytes.resize(bytes.size() + 4096, 0x7F);  // data enough for any small picture
  EXPECT_FALSE(decode_tga(bytes));
}

INSTANTIATE_TEST_SUITE_P(
    DecodeTga, DecodeTgaHeader,
    ::testing::Values(TgaFields{.type = 1}, TgaFields{.type = 9}, TgaFields{.type = 0},
                      TgaFields{.type = 18}, TgaFields{.depth = 16}, TgaFields{.depth = 8},
                      TgaFields{.type = 3, .depth = 24}, TgaFields{.colour_map_type = 2},
                      TgaFields{.width = 0}, TgaFields{.height = 0},
                      TgaFields{.width = 65535, .height = 65535},
                      TgaFields{.width = kMaxPictureSide + 1, .height = 1},
                      TgaFields{.type = 10, .width = kMaxPictureSide, .height = 4096},
                      TgaFields{.type = 2, .width = 1024, .height = 1024}));

TEST(DecodeTga, SmallestAllowedDataStillDecodes) {
  // The run-length size check must not refuse a well packed file: 256 pixels in two runs.
  std::optional<Image> image =
      decode_tga(tga({.type = 10, .width = 16, .height = 16}, {0xFF, 1, 2, 3, 0xFF, 1, 2, 3}));
  ASSERT_TRUE(image);
  EXPECT_EQ(image->at(15, 15), argb(255, 3, 2, 1));
}

}  // namespace
}  // namespace orv::media
