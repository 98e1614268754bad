#include "catalogue/definition_file.h"

#include "game/game.h"

namespace orv {

void read_line_pairs(
    Game& g, media::FileId file,
    const std::function<void(const std::string& key, const std::string& value)>& fn) {
  media::Files& files = g.media.files;
  while (!files.eof(file)) {
    std::string key = files.read_string(file);
    std::string value = files.read_string(file);
    fn(key, value);
  }
}

}  // namespace orv
