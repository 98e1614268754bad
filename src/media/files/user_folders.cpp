// Per-user folders after the XDG base directory rules.
#include "media/files/user_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "media/files/paths.h"

namespace orv::media {
namespace {

constexpr const char* kGameFolder = "orvante/";
// user-dirs.dirs is a few lines; anything larger is not one.
constexpr std::size_t kUserDirsLimit = 64 * 1024;

bool is_absolute(const std::optional<std::string>& path) {
  return path && !path->empty() && path->front() == '/';
}

bool is_folder(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_directory(path, ec);
}

// The value of a line `XDG_PICTURES_DIR="$HOME/Pictures"`: "$HOME" stands for the home folder,
// any other value must be absolute; home ends with "/". A value naming the home folder itself means
// "not set".
std::optional<std::string> user_dir_value(const std::string& line, const std::string& home) {
  const std::string key = "XDG_PICTURES_DIR=\"";
  if (!line.starts_with(key) || !line.ends_with('"') || line.size() < key.size() + 1)
    return std::nullopt;
  std::string value = line.substr(key.size(), line.size() - key.size() - 1);
  if (value.starts_with("$HOME")) value = home.substr(0, home.size() - 1) + value.substr(5);
  if (!is_absolute(value) || with_slash(value) == with_slash(home)) return std::nullopt;
  return value;
}

}  // namespace

EnvironmentLookup process_environment() {
  return [](const std::string& name) -> std::optional<std::string> {
    const char* value = std::getenv(name.c_str());
    if (value == nullptr) return std::nullopt;
    return std::string(value);
  };
}

UserFolders::UserFolders(EnvironmentLookup environment) : environment_(std::move(environment)) {}

std::string UserFolders::home() const {
  if (auto home = environment_("HOME"); home && !home->empty()) return with_slash(*home);
  if (const passwd* user = ::getpwuid(::getuid()); user != nullptr && user->pw_dir != nullptr)
    return with_slash(user->pw_dir);
  return "/";
}

std::string UserFolders::base(const char* variable, const char* fallback) const {
  const auto value = environment_(variable);
  return with_slash(is_absolute(value) ? *value : home() + fallback);
}

std::string UserFolders::config_folder() const {
  return base("XDG_CONFIG_HOME", ".config") + kGameFolder;
}

std::string UserFolders::data_folder() const {
  return base("XDG_DATA_HOME", ".local/share") + kGameFolder;
}

std::string UserFolders::state_folder() const {
  return base("XDG_STATE_HOME", ".local/state") + kGameFolder;
}

std::optional<std::string> UserFolders::pictures_from_user_dirs() const {
  const auto bytes =
      read_whole_file(base("XDG_CONFIG_HOME", ".config") + "user-dirs.dirs", kUserDirsLimit);
  if (!bytes) return std::nullopt;
  std::istringstream in(std::string(bytes->begin(), bytes->end()));
  std::optional<std::string> found;
  for (std::string line; std::getline(in, line);) {
    if (auto value = user_dir_value(line, home())) found = value;  // the last one counts
  }
  return found;
}

std::string UserFolders::pictures_folder() const {
  if (auto value = environment_("XDG_PICTURES_DIR"); is_absolute(value))
    return with_slash(*value) + kGameFolder;
  if (auto value = pictures_from_user_dirs()) return with_slash(*value) + kGameFolder;
  if (const std::string pictures = home() + "Pictures/"; is_folder(pictures))
    return pictures + kGameFolder;
  return data_folder();
}

std::string UserFolders::create(const std::string& folder) const {
  const std::string home_folder = home();
  if (folder.starts_with(home_folder) && !is_folder(home_folder))
    return "the home folder " + home_folder + " does not exist, " + folder + " is not made";
  return create_folder(folder);
}

std::string create_folder(const std::string& folder) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (!ec && is_folder(folder)) return {};
  return "cannot create " + folder + ": " + (ec ? ec.message() : "not a folder");
}

bool folder_writable(const std::string& folder) {
  return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

}  // namespace orv::media
