// PNG decoding with libpng. Every colour type, bit depth, tRNS and interlacing is turned into
// 8-bit B, G, R, A bytes by libpng's own transformations; no gamma correction is applied, so the
// pixels are exactly those stored (colour keys stay exact).
//
// libpng reports errors by longjmp. The functions that call setjmp are plain C-style functions
// holding no objects with destructors; the image buffer they fill is owned by the caller.
#include "media/decode/png.h"

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <vector>

#include "media/decode/picture_limits.h"

namespace orv::media {
namespace {

// Ancillary chunks are cached at most this many, each decompressed to at most this size.
constexpr png_uint_32 kMaxCachedChunks = 128;
constexpr png_alloc_size_t kMaxChunkBytes = 4 << 20;

// Text, colour profile and suggested-palette chunks are of no use to the game: skip them
// rather than decompress them.
constexpr png_byte kSkippedChunks[] = {'i', 'C', 'C', 'P', '\0', 'i', 'T', 'X', 't', '\0',
                                       't', 'E', 'X', 't', '\0', 'z', 'T', 'X', 't', '\0',
                                       's', 'P', 'L', 'T', '\0', 'e', 'X', 'I', 'f', '\0'};

struct PngSource {
  const std::uint8_t* data;
  std::size_t size;
  std::size_t offset;
};

void read_bytes(png_structp png, png_bytep out, png_size_t count) {
  auto* source = static_cast<PngSource*>(png_get_io_ptr(png));
  if (count > source->size - source->offset) png_error(png, "unexpected end of data");
  std::memcpy(out, source->data + source->offset, count);
  source->offset += count;
}

[[noreturn]] void on_error(png_structp png, png_const_charp) {
  png_longjmp(png, 1);
}

void on_warning(png_structp, png_const_charp) {}

// Owns libpng's read and info structures.
class PngReader {
 public:
  PngReader() {
    png_ = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, on_error, on_warning);
    if (png_) info_ = png_create_info_struct(png_);
  }
  ~PngReader() { png_destroy_read_struct(&png_, info_ ? &info_ : nullptr, nullptr); }
  PngReader(const PngReader&) = delete;
  PngReader& operator=(const PngReader&) = delete;

  bool ok() const { return png_ && info_; }
  png_structp png() const { return png_; }
  png_infop info() const { return info_; }

 private:
  png_structp png_ = nullptr;
  png_infop info_ = nullptr;
};

void set_limits(png_structp png) {
  png_set_user_limits(png, kMaxPictureSide, kMaxPictureSide);
  png_set_chunk_cache_max(png, kMaxCachedChunks);
  png_set_chunk_malloc_max(png, kMaxChunkBytes);
  png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, kSkippedChunks,
                              int(sizeof(kSkippedChunks) / 5));
}

// Whatever the file holds, rows come out as 8-bit B, G, R, A.
void set_transformations(png_structp png) {
  png_set_expand(png);  // palette to RGB, grey below 8 bits to 8 bits, tRNS to alpha
  png_set_scale_16(png);
  png_set_gray_to_rgb(png);
  png_set_bgr(png);
  png_set_filler(png, 0xFF, PNG_FILLER_AFTER);  // opaque alpha where the file has none
  png_set_interlace_handling(png);
}

// Reads the header and sets up the transformations; false on any error.
bool read_png_header(png_structp png, png_infop info, png_uint_32* width, png_uint_32* height) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_info(png, info);
  set_transformations(png);
  png_read_update_info(png, info);
  *width = png_get_image_width(png, info);
  *height = png_get_image_height(png, info);
  return png_get_rowbytes(png, info) == std::size_t(*width) * 4;
}

// Reads every row, then the chunks after the image data up to IEND; false on any error.
bool read_png_rows(png_structp png, png_bytepp rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_image(png, rows);
  png_read_end(png, nullptr);
  return true;
}

}  // namespace

std::optional<Image> decode_png(std::span<const std::uint8_t> data) {
  if (data.size() < 8 || png_sig_cmp(data.data(), 0, 8) != 0) return std::nullopt;
  PngReader reader;
  if (!reader.ok()) return std::nullopt;
  PngSource source{data.data(), data.size(), 0};
  png_set_read_fn(reader.png(), &source, read_bytes);
  set_limits(reader.png());

  png_uint_32 width = 0;
  png_uint_32 height = 0;
  if (!read_png_header(reader.png(), reader.info(), &width, &height)) return std::nullopt;
  if (!picture_size_allowed(width, height)) return std::nullopt;

  Image image(static_cast<int>(width), static_cast<int>(height));
  std::vector<png_bytep> rows(height);
  for (png_uint_32 y = 0; y < height; ++y)
    rows[y] = reinterpret_cast<png_bytep>(&image.at(0, int(y)));
  if (!read_png_rows(reader.png(), rows.data())) return std::nullopt;
  return image;
}

}  // namespace orv::media
