// Checks shared by every picture fixture (instantiated per format in decode_<format>_test.cpp)
// and the choice of decoder by magic bytes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "media/decode/picture.h"
#include "media/decode_reference.h"

namespace orv::media {

TEST_P(DecodeFixture, MatchesTheReferencePixels) {
  std::optional<Image> image = decode(bytes_);
  ASSERT_TRUE(image);
  EXPECT_TRUE(pixels_near(*image, reference_image(GetParam().reference), GetParam().tolerance));
}

TEST_P(DecodeFixture, IsRecognisedByItsMagicBytes) {
  std::optional<Image> direct = decode(bytes_);
  std::optional<Image> sniffed = decode_picture(bytes_);
  ASSERT_TRUE(direct);
  ASSERT_TRUE(sniffed);
  EXPECT_EQ(sniffed->pixels, direct->pixels);
}

TEST_P(DecodeFixture, TruncatedFileIsRefused) {
  std::vector<std::size_t> cuts = {0, 1, 7, 12, bytes_.size() / 2};
  if (GetParam().last_byte_needed) cuts.push_back(bytes_.size() - 1);
  for (std::size_t cut : cuts)
    EXPECT_FALSE(decode(std::span(bytes_).first(cut))) << "cut after " << cut << " bytes";
}

// Every single damaged byte: the decoder may refuse the file or return some picture, but never
// a malformed one (and never crashes; the sanitizers watch the rest).
TEST_P(DecodeFixture, DamagedBytesGiveNoMalformedPicture) {
  for (std::size_t i = 0; i < bytes_.size(); ++i) {
    for (std::uint8_t flip : {0x01, 0x80, 0xFF}) {
      Bytes damaged = bytes_;
      damaged[i] ^= flip;
      std::optional<Image> image = decode(damaged);
      if (!image) continue;
      ASSERT_FALSE(image->empty()) << "byte " << i;
      ASSERT_EQ(image->pixels.size(), std::size_t(image->width) * image->height) << "byte " << i;
    }
  }
}

TEST(DecodePicture, RefusesDataOfNoKnownFormat) {
  const std::vector<std::string> inputs = {
      "",
      "x",
      "plain text that happens to be longer than a picture header",
      std::string(18, '\0'),
      "\x89PNG\r\n\x1a\n",
      "\xFF\xD8\xFF\xE0",
      std::string("II*\0\x08\0\0\0", 8),
      std::string("MM\0*\0\0\0\x08", 8),
  };
  for (const std::string& input : inputs) {
    std::span bytes(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
    EXPECT_FALSE(decode_picture(bytes)) << "input of " << input.size() << " bytes";
  }
}

TEST(DecodePicture, EachDecoderRefusesTheOtherFormats) {
  const Decoder decoders[] = {decode_png, decode_jpeg, decode_tiff, decode_tga};
  const char* files[] = {"png_rgb.png", "jpeg_baseline.jpg", "tiff_rgb_none.tif",
                         "tga_rgb24_top.tga"};
  for (int d = 0; d < 4; ++d) {
    for (int f = 0; f < 4; ++f) {
      if (d == f) continue;
      EXPECT_FALSE(decoders[d](read_picture(files[f]))) << d << " given " << files[f];
    }
  }
}

}  // namespace orv::media
