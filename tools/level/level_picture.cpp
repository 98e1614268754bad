#include "level_picture.h"

#include <png.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "game/grid.h"
#include "media/decode/picture.h"
#include "media/files.h"
#include "media/files/paths.h"
#include "media/numbers.h"

namespace orv::level {
namespace {

constexpr int kHeaderLines = 5;
constexpr std::size_t kMostPictureBytes = std::size_t(256) << 20;

// The lines of a level or alpha file, read as the game reads them.
class LineFile {
 public:
  explicit LineFile(const std::string& path) : handle_(files_.read_file(path)) {}
  ~LineFile() {
    if (handle_) files_.close_file(handle_);
  }
  LineFile(const LineFile&) = delete;
  LineFile& operator=(const LineFile&) = delete;

  bool is_open() const { return bool(handle_); }
  bool at_end() { return files_.eof(handle_); }
  std::string next() {
    ++line_;
    return files_.read_string(handle_);
  }
  int line() const { return line_; }

 private:
  media::Files files_;
  media::FileId handle_;
  int line_ = 0;
};

// The number of a line holding 0 to 255 exactly as the converter writes it.
std::optional<int> colour_number(const std::string& text) {
  const std::int32_t n = media::val(text);
  if (n < 0 || n > 255 || media::str(n) != text) return std::nullopt;
  return n;
}

std::string where(const std::string& file, int line) {
  return file + ":" + std::to_string(line) + ": ";
}

// Reads the header; columns and rows receive the level's size.
bool read_header(LineFile& in, const std::string& file, int& columns, int& rows,
                 std::string& error) {
  std::int64_t size[2] = {0, 0};
  for (int line = 1; line <= kHeaderLines; ++line) {
    const std::string text = in.next();
    if (line == 2 || line == 3) size[line - 2] = std::int64_t(media::val(text)) + 1;
  }
  if (size[0] < 1 || size[1] < 1 || size[0] > kLargestGridSize || size[1] > kLargestGridSize) {
    error = where(file, 2) + "the header gives no size from 1 x 1 to " +
            std::to_string(kLargestGridSize) + " x " + std::to_string(kLargestGridSize);
    return false;
  }
  columns = int(size[0]);
  rows = int(size[1]);
  return true;
}

// Reads the next line into text.
bool read_line(LineFile& in, const std::string& file, std::string& text, std::string& error) {
  if (in.at_end()) {
    error = where(file, in.line()) + "the file ends before its last cell";
    return false;
  }
  text = in.next();
  return true;
}

// Reads the next number 0..255 into value.
bool read_number(LineFile& in, const std::string& file, int& value, std::string& error) {
  std::string text;
  if (!read_line(in, file, text, error)) return false;
  const auto n = colour_number(text);
  if (!n) {
    error = where(file, in.line()) + "\"" + text + "\" is not a number from 0 to 255";
    return false;
  }
  value = *n;
  return true;
}

// Reads one cell's three lines as its colour: the legend's colour of its tile, or the numbers.
bool read_cell_colour(LineFile& in, const std::string& file, const Legend* legend,
                      media::Pixel& colour, std::string& error) {
  std::string lines[3];
  for (std::string& text : lines)
    if (!read_line(in, file, text, error)) return false;
  if (legend != nullptr) {
    if (const auto c = legend->colour_of(lines[0] + lines[1] + lines[2])) {
      colour = media::Pixel(0xFF000000u) | *c;
      return true;
    }
  }
  int rgb[3];
  for (int i = 0; i < 3; ++i) {
    const auto n = colour_number(lines[i]);
    if (!n) {
      error = where(file, in.line() - 2 + i) + "\"" + lines[i] +
              "\" is not a number from 0 to 255" +
              (legend ? " nor part of a tile of the legend" : "");
      return false;
    }
    rgb[i] = *n;
  }
  colour = media::argb(255, rgb[0], rgb[1], rgb[2]);
  return true;
}

bool read_colours(const std::string& file, const Legend* legend, media::Image& picture,
                  std::string& error) {
  LineFile in(file);
  if (!in.is_open()) {
    error = file + ": cannot be read";
    return false;
  }
  int columns = 0, rows = 0;
  if (!read_header(in, file, columns, rows, error)) return false;
  picture = media::Image(columns, rows);
  for (int x = 0; x < columns; ++x)
    for (int y = 0; y < rows; ++y)
      if (!read_cell_colour(in, file, legend, picture.at(x, y), error)) return false;
  return true;
}

bool read_alphas(const std::string& file, media::Image& picture, std::string& error) {
  LineFile in(file);
  if (!in.is_open()) return true;  // every cell stays opaque
  int columns = 0, rows = 0;
  if (!read_header(in, file, columns, rows, error)) return false;
  if (columns != picture.width || rows != picture.height) {
    error = where(file, 2) + "the alpha file's size differs from the level file's";
    return false;
  }
  for (int x = 0; x < columns; ++x) {
    for (int y = 0; y < rows; ++y) {
      int a = 0;
      if (!read_number(in, file, a, error)) return false;
      picture.at(x, y) = (picture.at(x, y) & 0x00FFFFFFu) | (media::Pixel(a) << 24);
    }
  }
  return true;
}

bool write_lines(const std::string& file, const std::string& text, std::string& error) {
  std::ofstream out(file, std::ios::binary);
  out << text;
  out.close();
  if (!out) error = file + ": cannot be written";
  return bool(out);
}

std::string header_of(const media::Image& picture, const std::string& level_file) {
  const std::string name = std::filesystem::path(level_file).stem().string();
  return name + "\r\n" + media::str(picture.width - 1) + "\r\n" + media::str(picture.height - 1) +
         "\r\n0\r\n0\r\n";
}

}  // namespace

std::string alpha_file_of(const std::string& level_file) {
  return std::filesystem::path(level_file).replace_extension(".red").string();
}

std::optional<media::Image> read_level_picture(const std::string& level_file, std::string& error,
                                               const Legend* legend) {
  media::Image picture;
  if (!read_colours(level_file, legend, picture, error)) return std::nullopt;
  if (!read_alphas(alpha_file_of(level_file), picture, error)) return std::nullopt;
  return picture;
}

bool write_level_files(const media::Image& picture, const std::string& level_file,
                       std::string& error, const Legend* legend) {
  if (picture.empty() || picture.width > kLargestGridSize || picture.height > kLargestGridSize) {
    error = "a level has 1 x 1 to " + std::to_string(kLargestGridSize) + " x " +
            std::to_string(kLargestGridSize) + " cells, the picture " +
            std::to_string(picture.width) + " x " + std::to_string(picture.height) + " pixels";
    return false;
  }
  std::string cells = header_of(picture, level_file);
  std::string alphas = cells;
  for (int x = 0; x < picture.width; ++x) {
    for (int y = 0; y < picture.height; ++y) {
      const media::Pixel p = picture.at(x, y);
      if (const std::string* tile = legend ? legend->tile_of(p) : nullptr) {
        for (const std::string& line : cell_lines_of(*tile)) cells += line + "\r\n";
      } else {
        for (int shift : {16, 8, 0}) cells += media::str((p >> shift) & 255) + "\r\n";
      }
      alphas += media::str(p >> 24) + "\r\n";
    }
  }
  return write_lines(level_file, cells, error) &&
         write_lines(alpha_file_of(level_file), alphas, error);
}

std::optional<media::Image> read_picture(const std::string& file, std::string& error) {
  const auto bytes = media::read_whole_file(file, kMostPictureBytes);
  if (!bytes) {
    error = file + ": cannot be read";
    return std::nullopt;
  }
  auto picture = media::decode_picture(*bytes);
  if (!picture) error = file + ": not a picture the game decodes";
  return picture;
}

bool write_png(const media::Image& picture, const std::string& file, std::string& error) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = png_uint_32(picture.width);
  image.height = png_uint_32(picture.height);
  // 0xAARRGGBB pixels lie in memory as the bytes B, G, R, A.
  image.format = PNG_FORMAT_BGRA;
  if (png_image_write_to_file(&image, file.c_str(), 0, picture.pixels.data(), 0, nullptr) == 0) {
    error = file + ": cannot be written (" + image.message + ")";
    return false;
  }
  return true;
}

}  // namespace orv::level
