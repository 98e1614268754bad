// Picture decoders: reference pixels of every fixture, damaged and truncated files, header limits.
#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "media/decode/jpeg.h"
#include "media/decode/picture.h"
#include "media/decode/png.h"
#include "media/decode/tga.h"
#include "media/decode/tiff.h"

namespace orv::media {
namespace {

bool has(const std::string& file, const char* part) {
  return file.find(part) != std::string::npos;
}

// The picture of a fixture written by tests/fixtures/pictures/make_pictures.py, from its name.
Image reference_image(const std::string& file) {
  constexpr std::uint32_t kColours[12] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF,
                                          0x000000, 0xFF00FF, 0x808080, 0xFFFF00,
                                          0x123456, 0x89ABCD, 0xFEDCBA, 0x0F1E2D};
  constexpr int kAlphas[12] = {255, 0, 128, 64, 255, 200, 1, 32, 255, 100, 50, 254};
  constexpr int kGreys[12] = {0, 17, 34, 51, 68, 85, 102, 119, 136, 187, 238, 255};
  if (has(file, "interlaced")) {
    Image image(8, 8);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x)
        image.at(x, y) = argb(255 - (x * 8 + y) * 3, x * 36, y * 36, 255 - (x + y) * 16);
    return image;
  }
  const bool alpha = has(file, "rgba") || has(file, "trns") || has(file, "grey_alpha");
  const bool grey = has(file, "grey");
  Image image(4, 3);
  for (int i = 0; i < 12; ++i) {
    const std::uint32_t c = grey ? kGreys[i] * 0x010101u : kColours[i];
    image.pixels[std::size_t(i)] =
        argb(alpha ? kAlphas[i] : 255, c >> 16 & 255, c >> 8 & 255, c & 255);
  }
  return image;
}

