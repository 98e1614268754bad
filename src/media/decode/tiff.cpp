// TIFF decoding with libtiff, read from memory through TIFFClientOpenExt. libtiff's RGBA
// interface converts every photometric interpretation, bit depth and compression it knows; its
// output has premultiplied alpha, which is undone here.
#include "media/decode/tiff.h"

#include <tiffio.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>

#include "media/decode/picture_limits.h"

namespace orv::media {
namespace {

// No single allocation of libtiff may exceed this (strip buffers, tag arrays).
constexpr tmsize_t kMaxTiffAllocation = tmsize_t(256) << 20;

struct TiffSource {
  const std::uint8_t* data;
  std::uint64_t size;
  std::uint64_t offset;
};

TiffSource& source_of(thandle_t handle) {
  return *static_cast<TiffSource*>(handle);
}

tmsize_t read_proc(thandle_t handle, void* out, tmsize_t count) {
  TiffSource& source = source_of(handle);
  if (count < 0) return -1;
  std::uint64_t left = source.offset < source.size ? source.size - source.offset : 0;
  std::uint64_t taken = std::min<std::uint64_t>(left, std::uint64_t(count));
  if (taken > 0) std::memcpy(out, source.data + source.offset, taken);
  source.offset += taken;
  return tmsize_t(taken);
}

tmsize_t write_proc(thandle_t, void*, tmsize_t) {
  return -1;
}

// Offsets are unsigned but carry negative distances for SEEK_CUR and SEEK_END.
toff_t seek_proc(thandle_t handle, toff_t offset, int whence) {
  TiffSource& source = source_of(handle);
  std::int64_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? source.offset : source.size;
  std::int64_t target = 0;
  if (__builtin_add_overflow(base, std::int64_t(offset), &target) || target < 0)
    return static_cast<toff_t>(-1);
  source.offset = std::uint64_t(target);
  return source.offset;
}

int close_proc(thandle_t) {
  return 0;
}

toff_t size_proc(thandle_t handle) {
  return source_of(handle).size;
}

int map_proc(thandle_t, void**, toff_t*) {
  return 0;
}

void unmap_proc(thandle_t, void*, toff_t) {}

// Returning 1 tells libtiff the message was handled, so its default stderr handler stays quiet.
int silent_handler(TIFF*, void*, const char*, const char*, va_list) {
  return 1;
}

// A few old code paths still report through the process-wide handlers; nothing else in the
// game uses libtiff, so these are silenced once for good.
void silence_global_handlers() {
  static const bool silenced = [] {
    TIFFSetErrorHandler(nullptr);
    TIFFSetWarningHandler(nullptr);
    return true;
  }();
  (void)silenced;
}

struct OptionsDeleter {
  void operator()(TIFFOpenOptions* options) const { TIFFOpenOptionsFree(options); }
};
struct TiffDeleter {
  void operator()(TIFF* tiff) const { TIFFClose(tiff); }
};
using TiffPtr = std::unique_ptr<TIFF, TiffDeleter>;

TiffPtr open_tiff(TiffSource* source) {
  std::unique_ptr<TIFFOpenOptions, OptionsDeleter> options(TIFFOpenOptionsAlloc());
  if (!options) return nullptr;
  TIFFOpenOptionsSetMaxSingleMemAlloc(options.get(), kMaxTiffAllocation);
  TIFFOpenOptionsSetErrorHandlerExtR(options.get(), silent_handler, nullptr);
  TIFFOpenOptionsSetWarningHandlerExtR(options.get(), silent_handler, nullptr);
  // "m": never ask for a memory mapping; reads go through read_proc.
  return TiffPtr(TIFFClientOpenExt("picture", "rm", source, read_proc, write_proc, seek_proc,
                                   close_proc, size_proc, map_proc, unmap_proc, options.get()));
}

// libtiff's raster holds A, B, G, R from the high byte down, with premultiplied colour.
Pixel from_raster(std::uint32_t abgr) {
  int r = int(TIFFGetR(abgr));
  int g = int(TIFFGetG(abgr));
  int b = int(TIFFGetB(abgr));
  int a = int(TIFFGetA(abgr));
  if (a > 0 && a < 255) {
    r = std::min(255, (r * 255 + a / 2) / a);
    g = std::min(255, (g * 255 + a / 2) / a);
    b = std::min(255, (b * 255 + a / 2) / a);
  }
  return argb(a, r, g, b);
}

}  // namespace

std::optional<Image> decode_tiff(std::span<const std::uint8_t> data) {
  if (data.size() < 8) return std::nullopt;
  silence_global_handlers();
  TiffSource source{data.data(), data.size(), 0};
  TiffPtr tiff = open_tiff(&source);
  if (!tiff) return std::nullopt;

  std::uint32_t width = 0;
  std::uint32_t height = 0;
  if (TIFFGetField(tiff.get(), TIFFTAG_IMAGEWIDTH, &width) != 1 ||
      TIFFGetField(tiff.get(), TIFFTAG_IMAGELENGTH, &height) != 1 ||
      !picture_size_allowed(width, height))
    return std::nullopt;
  char message[1024];
  if (!TIFFRGBAImageOK(tiff.get(), message)) return std::nullopt;

  Image image(static_cast<int>(width), static_cast<int>(height));
  static_assert(sizeof(Pixel) == sizeof(std::uint32_t));
  auto* raster = reinterpret_cast<std::uint32_t*>(image.pixels.data());
  if (!TIFFReadRGBAImageOriented(tiff.get(), width, height, raster, ORIENTATION_TOPLEFT, 1))
    return std::nullopt;
  for (Pixel& pixel : image.pixels) pixel = from_raster(pixel);
  return image;
}

}  // namespace orv::media
