// The data folder search.
#include "media/files/data_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "media/files/paths.h"

namespace orv::media {
bool holds_configuration(const std::string& folder) {
  struct stat st;
  const std::string path = resolve_path(with_slash(folder) + "DATA/ini.txt");
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

DataFolderSearch find_data_folder(const DataFolderPlaces& places,
                                  const std::function<bool(const std::string&)>& holds) {
  DataFolderSearch search;
  // A folder the player named is the one to play, or none: playing other data instead would
  // hide the mistake.
  if (!places.option.empty()) {
    search.looked.push_back(with_slash(places.option));
    if (holds(search.looked.back())) search.folder = search.looked.back();
    return search;
  }
  for (const std::string* place :
       {&places.option, &places.environment, &places.current, &places.installed, &places.source}) {
    if (place->empty()) continue;
    const std::string folder = with_slash(*place);
    search.looked.push_back(folder);
    if (holds(folder)) {
      search.folder = folder;
      break;
    }
  }
  return search;
}

std::string executable_folder() {
  std::error_code ec;
  const auto program = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec || !program.has_parent_path()) return {};
  return with_slash(program.parent_path().string());
}

bool enter_folder(const std::string& folder) {
  return ::chdir(folder.c_str()) == 0;
}

}  // namespace orv::media
