// The difficulty curve as the bot meets it: games on many labyrinths (WORLDRANDOM 1, 2, ...),
// counted level by level.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "bot/bot_session.h"

namespace orv::bot {

struct LevelRow {
  std::int32_t level = 0;
  int completed = 0;
  std::vector<std::int32_t> goal;  // of each completion
  std::vector<std::int32_t> start_time;
  std::vector<std::int32_t> time_left;
  std::vector<std::int32_t> score;
  std::vector<std::int64_t> frames;
};

// Plays one game per seed (WORLDRANDOM first_seed, first_seed + 1, ...) up to max_level; row i
// counts the completions of level i + 1 (a game reaches a level only by completing the ones before
// it). progress, when given, hears of each game as it ends.
std::vector<LevelRow> measure_balance(
    DataCopy& data, Aim aim, int pace, int first_seed, int seeds, std::int32_t max_level,
    const std::vector<std::pair<std::string, std::string>>& settings,
    const std::function<void(int seed, const GameResult&)>& progress = {});

// The rows as a Markdown table: completions out of seeds and the medians of each level.
std::string format_balance(const std::vector<LevelRow>& rows, int seeds);

}  // namespace orv::bot
