// The per-user folders of the XDG base directory rules: configuration, data, state and
// pictures, each with an "orvante/" folder of the game's own.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace orv::media {

// Looks up an environment variable; nullopt when it is not set.
using EnvironmentLookup = std::function<std::optional<std::string>(const std::string& name)>;

// The process's own environment.
EnvironmentLookup process_environment();

class UserFolders {
 public:
  explicit UserFolders(EnvironmentLookup environment = process_environment());

  // Every folder ends with "orvante/". An unset, empty or relative XDG variable falls back to
  // its default below the home folder.
  std::string config_folder() const;  // $XDG_CONFIG_HOME, else ~/.config
  std::string data_folder() const;    // $XDG_DATA_HOME, else ~/.local/share
  std::string state_folder() const;   // $XDG_STATE_HOME, else ~/.local/state
  // XDG_PICTURES_DIR (environment, then user-dirs.dirs of the configuration home), else
  // ~/Pictures when it exists, else the data folder.
  std::string pictures_folder() const;

  // The home folder, ending with "/": $HOME, else the password database's.
  std::string home() const;
  // Creates one of the folders above (or one below them) with its parents, as create_folder
  // does, but never the home folder itself: below a home folder that does not exist nothing is
  // made and the message says so.
  std::string create(const std::string& folder) const;

  // A variable of the environment the folders come from.
  std::optional<std::string> environment(const std::string& name) const {
    return environment_(name);
  }

 private:
  std::string base(const char* variable, const char* fallback) const;
  std::optional<std::string> pictures_from_user_dirs() const;

  EnvironmentLookup environment_;
};

// Creates a folder with its parents (mkdir -p). Returns an empty string on success, else what
// went wrong, for the caller to report.
std::string create_folder(const std::string& folder);

// True when the process may create files in the folder.
bool folder_writable(const std::string& folder);

}  // namespace orv::media
