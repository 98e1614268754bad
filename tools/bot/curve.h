// The difficulty curve at several skills: for each profile the balance rows of the same seeds,
// side by side level by level.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "bot/balance.h"
#include "bot/profiles.h"

namespace orv::bot {

struct CurveColumn {
  Profile profile;
  std::vector<LevelRow> rows;  // row i: level i + 1
};

std::vector<CurveColumn> measure_curve(
    DataCopy& data, const std::vector<Profile>& chosen, int first_seed, int seeds,
    std::int32_t max_level, const std::vector<std::pair<std::string, std::string>>& settings,
    const std::function<void(int seed, const GameResult&)>& progress = {});

// A Markdown table, one row per level and one column per profile: "completed / seeds" and, in
// brackets, the median time left of the completions ("-" when none completed).
std::string format_curve(const std::vector<CurveColumn>& columns, int seeds);

}  // namespace orv::bot
