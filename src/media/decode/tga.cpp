// TGA decoding: true colour (24 and 32 bit) and greyscale (8 bit), uncompressed (types 2 and 3)
// or run-length coded (types 10 and 11), in every row and column order.
#include "media/decode/tga.h"

#include <algorithm>
#include <cstddef>

#include "media/decode/picture_limits.h"

namespace orv::media {
namespace {

constexpr std::size_t kHeaderSize = 18;
constexpr int kTrueColour = 2;
constexpr int kGrey = 3;
constexpr int kRunLengthFlag = 8;  // types 10 and 11 are 2 and 3 run-length coded
constexpr int kMaxPacketPixels = 128;

struct TgaHeader {
  int id_length;
  int colour_map_type;
  int image_type;
  int map_length;
  int map_entry_bits;
  int width;
  int height;
  int depth;
  int descriptor;
};

int read_u16(std::span<const std::uint8_t> data, std::size_t at) {
  return data[at] | (data[at + 1] << 8);
}

TgaHeader parse_header(std::span<const std::uint8_t> data) {
  return TgaHeader{data[0],
                   data[1],
                   data[2],
                   read_u16(data, 5),
                   data[7],
                   read_u16(data, 12),
                   read_u16(data, 14),
                   data[16],
                   data[17]};
}

bool header_plausible(const TgaHeader& header) {
  int base_type = header.image_type & ~kRunLengthFlag;
  bool type_ok = header.image_type <= (kGrey | kRunLengthFlag) &&
                 (base_type == kTrueColour || base_type == kGrey);
  bool depth_ok = base_type == kGrey ? header.depth == 8 : header.depth == 24 || header.depth == 32;
  return type_ok && depth_ok && header.colour_map_type <= 1 &&
         picture_size_allowed(header.width, header.height);
}

// Reads pixels in file order from the data after the header and colour map.
class PixelReader {
 public:
  PixelReader(std::span<const std::uint8_t> data, const TgaHeader& header)
      : data_(data),
        bytes_(header.depth / 8),
        has_alpha_(header.depth == 32 && (header.descriptor & 0x0F) != 0) {}

  std::size_t left() const { return data_.size() - offset_; }
  int bytes_per_pixel() const { return bytes_; }

  // The caller makes sure at least bytes_per_pixel() bytes are left.
  Pixel next() {
    const std::uint8_t* p = data_.data() + offset_;
    offset_ += std::size_t(bytes_);
    if (bytes_ == 1) return argb(255, p[0], p[0], p[0]);
    return argb(has_alpha_ ? p[3] : 255, p[2], p[1], p[0]);
  }
  bool read(Pixel* out) {
    if (left() < std::size_t(bytes_)) return false;
    *out = next();
    return true;
  }
  bool read_byte(int* out) {
    if (left() < 1) return false;
    *out = data_[offset_++];
    return true;
  }

 private:
  std::span<const std::uint8_t> data_;
  std::size_t offset_ = 0;
  int bytes_;
  bool has_alpha_;
};

bool read_plain(PixelReader& reader, std::span<Pixel> out) {
  if (reader.left() / std::size_t(reader.bytes_per_pixel()) < out.size()) return false;
  for (Pixel& pixel : out) pixel = reader.next();
  return true;
}

// Packets may run across row ends; one that runs past the last pixel is cut short.
bool read_run_length(PixelReader& reader, std::span<Pixel> out) {
  std::size_t done = 0;
  while (done < out.size()) {
    int packet = 0;
    if (!reader.read_byte(&packet)) return false;
    std::size_t count = std::min<std::size_t>(std::size_t(packet & 0x7F) + 1, out.size() - done);
    if (packet & 0x80) {
      Pixel pixel = 0;
      if (!reader.read(&pixel)) return false;
      std::fill_n(out.begin() + std::ptrdiff_t(done), count, pixel);
    } else if (!read_plain(reader, out.subspan(done, count))) {
      return false;
    }
    done += count;
  }
  return true;
}

// A run-length file needs at least one packet of a count byte and a pixel per 128 pixels;
// refusing shorter data keeps a tiny file from claiming a huge allocation.
bool enough_data(std::size_t available, const TgaHeader& header) {
  std::size_t pixels = std::size_t(header.width) * std::size_t(header.height);
  std::size_t bytes = std::size_t(header.depth / 8);
  if (header.image_type & kRunLengthFlag)
    return available / (bytes + 1) >= (pixels + kMaxPacketPixels - 1) / kMaxPacketPixels;
  return available / bytes >= pixels;
}

// Bit 5 of the descriptor set: rows stored top first; bit 4 set: columns stored right first.
void to_top_left(Image& image, int descriptor) {
  auto row = [&](int y) { return image.pixels.begin() + std::ptrdiff_t(y) * image.width; };
  if (descriptor & 0x10)
    for (int y = 0; y < image.height; ++y) std::reverse(row(y), row(y + 1));
  if (!(descriptor & 0x20))
    for (int y = 0; y < image.height / 2; ++y)
      std::swap_ranges(row(y), row(y + 1), row(image.height - 1 - y));
}

}  // namespace

std::optional<Image> decode_tga(std::span<const std::uint8_t> data) {
  if (data.size() < kHeaderSize) return std::nullopt;
  TgaHeader header = parse_header(data);
  if (!header_plausible(header)) return std::nullopt;
  // The image id and any colour map come before the pixels; true colour pictures ignore the map.
  std::size_t map_bytes = header.colour_map_type
                              ? std::size_t(header.map_length) * ((header.map_entry_bits + 7) / 8)
                              : 0;
  std::size_t start = kHeaderSize + std::size_t(header.id_length) + map_bytes;
  if (start > data.size() || !enough_data(data.size() - start, header)) return std::nullopt;

  Image image(header.width, header.height);
  PixelReader reader(data.subspan(start), header);
  bool ok = (header.image_type & kRunLengthFlag) ? read_run_length(reader, image.pixels)
                                                 : read_plain(reader, image.pixels);
  if (!ok) return std::nullopt;
  to_top_left(image, header.descriptor);
  return image;
}

}  // namespace orv::media
