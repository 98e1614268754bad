#include "screens/assets_folder.h"

#include "game/game.h"

namespace orv {

bool for_each_file(Game& g, const std::string& folder, const std::string& pattern,
                   const std::function<void(const std::string& name)>& fn) {
  media::Files& files = g.media.files;
  const media::Handle scan = files.examine_directory(folder, pattern);
  if (scan == 0) return false;
  while (files.next_directory_entry(scan)) {
    if (files.directory_entry_type(scan) != media::EntryType::kFile) continue;
    fn(files.directory_entry_name(scan));
  }
  files.finish_directory(scan);
  return true;
}

}  // namespace orv
