#include <gtest/gtest.h>

#include <algorithm>

#include "media/decode/picture.h"
#include "media/decode_reference.h"

namespace orv::media {

// Written at quality 100 without chroma subsampling, so only rounding differs.
constexpr Tolerance kLossy{.channel = 4};

INSTANTIATE_TEST_SUITE_P(
    DecodeJpeg, DecodeFixture,
    ::testing::Values(PictureCase{"jpeg_baseline.jpg", decode_jpeg, Reference::kRgb, kLossy},
                      PictureCase{"jpeg_progressive.jpg", decode_jpeg, Reference::kRgb, kLossy},
                      PictureCase{"jpeg_grey.jpg", decode_jpeg, Reference::kGrey, kLossy},
                      PictureCase{"jpeg_cmyk.jpg", decode_jpeg, Reference::kRgb, kLossy}));

namespace {

// The baseline fixture with another size in its frame header.
Bytes jpeg_claiming(std::uint32_t width, std::uint32_t height) {
  Bytes bytes = read_picture("jpeg_baseline.jpg");
  const std::uint8_t marker[] = {0xFF, 0xC0};
  auto sof = std::search(bytes.begin(), bytes.end(), std::begin(marker), std::end(marker));
  EXPECT_NE(sof, bytes.end());
  if (sof == bytes.end()) return {};
  std::size_t at = std::size_t(sof - bytes.begin()) + 5;  // marker, length, precision
  bytes[at] = std::uint8_t(height >> 8);
  bytes[at + 1] = std::uint8_t(height);
  bytes[at + 2] = std::uint8_t(width >> 8);
  bytes[at + 3] = std::uint8_t(width);
  return bytes;
}

class DecodeJpegSize : public ::testing::TestWithParam<ClaimedSize> {};

TEST_P(DecodeJpegSize, HeaderBeyondTheLimitsIsRefused) {
  EXPECT_FALSE(decode_jpeg(jpeg_claiming(GetParam().width, GetParam().height)));
}

INSTANTIATE_TEST_SUITE_P(DecodeJpeg, DecodeJpegSize,
                         ::testing::Values(ClaimedSize{65000, 65000},
                                           ClaimedSize{kMaxPictureSide + 1, 8},
                                           ClaimedSize{kMaxPictureSide, kMaxPictureSide}));

// A header claiming more pixels than the data holds decodes with "premature end" warnings.
TEST(DecodeJpeg, PictureLargerThanItsDataIsRefused) {
  EXPECT_TRUE(decode_jpeg(jpeg_claiming(4, 3)));
  EXPECT_FALSE(decode_jpeg(jpeg_claiming(400, 300)));
}

}  // namespace
}  // namespace orv::media
