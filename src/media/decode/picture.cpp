// Chooses a picture decoder from the magic bytes at the start of the data.
#include "media/decode/picture.h"
#include "media/decode/jpeg.h"
#include "media/decode/png.h"
#include "media/decode/tga.h"
#include "media/decode/tiff.h"

#include <algorithm>
#include <array>

namespace orv::media {
namespace {

constexpr std::array<std::uint8_t, 8> kPngMagic = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::array<std::uint8_t, 2> kJpegMagic = {0xFF, 0xD8};
constexpr std::array<std::uint8_t, 4> kTiffIntelMagic = {'I', 'I', 42, 0};
constexpr std::array<std::uint8_t, 4> kTiffMotorolaMagic = {'M', 'M', 0, 42};
constexpr std::array<std::uint8_t, 4> kBigTiffIntelMagic = {'I', 'I', 43, 0};
constexpr std::array<std::uint8_t, 4> kBigTiffMotorolaMagic = {'M', 'M', 0, 43};

template <std::size_t N>
bool starts_with(std::span<const std::uint8_t> data, const std::array<std::uint8_t, N>& magic) {
  return data.size() >= N && std::equal(magic.begin(), magic.end(), data.begin());
}

bool is_tiff(std::span<const std::uint8_t> data) {
  return starts_with(data, kTiffIntelMagic) || starts_with(data, kTiffMotorolaMagic) ||
         starts_with(data, kBigTiffIntelMagic) || starts_with(data, kBigTiffMotorolaMagic);
}

}  // namespace

std::optional<Image> decode_picture(std::span<const std::uint8_t> data) {
  if (starts_with(data, kPngMagic)) return decode_png(data);
  if (starts_with(data, kJpegMagic)) return decode_jpeg(data);
  if (is_tiff(data)) return decode_tiff(data);
  // TGA has no magic number; its decoder refuses headers that make no sense.
  return decode_tga(data);
}

}  // namespace orv::media
