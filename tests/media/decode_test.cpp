// Picture decoders: reference pixels of every fixture, damaged and truncated files, header limits.
#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "media/decode/picture.h"

namespace orv::media {
namespace {

// The pictures written by tests/fixtures/pictures/make_pictures.py.
enum class Reference { kRgb, kRgba, kGrey, kGreyAlpha, kPattern };

Image reference_image(Reference reference) {
  constexpr std::uint32_t kColours[12] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF,
                                          0x000000, 0xFF00FF, 0x808080, 0xFFFF00,
                                          0x123456, 0x89ABCD, 0xFEDCBA, 0x0F1E2D};
  constexpr int kAlphas[12] = {255, 0, 128, 64, 255, 200, 1, 32, 255, 100, 50, 254};
  constexpr int kGreys[12] = {0, 17, 34, 51, 68, 85, 102, 119, 136, 187, 238, 255};
  if (reference == Reference::kPattern) {
    Image image(8, 8);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x)
        image.at(x, y) = argb(255 - (x * 8 + y) * 3, x * 36, y * 36, 255 - (x + y) * 16);
    return image;
  }
  Image image(4, 3);
  for (int i = 0; i < 12; ++i) {
    const std::uint32_t c = kColours[i];
    const int g = kGreys[i];
    const bool alpha = reference == Reference::kRgba || reference == Reference::kGreyAlpha;
    const bool grey = reference == Reference::kGrey || reference == Reference::kGreyAlpha;
    image.pixels[std::size_t(i)] =
        argb(alpha ? kAlphas[i] : 255, grey ? g : c >> 16, grey ? g : c >> 8, grey ? g : c);
  }
  return image;
}

