// Keeping the best scores: ordering, the file format, loading and saving.
#include "screens/score_table.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <sstream>

#include "media/files/content_digest.h"
#include "media/files/file_replace.h"
#include "media/files/paths.h"
#include "media/files/record_store.h"
#include "media/folders.h"
#include "media/game_record.h"

namespace orv {
namespace {

constexpr const char* kHeader = "ORVANTE SCORES";
// Ten lines of a score table are far below this; a larger file is not one.
constexpr std::size_t kFileLimit = 64 * 1024;

std::optional<std::int32_t> whole_number(const std::string& text) {
  std::int32_t n = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
  if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return n;
}

// A tab or line end inside a field would break the line into other fields.
std::string field(std::string text) {
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
  return text;
}

std::optional<ScoreEntry> parse_entry(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
    fields.push_back(line.substr(start, tab - start));
  fields.push_back(line.substr(start));
  if (fields.size() != 4) return std::nullopt;
  const auto score = whole_number(fields[0]);
  const auto level = whole_number(fields[1]);
  if (!score || !level) return std::nullopt;
  return ScoreEntry{*score, *level, fields[2], fields[3]};
}

}  // namespace

std::optional<std::size_t> add_score(ScoreTable& table, ScoreEntry entry) {
  const auto at = std::upper_bound(table.begin(), table.end(), entry.score,
                                   [](std::int32_t s, const ScoreEntry& e) { return s > e.score; });
  const std::size_t place = std::size_t(at - table.begin());
  if (place >= kScoresKept) return std::nullopt;
  table.insert(at, std::move(entry));
  if (table.size() > kScoresKept) table.resize(kScoresKept);
  return place;
}

std::optional<ScoreTable> parse_score_table(const std::string& text) {
  std::istringstream in(text);
  std::string line;
  if (!std::getline(in, line) || line != kHeader) return std::nullopt;
  ScoreTable table;
  while (std::getline(in, line)) {
    if (line.empty()) continue;
    auto entry = parse_entry(line);
    if (!entry) return std::nullopt;
    add_score(table, std::move(*entry));
  }
  return table;
}

std::string format_score_table(const ScoreTable& table) {
  std::string text = std::string(kHeader) + "\n";
  for (const ScoreEntry& e : table) {
    text += std::to_string(e.score) + '\t' + std::to_string(e.level) + '\t' + field(e.date) + '\t' +
            field(e.name) + '\n';
  }
  return text;
}

LoadedScores load_score_table(const std::string& path) {
  const auto bytes = media::read_whole_file(path, kFileLimit);
  if (!bytes) {
    // Missing is a fresh start; present but unreadable or too large is damage.
    if (!media::file_exists(path)) return {};
    return {{}, media::set_file_aside(path)};
  }
  auto table = parse_score_table(std::string(bytes->begin(), bytes->end()));
  if (!table) return {{}, media::set_file_aside(path)};
  return {std::move(*table), {}};
}

bool save_score_table(const std::string& path, const ScoreTable& table) {
  return media::replace_file(path, format_score_table(table));
}

namespace {

constexpr const char* kRecordSuffix = ".game";

std::string folder_of(const std::string& path) {
  return path.substr(0, path.rfind('/') + 1);
}

std::string file_name_of(const std::string& path) {
  return path.substr(path.rfind('/') + 1);
}

}  // namespace

std::string daily_table_path(const std::string& best_table_path, const std::string& date) {
  if (best_table_path.empty() || date.empty()) return {};
  return folder_of(best_table_path) + "daily-" + date;
}

std::string game_record_path(const std::string& table_path, const ScoreEntry& entry) {
  media::ContentDigest digest;
  digest.add(std::to_string(entry.score));
  digest.add(std::to_string(entry.level));
  digest.add(entry.date);
  digest.add(entry.name);
  return table_path + "." + digest.hex() + kRecordSuffix;
}

std::string keep_game_record(const std::string& table_path, const ScoreTable& table,
                             const ScoreEntry& entry, const std::string& record_text) {
  std::string error;
  if (std::find(table.begin(), table.end(), entry) != table.end() &&
      !media::replace_file(game_record_path(table_path, entry), record_text))
    error = "could not keep the recording of the game in " + game_record_path(table_path, entry);
  // Recordings of scores that fell out of the table go with them.
  std::vector<std::string> kept;
  for (const ScoreEntry& e : table) kept.push_back(file_name_of(game_record_path(table_path, e)));
  const std::string prefix = file_name_of(table_path) + ".";
  std::vector<std::string> gone;
  media::Folders folders;
  folders.for_each_file(
      folder_of(table_path), std::string("*") + kRecordSuffix, [&](const std::string& name) {
        if (name.starts_with(prefix) && std::find(kept.begin(), kept.end(), name) == kept.end())
          gone.push_back(name);
      });
  for (const std::string& name : gone) std::remove((folder_of(table_path) + name).c_str());
  return error;
}

KeptScores keep_score_in_table(const std::string& path, const std::optional<ScoreEntry>& entry,
                               const std::optional<std::string>& record_text) {
  KeptScores kept;
  // Nothing to add and nothing to read: no lock file is made (the folder may not exist yet).
  if (!entry && !media::file_exists(path)) return kept;
  const auto change = [&](const media::RecordContent& old) {
    media::RecordChange wanted;
    std::optional<ScoreTable> table = ScoreTable{};
    if (old.present) table = old.bytes ? parse_score_table(*old.bytes) : std::nullopt;
    // Present but unreadable, too large or not a table: damage, kept aside.
    wanted.set_old_aside = !table;
    kept.table = table ? std::move(*table) : ScoreTable{};
    if (entry) kept.place = add_score(kept.table, *entry);
    if (kept.place) wanted.write = format_score_table(kept.table);
    // Under the table's lock: the recordings follow the table that is about to be written.
    if (kept.place && record_text)
      kept.record_error = keep_game_record(path, kept.table, *entry, *record_text);
    return wanted;
  };
  const media::RecordOutcome outcome = media::update_record_file(path, kFileLimit, change);
  kept.set_aside_as = outcome.set_aside_as;
  kept.error = outcome.error;
  if (kept.error.empty()) kept.error = kept.record_error;
  return kept;
}

std::optional<std::string> load_game_record(const std::string& table_path,
                                            const ScoreEntry& entry) {
  const std::string path = game_record_path(table_path, entry);
  const auto bytes = media::read_whole_file(path, media::kGameRecordLimit);
  if (!bytes) {
    if (media::file_exists(path)) media::set_file_aside(path);
    return std::nullopt;
  }
  std::string text(bytes->begin(), bytes->end());
  if (!media::parse_game_record(text)) {
    media::set_file_aside(path);
    return std::nullopt;
  }
  return text;
}

}  // namespace orv
