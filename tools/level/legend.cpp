#include "legend.h"

#include <sstream>

#include "media/files.h"
#include "media/files/paths.h"
#include "media/numbers.h"

namespace orv::level {
namespace {

// Three numbers 0 to 255, written plainly, separated by blanks or commas.
std::optional<media::Pixel> parse_colour(std::string text) {
  for (char& c : text)
    if (c == ',' || c == '\t') c = ' ';
  std::istringstream in(text);
  std::string part;
  media::Pixel colour = 0;
  int parts = 0;
  while (in >> part) {
    const std::int32_t n = media::val(part);
    if (++parts > 3 || n < 0 || n > 255 || media::str(n) != part) return std::nullopt;
    colour = (colour << 8) | media::Pixel(n);
  }
  if (parts != 3) return std::nullopt;
  return colour;
}

std::string at_line(const std::string& file, int line) {
  return file + ":" + std::to_string(line) + ": ";
}

}  // namespace

const std::string* Legend::tile_of(media::Pixel colour) const {
  for (const LegendEntry& e : entries)
    if (e.colour == (colour & 0x00FFFFFFu)) return &e.tile;
  return nullptr;
}

std::optional<media::Pixel> Legend::colour_of(const std::string& tile) const {
  for (const LegendEntry& e : entries)
    if (e.tile == tile) return e.colour;
  return std::nullopt;
}

std::optional<Legend> read_legend(const std::string& file, std::string& error) {
  media::Files files;
  const media::FileId f = files.read_file(file);
  if (!f) {
    error = file + ": cannot be read";
    return std::nullopt;
  }
  Legend legend;
  for (int line = 1; !files.eof(f); line += 2) {
    const std::string colour_text = files.read_string(f);
    const std::string tile = files.read_string(f);
    if (colour_text.empty() && tile.empty()) continue;  // blank lines at the end
    const auto colour = parse_colour(colour_text);
    if (!colour) {
      error =
          at_line(file, line) + "\"" + colour_text + "\" is not a colour: three numbers 0 to 255";
    } else if (tile.empty() || !media::is_plain_name(tile)) {
      error = at_line(file, line + 1) + "\"" + tile + "\" is not a tile name";
    } else if (legend.tile_of(*colour) != nullptr || legend.colour_of(tile)) {
      error = at_line(file, line) + "colour or tile \"" + tile + "\" given twice";
    } else {
      legend.entries.push_back({*colour, tile});
      continue;
    }
    files.close_file(f);
    return std::nullopt;
  }
  files.close_file(f);
  return legend;
}

std::array<std::string, 3> cell_lines_of(const std::string& tile) {
  const std::size_t cut = tile.find('_');
  if (cut == std::string::npos) return {tile, "", ""};
  return {tile.substr(0, cut), "_", tile.substr(cut + 1)};
}

}  // namespace orv::level