Bytes read_picture(const std::string& name) {
  std::ifstream in(std::string(ORV_FIXTURES) + "/pictures/" + name, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct Tolerance {
  int channel = 0;
  bool premultiplied = false;  // libtiff hands alpha over premultiplied
};

// Every pixel within the tolerance; the colour of an expected alpha of 0 is not compared.
::testing::AssertionResult pixels_near(const Image& actual, const Image& expected,
                                       Tolerance tolerance = {}) {
  if (actual.width != expected.width || actual.height != expected.height)
    return ::testing::AssertionFailure() << "size " << actual.width << "x" << actual.height;
  for (std::size_t i = 0; i < actual.pixels.size(); ++i) {
    const Pixel a = actual.pixels[i], e = expected.pixels[i];
    bool ok = std::abs(alpha_of(a) - alpha_of(e)) <= tolerance.channel;
    for (int shift : {0, 8, 16}) {
      int ca = int(a >> shift) & 255, ce = int(e >> shift) & 255;
      if (tolerance.premultiplied) {
        ca = (ca * alpha_of(a) + 127) / 255;
        ce = (ce * alpha_of(e) + 127) / 255;
      }
      ok = ok && (alpha_of(e) == 0 || std::abs(ca - ce) <= tolerance.channel);
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

// The picture and tolerance of a fixture follow from its name.
Reference reference_of(const std::string& file) {
  if (file.find("interlaced") != std::string::npos) return Reference::kPattern;
  if (file.find("grey_alpha") != std::string::npos) return Reference::kGreyAlpha;
  if (file.find("grey") != std::string::npos) return Reference::kGrey;
  if (file.find("rgba") != std::string::npos || file.find("trns") != std::string::npos)
    return Reference::kRgba;
  return Reference::kRgb;
}

Tolerance tolerance_of(const std::string& file) {
  if (file.find("jpeg") != std::string::npos) return {.channel = 4};  // quality 100, no subsampling
  if (file.starts_with("tiff_rgba")) return {.channel = 1, .premultiplied = true};
  return {};
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
  EXPECT_TRUE(
      pixels_near(*image, reference_image(reference_of(GetParam())), tolerance_of(GetParam())));
  EXPECT_EQ(sniffed->pixels, image->pixels);
}

TEST_P(DecodeFixture, TruncatedFileIsRefused) {
  std::vector<std::size_t> cuts = {0, 1, 7, 12, bytes_.size() / 2};
  if (decoder_of(GetParam()) != decode_tiff) cuts.push_back(bytes_.size() - 1);
  for (std::size_t cut : cuts)
    EXPECT_FALSE(decode(std::span(bytes_).first(cut))) << "cut after " << cut << " bytes";
}

// A damaged byte may be refused or give some picture, but never a malformed one or a crash.
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
  for (std::string input : {std::string(), std::string("plain text longer than a header"),
                            std::string(18, '\0'), std::string("\x89PNG\r\n\x1a\n"),
                            std::string("\xFF\xD8\xFF\xE0"), std::string("II*\0\x08\0\0\0", 8)}) {
    std::span bytes(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
    EXPECT_FALSE(decode_picture(bytes)) << "input of " << input.size() << " bytes";
  }
}

// --- Headers rewritten to claim another size or layout ---

void put_be32(Bytes& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + std::size_t(i)] = std::uint8_t(value >> (24 - 8 * i));
}

Bytes png_claiming(std::uint32_t width, std::uint32_t height) {
  Bytes bytes = read_picture("png_rgb.png");
  put_be32(bytes, 16, width);  // IHDR type at 12, then width and height, CRC at 29
  put_be32(bytes, 20, height);
  put_be32(bytes, 29, std::uint32_t(crc32(0, bytes.data() + 12, 17)));
  return bytes;
}

Bytes jpeg_claiming(int width, int height) {
  Bytes bytes = read_picture("jpeg_baseline.jpg");
  const std::uint8_t marker[] = {0xFF, 0xC0};
  auto sof = std::search(bytes.begin(), bytes.end(), std::begin(marker), std::end(marker));
  if (sof == bytes.end()) return {};
  const Bytes size = {std::uint8_t(height >> 8), std::uint8_t(height), std::uint8_t(width >> 8),
                      std::uint8_t(width)};
  std::copy(size.begin(), size.end(), sof + 5);  // after marker, length and precision
  return bytes;
}

// tiff_rgb_none.tif with single-valued tags of its first directory rewritten as LONGs.
Bytes tiff_with(std::initializer_list<std::pair<int, std::uint32_t>> tags) {
  Bytes bytes = read_picture("tiff_rgb_none.tif");
  auto u16 = [&](std::size_t at) { return bytes[at] | bytes[at + 1] << 8; };
  auto put = [&](std::size_t at, std::uint32_t v, int n) {
    for (int i = 0; i < n; ++i) bytes[at + std::size_t(i)] = std::uint8_t(v >> (8 * i));
  };
  const std::size_t directory = std::size_t(u16(4) | u16(6) << 16);
  for (auto [tag, value] : tags) {
    for (std::size_t e = directory + 2; e < directory + 2 + 12 * std::size_t(u16(directory));
         e += 12) {
      if (u16(e) != tag) continue;
      put(e + 2, 4, 2);  // type LONG, count 1, value
      put(e + 4, 1, 4);
      put(e + 8, value, 4);
    }
  }
  return bytes;
}

Bytes tiff_claiming(std::uint32_t width, std::uint32_t height) {
  return tiff_with({{256, width}, {257, height}});
}

struct TgaFields {
  int type = 2, width = 2, height = 2, depth = 24, descriptor = 0x20, colour_map_type = 0;
};

Bytes tga(const TgaFields& f, std::initializer_list<std::uint8_t> body) {
  Bytes bytes(18 + body.size(), 0);
  std::copy(body.begin(), body.end(), bytes.begin() + 18);
  const int fields[][2] = {{1, f.colour_map_type}, {2, f.type},   {12, f.width},
                           {14, f.height},         {16, f.depth}, {17, f.descriptor}};
  for (auto [at, value] : fields) {
    bytes[std::size_t(at)] = std::uint8_t(value);
    if (at == 12 || at == 14) bytes[std::size_t(at) + 1] = std::uint8_t(value >> 8);
  }
  return bytes;
}

TEST(DecodeHeaders, SizesBeyondTheLimitsAndBrokenLayoutsAreRefused) {
  constexpr std::uint32_t kMax = kMaxPictureSide;
  using Size = std::pair<std::uint32_t, std::uint32_t>;
  for (auto [w, h] :
       {Size{100000, 100000}, Size{kMax + 1, 1}, Size{1, kMax + 1}, Size{kMax, kMax}}) {
    EXPECT_FALSE(decode_png(png_claiming(w, h))) << w << "x" << h;
    EXPECT_FALSE(decode_jpeg(jpeg_claiming(int(std::min(w, 65000u)), int(h)))) << w << "x" << h;
    EXPECT_FALSE(decode_tiff(tiff_claiming(w, h))) << w << "x" << h;
  }
  EXPECT_FALSE(decode_png(png_claiming(0, 3)));
  EXPECT_FALSE(decode_tiff(tiff_claiming(0xFFFFFFFF, 0xFFFFFFFF)));
  EXPECT_FALSE(decode_jpeg(jpeg_claiming(400, 300)));     // more pixels than the data holds
  EXPECT_FALSE(decode_tiff(tiff_with({{273, 100000}})));  // strip beyond the end of the file
  EXPECT_FALSE(decode_tiff(tiff_with({{273, 0xFFFFFFF0}})));
  Bytes png_bad_crc = read_picture("png_rgb.png");
  png_bad_crc[png_bad_crc.size() - 18] ^= 0x40;  // inside the IDAT chunk before IEND
  EXPECT_FALSE(decode_png(png_bad_crc));
  // The rewriting itself changes only what it claims to.
  EXPECT_TRUE(decode_png(png_claiming(4, 3)));
  EXPECT_TRUE(decode_jpeg(jpeg_claiming(4, 3)));
  EXPECT_TRUE(decode_tiff(tiff_claiming(4, 3)));

  // TGA headers of implausible or oversized pictures, with data enough for any small picture.
  for (const TgaFields& fields :
       {TgaFields{.type = 1}, TgaFields{.type = 9}, TgaFields{.type = 0}, TgaFields{.type = 18},
        TgaFields{.depth = 16}, TgaFields{.depth = 8}, TgaFields{.type = 3, .depth = 24},
        TgaFields{.colour_map_type = 2}, TgaFields{.width = 0}, TgaFields{.height = 0},
        TgaFields{.width = 65535, .height = 65535}, TgaFields{.width = kMaxPictureSide + 1},
        TgaFields{.type = 10, .width = kMaxPictureSide, .height = 4096},
        TgaFields{.width = 1024, .height = 1024}}) {
    Bytes bytes = tga(fields, {});
    bytes.resize(bytes.size() + 4096, 0x7F);
    EXPECT_FALSE(decode_tga(bytes)) << fields.type << " " << fields.width << "x" << fields.height;
  }
}

TEST(DecodeTga, RunsLayoutsAndSkippedFields) {
  // 3x2: a run of 4 blue pixels crossing the row end, then a run of 128 red cut at the last pixel.
  std::optional<Image> runs =
      decode_tga(tga({.type = 10, .width = 3, .height = 2}, {0x83, 255, 0, 0, 0xFF, 0, 0, 255}));
  ASSERT_TRUE(runs);
  const Pixel b = argb(255, 0, 0, 255), r = argb(255, 255, 0, 0);
  EXPECT_EQ(runs->pixels, (std::vector<Pixel>{b, b, b, b, r, r}));
  // Well packed run-length data is not refused by the size check: 256 pixels in two runs.
  std::optional<Image> packed =
      decode_tga(tga({.type = 10, .width = 16, .height = 16}, {0xFF, 1, 2, 3, 0xFF, 1, 2, 3}));
  ASSERT_TRUE(packed);
  EXPECT_EQ(packed->at(15, 15), argb(255, 3, 2, 1));

  // Three bytes of image id and two 24-bit colour map entries, which true colour ignores.
  Bytes skipped =
      tga({.width = 1, .height = 1, .colour_map_type = 1}, {1, 2, 3, 9, 9, 9, 9, 9, 9, 30, 20, 10});
  skipped[0] = 3;
  skipped[5] = 2;
  skipped[7] = 24;
  std::optional<Image> one = decode_tga(skipped);
  ASSERT_TRUE(one);
  EXPECT_EQ(one->at(0, 0), argb(255, 10, 20, 30));

  // Columns stored right to left; 32 bits per pixel without alpha bits are opaque.
  auto with_descriptor = [](const char* file, int descriptor) {
    Bytes bytes = read_picture(file);
    bytes[17] = std::uint8_t(descriptor);
    return decode_tga(bytes);
  };
  Image mirrored = reference_image(Reference::kRgb);
  for (int y = 0; y < 3; ++y)
    std::reverse(mirrored.pixels.begin() + y * 4, mirrored.pixels.begin() + y * 4 + 4);
  std::optional<Image> image = with_descriptor("tga_rgb24_top.tga", 0x30);
  ASSERT_TRUE(image);
  EXPECT_TRUE(pixels_near(*image, mirrored));
  Image opaque = reference_image(Reference::kRgba);
  for (Pixel& pixel : opaque.pixels) pixel |= 0xFF000000;
  image = with_descriptor("tga_rgba32_top.tga", 0x20);
  ASSERT_TRUE(image);
  EXPECT_TRUE(pixels_near(*image, opaque));
}

}  // namespace
}  // namespace orv::media