Bytes read_picture(const std::string& name) {
  std::ifstream in(std::string(ORV_FIXTURES) + "/pictures/" + name, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Every pixel within the fixture's tolerance; the colour of an expected alpha of 0 is not
// compared. JPEG is at quality 100 without subsampling; libtiff hands alpha over premultiplied.
::testing::AssertionResult pixels_near(const Image& actual, const std::string& file) {
  const Image expected = reference_image(file);
  const int tolerance = has(file, "jpeg") ? 4 : has(file, "tiff_rgba") ? 1 : 0;
  const bool premultiplied = has(file, "tiff_rgba");
  if (actual.width != expected.width || actual.height != expected.height)
    return ::testing::AssertionFailure() << "size " << actual.width << "x" << actual.height;
  for (std::size_t i = 0; i < actual.pixels.size(); ++i) {
    const Pixel a = actual.pixels[i], e = expected.pixels[i];
    bool ok = std::abs(alpha_of(a) - alpha_of(e)) <= tolerance;
    for (int shift : {0, 8, 16}) {
      int ca = int(a >> shift) & 255, ce = int(e >> shift) & 255;
      if (premultiplied) {
        ca = (ca * alpha_of(a) + 127) / 255;
        ce = (ce * alpha_of(e) + 127) / 255;
      }
      ok = ok && (alpha_of(e) == 0 || std::abs(ca - ce) <= tolerance);
    }
    if (!ok)
      return ::testing::AssertionFailure()
             << "pixel " << i << " is " << std::hex << a << ", expected " << e;
  }
  return ::testing::AssertionSuccess();
}

using Decoder = std::optional<Image> (*)(std::span<const std::uint8_t>);

Decoder decoder_of(const std::string& file) {
  if (file.starts_with("png")) return decode_png;
  if (file.starts_with("jpeg")) return decode_jpeg;
  if (file.starts_with("tiff")) return decode_tiff;
  return decode_tga;
}

class DecodeFixture : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override { ASSERT_FALSE(bytes_.empty()) << "missing fixture"; }
  std::optional<Image> decode(std::span<const std::uint8_t> data) const {
    return decoder_of(GetParam())(data);
  }
  Bytes bytes_ = read_picture(GetParam());
};

TEST_P(DecodeFixture, MatchesTheReferencePixelsAlsoWhenChosenByMagicBytes) {
  std::optional<Image> image = decode(bytes_);
  std::optional<Image> sniffed = decode_picture(bytes_);
  ASSERT_TRUE(image && sniffed);
  EXPECT_TRUE(pixels_near(*image, GetParam()));
  EXPECT_EQ(sniffed->pixels, image->pixels);
}

TEST_P(DecodeFixture, TruncatedFilesAreRefused) {
  std::vector<std::size_t> cuts = {0, 12, bytes_.size() / 2};
  if (decoder_of(GetParam()) != decode_tiff) cuts.push_back(bytes_.size() - 1);
  for (std::size_t cut : cuts)
    EXPECT_FALSE(decode(std::span(bytes_).first(cut))) << "cut after " << cut << " bytes";
}

// A damaged byte may be refused or give some picture, but never a malformed one or a crash.
TEST_P(DecodeFixture, DamagedBytesNeverGiveAMalformedPicture) {
  for (std::size_t i = 0; i < bytes_.size(); ++i) {
    for (std::uint8_t flip : {0x01, 0x80, 0xFF}) {
      Bytes damaged = bytes_;
      damaged[i] ^= flip;
      std::optional<Image> image = decode(damaged);
      ASSERT_TRUE(!image || (!image->empty() &&
                             image->pixels.size() == std::size_t(image->width) * image->height))
          << "byte " << i;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    , DecodeFixture,
    ::testing::Values("png_rgb.png", "png_rgba.png", "png_palette.png", "png_palette_trns.png",
                      "png_grey.png", "png_grey4.png", "png_grey_alpha.png", "png_rgb16.png",
                      "png_rgba16.png", "png_interlaced.png", "jpeg_baseline.jpg",
                      "jpeg_progressive.jpg", "jpeg_grey.jpg", "jpeg_cmyk.jpg", "tiff_rgb_none.tif",
                      "tiff_rgb_lzw.tif", "tiff_rgb_deflate.tif", "tiff_rgb_packbits.tif",
                      "tiff_rgb_msb.tif", "tiff_rgba_deflate.tif", "tiff_rgb16_lzw.tif",
                      "tiff_rgba16_none.tif", "tiff_grey_lzw.tif", "tiff_palette.tif",
                      "tiff_jpeg.tif", "tga_rgb24_top.tga", "tga_rgb24_bottom.tga",
                      "tga_rgba32_top.tga", "tga_rgba32_bottom.tga", "tga_rgb24_rle_top.tga",
                      "tga_rgb24_rle_bottom.tga", "tga_rgba32_rle_top.tga",
                      "tga_rgba32_rle_bottom.tga", "tga_grey_top.tga", "tga_grey_rle_bottom.tga"));

// What is of no known format goes to the TGA decoder, which must refuse it.
TEST(DecodePicture, DataOfNoKnownFormatIsRefused) {
  for (std::string input : {std::string(), std::string(18, '\0'), std::string("\x89PNG\r\n\x1a\n"),
                            std::string("II*\0\x08\0\0\0", 8)}) {
    std::span bytes(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
    EXPECT_FALSE(decode_picture(bytes)) << "input of " << input.size() << " bytes";
  }
}

void put_be32(Bytes& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + std::size_t(i)] = std::uint8_t(value >> (24 - 8 * i));
}

Bytes tga(int type, int width, int height, std::initializer_list<std::uint8_t> body) {
  Bytes bytes(18 + body.size(), 0);
  std::copy(body.begin(), body.end(), bytes.begin() + 18);
  bytes[2] = std::uint8_t(type);
  bytes[12] = std::uint8_t(width), bytes[13] = std::uint8_t(width >> 8);
  bytes[14] = std::uint8_t(height), bytes[15] = std::uint8_t(height >> 8);
  bytes[16] = 24, bytes[17] = 0x20;  // top-down
  return bytes;
}

// Headers that claim more than the limit or more than the data holds.
TEST(DecodeHeaders, OversizedOrOverlongClaimsAreRefused) {
  Bytes png = read_picture("png_rgb.png");
  put_be32(png, 16, kMaxPictureSide + 1);  // IHDR width, then its CRC at 29
  put_be32(png, 29, std::uint32_t(crc32(0, png.data() + 12, 17)));
  EXPECT_FALSE(decode_png(png));

  Bytes jpeg = read_picture("jpeg_baseline.jpg");
  const std::uint8_t sof[] = {0xFF, 0xC0};
  auto at = std::search(jpeg.begin(), jpeg.end(), std::begin(sof), std::end(sof));
  ASSERT_NE(at, jpeg.end());
  at[5] = 1, at[6] = 44, at[7] = 1, at[8] = 144;  // 400x300: more pixels than the data holds
  EXPECT_FALSE(decode_jpeg(jpeg));

  // The strip offset of tiff_rgb_none.tif rewritten as a LONG far beyond the end of the file.
  Bytes tiff = read_picture("tiff_rgb_none.tif");
  auto u16 = [&](std::size_t i) { return std::size_t(tiff[i] | tiff[i + 1] << 8); };
  const std::size_t directory = u16(4) | u16(6) << 16;
  for (std::size_t e = directory + 2; e < directory + 2 + 12 * u16(directory); e += 12)
    if (u16(e) == 273) {
      const std::uint8_t entry[] = {4, 0, 1, 0, 0, 0, 0xF0, 0xFF, 0xFF, 0xFF};
      std::copy(std::begin(entry), std::end(entry), tiff.begin() + std::ptrdiff_t(e) + 2);
    }
  EXPECT_FALSE(decode_tiff(tiff));

  Bytes big = tga(10, kMaxPictureSide, 4096, {});
  big.resize(big.size() + 4096, 0x7F);
  EXPECT_FALSE(decode_tga(big));
}

TEST(DecodeTga, RunsCrossRowEndsUpToTheLastPixel) {
  // 3x2: a run of 4 blue pixels crossing the row end, then a run of 128 red cut at the last pixel.
  std::optional<Image> runs = decode_tga(tga(10, 3, 2, {0x83, 255, 0, 0, 0xFF, 0, 0, 255}));
  ASSERT_TRUE(runs);
  const Pixel b = argb(255, 0, 0, 255), r = argb(255, 255, 0, 0);
  EXPECT_EQ(runs->pixels, (std::vector<Pixel>{b, b, b, b, r, r}));
}

}  // namespace
}  // namespace orv::media
