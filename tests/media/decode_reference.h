// Reference pixels and comparisons for the picture decoder tests. The pictures match those that
// tests/fixtures/pictures/make_pictures.py writes.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <span>
#include <string>

#include "media/decode/picture.h"
#include "media/types.h"

namespace orv::media {

enum class Reference {
  kRgb,        // 4x3, twelve distinct opaque colours
  kRgba,       // the same colours, each with its own alpha
  kGrey,       // 4x3 grey levels, all multiples of 17
  kGreyAlpha,  // the grey levels with the alphas of kRgba
  kPattern,    // 8x8 colour and alpha gradient
};

Image reference_image(Reference reference);

// The fixture file tests/fixtures/pictures/<name>; empty when missing.
Bytes read_picture(const std::string& name);

struct Tolerance {
  int channel = 0;  // largest difference allowed per channel
  // The file went through premultiplied alpha: colours are compared premultiplied.
  bool premultiplied = false;
};

// Same size and every pixel within the tolerance. The colour of a pixel whose expected alpha is
// 0 is not compared.
::testing::AssertionResult pixels_near(const Image& actual, const Image& expected,
                                       Tolerance tolerance = {});

using Decoder = std::optional<Image> (*)(std::span<const std::uint8_t>);

// One fixture file and the picture it holds.
struct PictureCase {
  const char* file;
  Decoder decoder;
  Reference reference;
  Tolerance tolerance = {};
  bool last_byte_needed = true;  // cutting off the last byte must make the file unreadable
};

void PrintTo(const PictureCase& picture, std::ostream* out);

// A size written into a picture header by the size limit tests.
struct ClaimedSize {
  std::uint32_t width;
  std::uint32_t height;
};

// The checks every fixture picture goes through; its tests are in decode_picture_test.cpp and
// each format's test file lists its fixtures.
class DecodeFixture : public ::testing::TestWithParam<PictureCase> {
 protected:
  void SetUp() override {
    bytes_ = read_picture(GetParam().file);
    ASSERT_FALSE(bytes_.empty()) << "missing fixture " << GetParam().file;
  }
  std::optional<Image> decode(std::span<const std::uint8_t> data) const {
    return GetParam().decoder(data);
  }

  Bytes bytes_;
};

}  // namespace orv::media
