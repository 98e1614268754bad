#include "level_check.h"

#include <algorithm>
#include <cstdint>
#include <set>

#include "data_check.h"
#include "game/game.h"
#include "game/grid.h"
#include "levels/level_file.h"
#include "media/numbers.h"

namespace orv::check {
namespace {

constexpr int kHeaderLines = 5;

// The size a level or alpha file's header gives.
struct Header {
  std::int64_t columns = 0;
  std::int64_t rows = 0;
  std::int64_t cells() const { return columns * rows; }
};

std::string size_text(const Header& h) {
  return std::to_string(h.columns) + " x " + std::to_string(h.rows);
}

Header read_header(media::Files& files, media::FileId f) {
  Header h;
  for (int line = 1; line <= kHeaderLines; ++line) {
    const std::string text = files.read_string(f);
    if (line == 2) h.columns = std::int64_t(media::val(text)) + 1;
    if (line == 3) h.rows = std::int64_t(media::val(text)) + 1;
  }
  return h;
}

// Reports a header without cells or larger than the grid; true when it is usable.
bool check_header(DataCheck& c, const std::string& file, const Header& h) {
  if (h.columns < 1 || h.rows < 1) {
    c.report.add(file, 2, "the header gives " + size_text(h) + " cells: the level has none");
    return false;
  }
  if (h.columns > kLargestGridSize || h.rows > kLargestGridSize) {
    c.report.add(file, 2,
                 "the header gives " + size_text(h) + " cells, more than the grid's " +
                     std::to_string(kLargestGridSize) + " x " + std::to_string(kLargestGridSize));
    return false;
  }
  return true;
}

void check_length(DataCheck& c, const std::string& file, const Header& h, std::int64_t lines,
                  int lines_per_cell) {
  const std::int64_t expected = h.cells() * lines_per_cell;
  if (lines == expected) return;
  c.report.add(file, 2,
               "the header gives " + size_text(h) + " cells (" + std::to_string(expected) +
                   " lines after the header) but " + std::to_string(lines) + " lines follow it");
}

// Floor the player walks on is painted blue and then fixed: those tiles are needed too, from
// the first floor cell on.
void add_painted_floor(std::vector<TileUse>& used) {
  const auto floor = std::find_if(used.begin(), used.end(), [](const TileUse& u) {
    return u.name == "LAB_FLOOR" || u.name == "LAB_GREEN";
  });
  if (floor == used.end()) return;
  const TileUse first = *floor;
  for (const char* painted : {"LAB_BLUE_FLOOR", "LAB_FIXED_FLOOR"})
    used.push_back({painted, first.file, first.line});
}

// Reads the cells of the level file, collecting the first use of each tile name.
std::vector<TileUse> check_level_file(DataCheck& c, const std::string& file, Header& h) {
  media::Files& files = c.g.media.files;
  const media::FileId f = files.read_file(file);
  h = read_header(files, f);
  std::vector<TileUse> used;
  if (check_header(c, file, h)) {
    std::set<std::string> seen;
    std::int64_t lines = 0;
    while (!files.eof(f)) {
      const int line = kHeaderLines + 1 + int(lines);
      std::string name = files.read_string(f);
      name += files.read_string(f);
      name += files.read_string(f);
      if (lines < h.cells() * 3 && seen.insert(name).second) used.push_back({name, file, line});
      lines += 3;
    }
    check_length(c, file, h, lines, 3);
    add_painted_floor(used);
  } else {
    h = Header{};  // nothing more to compare with
  }
  files.close_file(f);
  return used;
}

bool is_alpha(const std::string& line) {
  if (!reads_as_number(line)) return false;
  const std::int32_t alpha = media::val(line);
  return alpha >= 0 && alpha <= 255;
}

void check_alpha_file(DataCheck& c, const std::string& file, const Header& level) {
  media::Files& files = c.g.media.files;
  const media::FileId f = files.read_file(file);
  if (!f) {
    c.add_at_key("APPSTART", "no alpha file " + quoted(file.substr(c.root.size())) +
                                 ": every cell of the level is drawn see-through");
    return;
  }
  const Header h = read_header(files, f);
  if (h.columns != level.columns || h.rows != level.rows) {
    c.report.add(file, 2,
                 "the header gives " + size_text(h) + " cells, the level file " + size_text(level));
  } else {
    std::int64_t lines = 0;
    bool reported = false;
    for (; !files.eof(f); ++lines) {
      const std::string value = files.read_string(f);
      if (reported || is_alpha(value)) continue;
      reported = true;
      c.report.add(file, kHeaderLines + 1 + int(lines),
                   quoted(value) + " is no alpha from 0 to 255 (the first such line)");
    }
    check_length(c, file, h, lines, 1);
  }
  files.close_file(f);
}

}  // namespace

std::vector<TileUse> check_level(DataCheck& c) {
  Game& g = c.g;
  if (g.config.generate_levels == 1) {
    std::vector<TileUse> used;
    for (NameId id = name::kLabWall; id <= name::kLabWaterS; ++id)
      used.push_back({g.world.names.text(id), c.configuration, c.line_of("APPSTART")});
    return used;
  }
  const std::string level = c.in_folder(level_file_name(g.config));
  if (find_path(level) == Found::kMissing) {
    c.add_at_key("APPSTART", "the level file " + quoted(level_file_name(g.config)) +
                                 " does not exist: the game cannot start");
    return {};
  }
  Header h;
  std::vector<TileUse> used = check_level_file(c, level, h);
  if (h.columns >= 1 && h.rows >= 1)
    check_alpha_file(c, c.in_folder(g.config.level_file_prefix + g.config.level_set_name + ".red"),
                     h);
  return used;
}

}  // namespace orv::check
