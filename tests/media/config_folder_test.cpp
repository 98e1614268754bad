// The player's configuration folder after the XDG rules.
#include "media/files/config_folder.h"

#include <gtest/gtest.h>

#include <map>

namespace orv::media {
namespace {

TEST(ConfigFolder, XdgConfigHomeWhenAbsoluteElseHomeElseNone) {
  using Env = std::map<std::string, std::string>;
  const std::pair<Env, std::string> cases[] = {
      {{{"XDG_CONFIG_HOME", "/cfg"}, {"HOME", "/home/p"}}, "/cfg/orvante/"},
      {{{"XDG_CONFIG_HOME", "/cfg/"}}, "/cfg/orvante/"},
      {{{"XDG_CONFIG_HOME", "cfg"}, {"HOME", "/home/p"}}, "/home/p/.config/orvante/"},
      {{{"XDG_CONFIG_HOME", ""}, {"HOME", "/home/p/"}}, "/home/p/.config/orvante/"},
      {{{"HOME", ""}}, ""},
      {{}, ""},
  };
  for (const auto& [env, folder] : cases) {
    auto lookup = [&env](const char* name) -> const char* {
      auto it = env.find(name);
      return it == env.end() ? nullptr : it->second.c_str();
    };
    EXPECT_EQ(user_config_folder(lookup), folder);
  }
}

}  // namespace
}  // namespace orv::media
