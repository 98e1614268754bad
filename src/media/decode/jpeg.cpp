// JPEG decoding with libjpeg-turbo: baseline, progressive, greyscale, RGB and CMYK/YCCK.
//
// libjpeg reports errors through error_exit, which here longjmps back into the small C-style
// function that called setjmp; those functions hold no objects with destructors and decode
// into buffers their caller owns. Any warning (corrupt or truncated data) aborts the decode too,
// so a damaged file is refused instead of shown half grey.
#include "media/decode/jpeg.h"

#include <cstdio>  // jpeglib.h needs FILE and size_t declared first

#include <jpeglib.h>

#include <csetjmp>
#include <vector>

#include "media/decode/picture_limits.h"

namespace orv::media {
namespace {

// Coefficient buffers of progressive pictures count against this; beyond it libjpeg fails.
constexpr long kMaxJpegMemory = 512L << 20;
// Real progressive files have about ten scans; thousands of tiny scans only burn time.
constexpr int kMaxScans = 100;

struct JpegDecoder {
  jpeg_decompress_struct info;
  jpeg_error_mgr errors;
  jpeg_progress_mgr progress;
  std::jmp_buf jump;
};

[[noreturn]] void on_error(j_common_ptr info) {
  std::longjmp(static_cast<JpegDecoder*>(info->client_data)->jump, 1);
}

// Level -1 is a warning about corrupt data; higher levels are trace messages.
void on_message(j_common_ptr info, int level) {
  if (level < 0) on_error(info);
}

void no_output(j_common_ptr) {}

void check_progress(j_common_ptr info) {
  if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > kMaxScans) on_error(info);
}

// Owns the decompressor; destroying a zeroed, never-created one is harmless.
class JpegReader {
 public:
  JpegReader() {
    decoder_.info.client_data = &decoder_;  // kept by jpeg_create_decompress
    decoder_.info.err = jpeg_std_error(&decoder_.errors);
    decoder_.errors.error_exit = on_error;
    decoder_.errors.emit_message = on_message;
    decoder_.errors.output_message = no_output;
    decoder_.progress.progress_monitor = check_progress;
  }
  ~JpegReader() { jpeg_destroy_decompress(&decoder_.info); }
  JpegReader(const JpegReader&) = delete;
  JpegReader& operator=(const JpegReader&) = delete;

  JpegDecoder* get() { return &decoder_; }

 private:
  JpegDecoder decoder_{};
};

bool is_cmyk(J_COLOR_SPACE space) {
  return space == JCS_CMYK || space == JCS_YCCK;
}

bool read_jpeg_header(JpegDecoder* decoder, const std::uint8_t* data, std::size_t size) {
  j_decompress_ptr info = &decoder->info;
  if (setjmp(decoder->jump)) return false;
  jpeg_create_decompress(info);
  info->mem->max_memory_to_use = kMaxJpegMemory;
  info->progress = &decoder->progress;
  jpeg_mem_src(info, data, static_cast<unsigned long>(size));
  if (jpeg_read_header(info, TRUE) != JPEG_HEADER_OK) return false;
  switch (info->jpeg_color_space) {
    case JCS_GRAYSCALE:
    case JCS_RGB:
    case JCS_YCbCr:
      info->out_color_space = JCS_EXT_BGRA;
      return true;
    case JCS_CMYK:
    case JCS_YCCK:
      info->out_color_space = JCS_CMYK;
      return true;
    default:
      return false;
  }
}

// Adobe applications write inverted inks (255 = no ink); other writers store plain ink amounts.
void cmyk_to_pixels(const std::uint8_t* cmyk, Pixel* out, JDIMENSION width, bool inverted) {
  for (JDIMENSION x = 0; x < width; ++x, cmyk += 4) {
    int c = inverted ? cmyk[0] : 255 - cmyk[0];
    int m = inverted ? cmyk[1] : 255 - cmyk[1];
    int y = inverted ? cmyk[2] : 255 - cmyk[2];
    int k = inverted ? cmyk[3] : 255 - cmyk[3];
    out[x] = argb(255, (c * k + 127) / 255, (m * k + 127) / 255, (y * k + 127) / 255);
  }
}

// Decodes every scanline into pixels (width * height, pre-sized by the caller). CMYK pictures
// pass through cmyk_row (width * 4 bytes); others are decoded in place.
bool read_jpeg_pixels(JpegDecoder* decoder, Pixel* pixels, std::uint8_t* cmyk_row) {
  j_decompress_ptr info = &decoder->info;
  if (setjmp(decoder->jump)) return false;
  if (!jpeg_start_decompress(info)) return false;
  if (info->output_width != info->image_width || info->output_height != info->image_height)
    return false;
  while (info->output_scanline < info->output_height) {
    Pixel* row = pixels + std::size_t(info->output_scanline) * info->output_width;
    JSAMPROW target = cmyk_row ? cmyk_row : reinterpret_cast<JSAMPROW>(row);
    if (jpeg_read_scanlines(info, &target, 1) != 1) return false;
    if (cmyk_row) cmyk_to_pixels(cmyk_row, row, info->output_width, info->saw_Adobe_marker);
  }
  jpeg_finish_decompress(info);
  return true;
}

}  // namespace

std::optional<Image> decode_jpeg(std::span<const std::uint8_t> data) {
  if (data.size() < 4) return std::nullopt;
  JpegReader reader;
  JpegDecoder* decoder = reader.get();
  if (!read_jpeg_header(decoder, data.data(), data.size())) return std::nullopt;
  const jpeg_decompress_struct& info = decoder->info;
  // Checked before jpeg_start_decompress, which allocates whole-picture buffers for
  // progressive files.
  if (!picture_size_allowed(info.image_width, info.image_height)) return std::nullopt;

  Image image(int(info.image_width), int(info.image_height));
  std::vector<std::uint8_t> cmyk_row;
  if (is_cmyk(info.jpeg_color_space)) cmyk_row.resize(std::size_t(info.image_width) * 4);
  if (!read_jpeg_pixels(decoder, image.pixels.data(), cmyk_row.empty() ? nullptr : cmyk_row.data()))
    return std::nullopt;
  return image;
}

}  // namespace orv::media
