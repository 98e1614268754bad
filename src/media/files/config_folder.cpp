// The player's own configuration folder, after the XDG base directory rules.
#include "media/files/config_folder.h"

#include <cstdlib>

namespace orv::media {
namespace {

std::string with_slash(std::string folder) {
  if (folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace

std::string user_config_folder(const EnvLookup& env) {
  // Relative XDG paths are invalid and must be ignored.
  const char* xdg = env("XDG_CONFIG_HOME");
  if (xdg && xdg[0] == '/') return with_slash(xdg) + "orvante/";
  const char* home = env("HOME");
  if (home && home[0] != '\0') return with_slash(home) + ".config/orvante/";
  return {};
}

std::string user_config_folder() {
  return user_config_folder([](const char* name) { return std::getenv(name); });
}

}  // namespace orv::media
