// Paths built from names read from data: a name the game accepts, joined under a folder as the
// game joins it ("\" between), never leads out of that folder once the separators are converted,
// and a name that would lead out is refused.
#include <cstddef>
#include <cstdint>
#include <string>

#include "media/files/paths.h"

namespace {

void check(bool ok) {
  if (!ok) __builtin_trap();
}

// True when the path, split at "/", names a parent folder (".." as a whole component).
bool climbs(const std::string& path) {
  std::size_t pos = 0;
  while (pos <= path.size()) {
    std::size_t end = path.find('/', pos);
    if (end == std::string::npos) end = path.size();
    if (path.compare(pos, end - pos, "..") == 0) return true;
    pos = end + 1;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string name(reinterpret_cast<const char*>(data), size);
  const std::string folder = "/nonexistent-orv-data/tiles";
  const std::string joined = folder + "\\" + name;
  std::string converted = joined;
  for (char& c : converted)
    if (c == '\\') c = '/';
  const bool leaves =
      climbs(converted) || converted.find('/', folder.size() + 1) != std::string::npos;
  if (orv::media::is_plain_name(name)) {
    check(!leaves);
    const std::string resolved = orv::media::resolve_path(joined);
    check(resolved.compare(0, folder.size() + 1, folder + "/") == 0 && !climbs(resolved));
  } else {
    check(name.find_first_of("/\\") != std::string::npos || name == "." || name == "..");
  }
  return 0;
}
