// orvante-level IN OUT: converts a level file into a picture or a picture into a level file,
// the direction taken from the extensions.
#include <cctype>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <optional>

#include "level_picture.h"

namespace {

constexpr const char* kUsage =
    "Usage: orvante-level [--legend LEGEND.txt] LEVEL.ai42 PICTURE.png\n"
    "       orvante-level [--legend LEGEND.txt] PICTURE.png LEVEL.ai42\n"
    "Turns an ORVANTE level file and its alpha file LEVEL.red into an RGBA picture with one\n"
    "pixel per cell, or a picture into a level file and its alpha file: the red, green and\n"
    "blue numbers of a pixel are the three lines of its cell, its alpha the cell's alpha.\n"
    "A legend names tiles for colours instead: pairs of lines, a colour (\"255 255 255\")\n"
    "and the tile it stands for (\"LAB_FLOOR\").\n";

bool has_extension(const std::string& file, const char* extension) {
  std::string e = std::filesystem::path(file).extension().string();
  for (char& c : e) c = char(std::tolower(static_cast<unsigned char>(c)));
  return e == extension;
}

int convert(const std::string& in, const std::string& out, const orv::level::Legend* legend) {
  std::string error;
  bool done = false;
  if (has_extension(in, ".ai42") && has_extension(out, ".png")) {
    const auto picture = orv::level::read_level_picture(in, error, legend);
    done = picture && orv::level::write_png(*picture, out, error);
  } else if (has_extension(out, ".ai42") && !has_extension(in, ".ai42")) {
    const auto picture = orv::level::read_picture(in, error);
    done = picture && orv::level::write_level_files(*picture, out, error, legend);
  } else {
    std::cerr << kUsage;
    return 2;
  }
  if (!done) std::cerr << "orvante-level: " << error << '\n';
  return done ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    std::cout << kUsage;
    return 0;
  }
  std::optional<orv::level::Legend> legend;
  if (argc == 5 && std::strcmp(argv[1], "--legend") == 0) {
    std::string error;
    legend = orv::level::read_legend(argv[2], error);
    if (!legend) {
      std::cerr << "orvante-level: " << error << '\n';
      return 1;
    }
    argv += 2;
    argc -= 2;
  }
  if (argc != 3) {
    std::cerr << kUsage;
    return 2;
  }
  return convert(argv[1], argv[2], legend ? &*legend : nullptr);
}
