// Games played by the bot on a data set: a copy of the data folder with settings of its own, the
// game started from it as the program starts, and the results.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "bot/bot_player.h"

namespace orv::bot {

// A copy of a data folder in a fresh temporary folder, removed with the object. Settings are
// added at the end of its DATA/ini.txt, where the last value of a key wins.
class DataCopy {
 public:
  explicit DataCopy(const std::filesystem::path& source);
  ~DataCopy();
  DataCopy(const DataCopy&) = delete;
  DataCopy& operator=(const DataCopy&) = delete;
  const std::filesystem::path& path() const { return path_; }
  // Replaces the added settings: key, value pairs.
  void set(const std::vector<std::pair<std::string, std::string>>& settings);
  // A file of the copy, by its path below the copy's folder.
  std::string read(const std::string& relative) const;
  void write(const std::string& relative, const std::string& text) const;

 private:
  std::filesystem::path path_;
  std::string ini_;
};

// What the game holds in memory at one moment of a long play.
struct MemorySample {
  std::int64_t frame = 0;
  std::int32_t level = 0;
  std::int32_t games = 0;  // games started so far
  std::int64_t rss_kib = 0;
  std::size_t objects = 0;  // placed objects of the world
  std::size_t enemies = 0;
};

// One game from the start of the program until max_level is complete or the time runs out (or
// frame_limit frames have passed).
GameResult play_game(const DataCopy& data, Aim aim, int pace, std::int32_t max_level,
                     std::int64_t frame_limit);

// Plays game after game for the given number of frames; every sample_every frames hands a memory
// sample to report. Returns the levels completed in all.
std::int64_t long_play(const DataCopy& data, Aim aim, int pace, std::int64_t frames,
                       std::int64_t sample_every,
                       const std::function<void(const MemorySample&)>& report);

// Games from the start of the program until the given number has ended (or frame_limit frames
// have passed), each keeping its recording as a kept score does: the recordings' texts, in the
// order the games ended (a game without score keeps none). With rest_after_levels the bot lets
// the time run out once it completed that many levels of a game (a short game).
std::vector<std::string> record_games(const DataCopy& data, Aim aim, int pace, int games,
                                      std::int64_t frame_limit, std::size_t rest_after_levels = 0);

}  // namespace orv::bot
