// The table of the best scores kept on disk (HIGHSCOREFILE): score, level, date and player.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orv {

struct ScoreEntry {
  std::int32_t score = 0;
  std::int32_t level = 0;
  std::string date;  // yyyy-mm-dd
  std::string name;
  bool operator==(const ScoreEntry&) const = default;
};

using ScoreTable = std::vector<ScoreEntry>;

constexpr std::size_t kScoresKept = 10;

// Puts the entry in its place, best first; of equal scores the older stays ahead. At most
// kScoresKept entries stay. Returns the entry's place (0 = best), nullopt when it fell out.
std::optional<std::size_t> add_score(ScoreTable& table, ScoreEntry entry);

// The file: the line "ORVANTE SCORES", then one entry a line, its four fields separated by
// tabs. nullopt for anything else (a damaged file); the table comes back sorted and cut to
// kScoresKept.
std::optional<ScoreTable> parse_score_table(const std::string& text);
std::string format_score_table(const ScoreTable& table);

struct LoadedScores {
  ScoreTable table;
  std::string set_aside_as;  // where a damaged file went; empty when none was
};

// A missing file is an empty table; a damaged one is set aside and an empty table started.
LoadedScores load_score_table(const std::string& path);
// Replaces the file as a whole; false when it could not (the old file is then unchanged).
bool save_score_table(const std::string& path, const ScoreTable& table);

struct KeptScores {
  ScoreTable table;
  std::optional<std::size_t> place;  // where the new entry went; nullopt when it fell out
  std::string set_aside_as;          // where a damaged file went
  std::string error;                 // for the player, when the table could not be locked or kept
  std::string record_error;          // the recording of the game could not be kept
};

// Adds the entry (when there is one) to the table on disk: under the table's lock the file is
// read again, so an entry another game saved meanwhile stays, and written by rename when the
// entry got a place. A damaged file is set aside and a new table started. With the recording
// of the entry's game, it is kept beside the table (keep_game_record) under the same lock.
KeptScores keep_score_in_table(const std::string& path, const std::optional<ScoreEntry>& entry,
                               const std::optional<std::string>& record_text = std::nullopt);

// The table of the day's best games beside the table of the best scores: "daily-yyyy-mm-dd" in
// the same folder. Empty when there is no best-scores table (the data set keeps no records).
std::string daily_table_path(const std::string& best_table_path, const std::string& date);

// Each kept score keeps the recording of its game beside the table: "<table>.<digest of the
// entry>.game" in the table's folder, so the table's own format stays as it is.
std::string game_record_path(const std::string& table_path, const ScoreEntry& entry);

// Writes the recording of the entry's game (when the entry is in the table) and removes the
// recordings of entries no longer in it. An error message for the player; empty when all went.
std::string keep_game_record(const std::string& table_path, const ScoreTable& table,
                             const ScoreEntry& entry, const std::string& record_text);

// The recording of the entry's game as text; nullopt when it is missing, too large or damaged
// (a damaged one is set aside, as a damaged table is).
std::optional<std::string> load_game_record(const std::string& table_path, const ScoreEntry& entry);

}  // namespace orv
