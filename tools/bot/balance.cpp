#include "bot/balance.h"

#include <algorithm>
#include <sstream>

namespace orv::bot {
namespace {

// A game that has not ended after this many frames per level is stuck.
constexpr std::int64_t kFramesPerLevelLimit = 60 * 60 * 30;

template <typename T>
std::string median(std::vector<T> values) {
  if (values.empty()) return "-";
  std::sort(values.begin(), values.end());
  return std::to_string(values[values.size() / 2]);
}

}  // namespace

std::vector<LevelRow> measure_balance(
    DataCopy& data, Aim aim, int pace, int first_seed, int seeds, std::int32_t max_level,
    const std::vector<std::pair<std::string, std::string>>& settings,
    const std::function<void(int seed, const GameResult&)>& progress) {
  std::vector<LevelRow> rows(std::size_t(std::max(max_level, 0)));
  for (std::size_t i = 0; i < rows.size(); ++i) rows[i].level = std::int32_t(i + 1);
  for (int seed = first_seed; seed < first_seed + seeds; ++seed) {
    // The smooth stretch of the picture changes no rule and the bot looks at no pixel, so it is
    // left out to save time (a setting of the caller can still turn it on).
    std::vector<std::pair<std::string, std::string>> with_seed{{"SMOOTH", "0"}};
    with_seed.insert(with_seed.end(), settings.begin(), settings.end());
    with_seed.emplace_back("WORLDRANDOM", std::to_string(seed));
    data.set(with_seed);
    const GameResult game = play_game(data, aim, pace, max_level, kFramesPerLevelLimit * max_level);
    if (progress) progress(seed, game);
    for (const LevelResult& r : game.completed) {
      if (r.level < 1 || r.level > max_level) continue;
      LevelRow& row = rows[std::size_t(r.level - 1)];
      ++row.completed;
      row.goal.push_back(r.goal);
      row.start_time.push_back(r.start_time);
      row.time_left.push_back(r.time_left);
      row.score.push_back(r.score);
      row.frames.push_back(r.frames);
    }
  }
  return rows;
}

std::string format_balance(const std::vector<LevelRow>& rows, int seeds) {
  std::ostringstream out;
  out << "| level | completed | median goal | median time | median time left | median score | "
         "median frames |\n"
      << "|---|---|---|---|---|---|---|\n";
  for (const LevelRow& row : rows)
    out << "| " << row.level << " | " << row.completed << " / " << seeds << " | "
        << median(row.goal) << " | " << median(row.start_time) << " | " << median(row.time_left)
        << " | " << median(row.score) << " | " << median(row.frames) << " |\n";
  return out.str();
}

}  // namespace orv::bot
