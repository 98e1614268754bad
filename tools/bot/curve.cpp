#include "bot/curve.h"

#include <algorithm>
#include <sstream>

namespace orv::bot {
namespace {

std::string median_time_left(std::vector<std::int32_t> values) {
  if (values.empty()) return "-";
  std::sort(values.begin(), values.end());
  return std::to_string(values[values.size() / 2]);
}

}  // namespace

std::vector<CurveColumn> measure_curve(
    DataCopy& data, const std::vector<Profile>& chosen, int first_seed, int seeds,
    std::int32_t max_level, const std::vector<std::pair<std::string, std::string>>& settings,
    const std::function<void(int seed, const GameResult&)>& progress) {
  std::vector<CurveColumn> columns;
  for (const Profile& p : chosen)
    columns.push_back({p, measure_balance(data, p.aim, p.pace, first_seed, seeds, max_level,
                                          settings, progress)});
  return columns;
}

std::string format_curve(const std::vector<CurveColumn>& columns, int seeds) {
  std::ostringstream out;
  out << "| level |";
  for (const CurveColumn& c : columns) out << " " << c.profile.name << " |";
  out << "\n|---|";
  for (std::size_t i = 0; i < columns.size(); ++i) out << "---|";
  out << "\n";
  std::size_t levels = 0;
  for (const CurveColumn& c : columns) levels = std::max(levels, c.rows.size());
  for (std::size_t level = 0; level < levels; ++level) {
    out << "| " << level + 1 << " |";
    for (const CurveColumn& c : columns) {
      if (level >= c.rows.size()) {
        out << " |";
        continue;
      }
      const LevelRow& row = c.rows[level];
      out << " " << row.completed << " / " << seeds << " (" << median_time_left(row.time_left)
          << ") |";
    }
    out << "\n";
  }
  return out.str();
}

}  // namespace orv::bot
