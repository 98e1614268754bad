#include "configuration_check.h"

#include "data_check.h"
#include "frame/configuration_file.h"
#include "game/game.h"

namespace orv::check {
namespace {

// A folder key: whether the game joins it to the start directory, and whether it appends file
// names to it (so that it needs its trailing separator).
struct FolderKey {
  const char* key;
  bool appends_names;
};

constexpr FolderKey kFolderKeys[] = {
    {"SOUNDFXPATH", true}, {"INGAMEMUSIC", true}, {"EGFXPATH", true}, {"FONTPATH", false},
    {"TOPOGFX", true},     {"WORLDGFX", true},    {"LOGPATH", true},  {"SCREGFXPATH", true},
    {"RGBCODEPATH", true}, {"APPENTRY", true},    {"SCRSAVE", true},
};

constexpr const char* kFileKeys[] = {"CURSOR", "FONTSYSTEM", "LOADINTROSCREEN"};

// Keys whose defaults leave the game without a window, pictures, tiles, font or sounds.
constexpr const char* kNeededKeys[] = {"RESBASEW",    "RESBASEH", "GFXCODEC",   "TOPOGFX",
                                       "WORLDGFX",    "FONTPATH", "FONTSYSTEM", "SOUNDFXPATH",
                                       "RGBCODEPATH", "APPSTART", "CURSOR"};

bool joined_to_start(const std::string& key) {
  for (const ConfigurationKey& k : configuration_keys())
    if (key == k.name) return k.value == ConfigurationValue::kPath;
  return false;
}

// Where the game looks for the value of key.
std::string game_path_of(const DataCheck& c, const Pair& p) {
  return joined_to_start(p.key) ? c.root + p.value : c.in_folder(p.value);
}

void check_exists(DataCheck& c, const Pair& p, const std::string& path, const char* what) {
  std::string actual;
  switch (find_path(path, &actual)) {
    case Found::kExact:
      break;
    case Found::kOtherCase:
      c.add_at_key(p.key, p.key + " names " + quoted(p.value) + ", which exists only as " +
                              quoted(actual) + " in another case");
      break;
    case Found::kMissing:
      c.add_at_key(p.key,
                   p.key + " names the " + what + " " + quoted(p.value) + ", which does not exist");
      break;
  }
}

void check_folder_key(DataCheck& c, const FolderKey& folder) {
  const Pair* p = winning_pair(c.configuration_pairs, folder.key);
  if (p == nullptr || p->value.empty()) return;
  std::string path = game_path_of(c, *p);
  if (folder.appends_names && !ends_with_separator(p->value)) {
    // The one cause of every file of the folder missing for the game: the files are not
    // reported one by one (their checks skip what the game cannot reach).
    c.add_at_key(p->key, p->key + " " + quoted(p->value) +
                             " lacks its trailing \\: the game appends file names to it (" +
                             quoted(p->value + "name") +
                             "), so it finds none of the folder's files and they are not "
                             "checked one by one");
    path += '\\';
  }
  check_exists(c, *p, path, "folder");
}

void check_numbers(DataCheck& c) {
  for (const ConfigurationKey& k : configuration_keys()) {
    const Pair* p = winning_pair(c.configuration_pairs, k.name);
    if (p == nullptr || k.value != ConfigurationValue::kNumber || reads_as_number(p->value))
      continue;
    c.add_at_key(p->key, p->key + " " + quoted(p->value) +
                             " is not a number: the game reads as much of it as it can, or 0");
  }
}

std::vector<std::string> key_names() {
  std::vector<std::string> names;
  for (const ConfigurationKey& k : configuration_keys()) names.emplace_back(k.name);
  return names;
}

void check_settings(DataCheck& c) {
  for (const char* key : kNeededKeys) {
    if (c.line_of(key) == 0)
      c.report.add(c.configuration, 0,
                   std::string(key) +
                       " is not given: the game uses its "
                       "default, which does not work");
  }
  if (c.g.config.world_drawing != 1) {
    const char* key =
        c.line_of("WINDOWMODE") > c.line_of("USESPRITE3D") ? "WINDOWMODE" : "USESPRITE3D";
    c.add_at_key(key, std::string(key) +
                          " leaves the world-drawing flag off: the world is not "
                          "drawn and level files get no tile definitions");
  }
  const Pair* loading = winning_pair(c.configuration_pairs, "LOADSCREEN");
  if (loading != nullptr && loading->value.find('#') == std::string::npos) {
    c.add_at_key("LOADSCREEN", "LOADSCREEN " + quoted(loading->value) +
                                   " has no \"#\" for the digit: no loading picture is shown");
  }
}

}  // namespace

bool check_configuration(DataCheck& c) {
  if (!check_pairs(c.report, c.configuration, c.configuration_pairs, key_names())) return false;
  check_numbers(c);
  check_settings(c);
  for (const FolderKey& folder : kFolderKeys) check_folder_key(c, folder);
  for (const char* key : kFileKeys) {
    const Pair* p = winning_pair(c.configuration_pairs, key);
    if (p != nullptr) check_exists(c, *p, game_path_of(c, *p), "file");
  }
  const Pair* base = winning_pair(c.configuration_pairs, "SELFCREATEBASE");
  if (base != nullptr && c.g.config.generate_levels == 1)
    check_exists(c, *base, game_path_of(c, *base), "file");
  return true;
}

}  // namespace orv::check
