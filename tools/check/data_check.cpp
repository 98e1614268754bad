#include "data_check.h"

#include <strings.h>

#include <filesystem>

#include "game/game.h"
#include "media/files/paths.h"

namespace orv::check {

int DataCheck::line_of(const std::string& key) const {
  const Pair* p = winning_pair(configuration_pairs, key);
  return p == nullptr ? 0 : p->line;
}

void DataCheck::add_at_key(const std::string& key, std::string message) {
  report.add(configuration, line_of(key), std::move(message));
}

std::string DataCheck::in_folder(const std::string& game_path) const {
  if (game_path.starts_with('/')) return game_path;
  return root + game_path;
}

Found find_path(const std::string& game_path, std::string* actual) {
  std::error_code ec;
  const std::string resolved = media::resolve_path(game_path);
  if (!std::filesystem::exists(resolved, ec)) return Found::kMissing;
  if (actual != nullptr) *actual = resolved;
  std::string written = game_path;
  for (char& c : written)
    if (c == '\\') c = '/';
  return std::filesystem::exists(written, ec) ? Found::kExact : Found::kOtherCase;
}

Found find_name(const std::vector<std::string>& names, const std::string& name,
                std::string* actual) {
  Found found = Found::kMissing;
  for (const std::string& n : names) {
    if (n == name) return Found::kExact;
    if (found == Found::kMissing && ::strcasecmp(n.c_str(), name.c_str()) == 0) {
      found = Found::kOtherCase;
      if (actual != nullptr) *actual = n;
    }
  }
  return found;
}

std::vector<std::string> files_of(Game& g, const std::string& folder, const std::string& pattern) {
  std::vector<std::string> names;
  if (folder.empty()) return names;  // an unset folder key, reported with the keys
  g.media.folders.for_each_file(folder, pattern,
                                [&names](const std::string& n) { names.push_back(n); });
  return names;
}

bool ends_with_separator(const std::string& path) {
  return path.ends_with('\\') || path.ends_with('/');
}

}  // namespace orv::check
