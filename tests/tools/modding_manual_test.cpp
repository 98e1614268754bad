// The modder's manual names every key the game's readers know.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue/object_kinds.h"
#include "catalogue/tile_definitions.h"
#include "frame/configuration_file.h"
#include "game/settings_file.h"

namespace orv {
namespace {

std::string manual(const std::string& name) {
  std::ifstream in(std::string(ORV_SHIPPED_DATA) + "/../docs/" + name);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(ModdingManual, NamesEveryKeyTheGameReads) {
  std::vector<std::string> keys = tile_definition_keys();
  for (const std::string& k : object_definition_keys()) keys.push_back(k);
  for (const ConfigurationKey& k : configuration_keys()) keys.emplace_back(k.name);
  const std::string text = manual("MODDING.md");
  ASSERT_FALSE(text.empty());
  for (std::string key : keys) {
    // A numbered series is named by its first and last key ("CHILD1 ... CHILD8").
    if (key.starts_with("CHILD")) key = "CHILD1";
    EXPECT_NE(text.find("`" + key + "`"), std::string::npos) << key;
  }
}

// The player's manual names every key of settings.txt, in the form the file takes.
TEST(SettingsManual, NamesEveryKeyOfTheSettingsFile) {
  const std::string text = manual("SETTINGS.md");
  ASSERT_FALSE(text.empty());
  std::istringstream keys(format_settings(Settings{}));
  for (std::string key, value; std::getline(keys, key) && std::getline(keys, value);)
    EXPECT_NE(text.find("`" + key + "`"), std::string::npos) << key;
}

}  // namespace
}  // namespace orv
