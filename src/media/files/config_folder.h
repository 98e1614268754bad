// The player's own configuration folder, where optional per-user files live.
#pragma once

#include <functional>
#include <string>

namespace orv::media {

// Looks up an environment variable: nullptr when it is not set.
using EnvLookup = std::function<const char*(const char*)>;

// "$XDG_CONFIG_HOME/orvante/" when XDG_CONFIG_HOME is an absolute path, else
// "$HOME/.config/orvante/"; empty when neither is usable.
std::string user_config_folder(const EnvLookup& env);
// The same, from the process environment.
std::string user_config_folder();

}  // namespace orv::media
