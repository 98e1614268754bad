#include "bot/largest_data.h"

#include <sstream>

namespace orv::bot {
namespace {

constexpr const char* kPickUps[] = {"GEM", "CLOCK", "BOMB", "STAR"};

// The definition with every CHILDn value replaced by a pick-up.
std::string with_all_children(const std::string& definition) {
  std::istringstream in(definition);
  std::string out, line;
  bool child_value = false;
  int slot = 0;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    out += (child_value ? std::string(kPickUps[slot++ % 4]) : line) + "\r\n";
    child_value = line.rfind("CHILD", 0) == 0;
  }
  return out;
}

}  // namespace

std::vector<std::pair<std::string, std::string>> make_largest(DataCopy& data) {
  for (const char* tile : {"LAB_FLOOR", "LAB_GREEN"}) {
    const std::string relative = std::string("DATA/TILES/ORVANTE/") + tile;
    data.write(relative, with_all_children(data.read(relative)));
  }
  data.write("DATA/LEVELS/BASE.ai42", "ORVANTE\r\n480\r\n480\r\n0\r\n0\r\n");
  return {{"MAPSIZE", "1024"}, {"MAXFOE", "64"}};
}

}  // namespace orv::bot
