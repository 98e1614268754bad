// orvante-bot: the game played by a bot on the headless platform.
//   orvante-bot balance --data DIR [--levels 5] [--seeds 20] [--first-seed 1]
//                       [--aim greedy|nearest] [--pace 3] [--set KEY=VALUE]... [--min-level1 N]
//     one game per seed (WORLDRANDOM first-seed, first-seed + 1, ...) up to the given level; prints
//     the completions and medians per level as a Markdown table. With --min-level1 the exit status
//     is 1 when fewer games than N complete level 1.
//   orvante-bot long --data DIR [--frames 200000] [--every 10000] [--largest] [--pace 3]
//     plays game after game and prints the memory held every so many frames; --largest fills
//     every child slot, the largest labyrinths and many enemies.
//   orvante-bot curve --data DIR [--levels 15] [--seeds 20] [--first-seed 1]
//                     [--profiles newcomer,casual,expert] [--set KEY=VALUE]... [--min-level1 N]
//     the same games for each profile; prints per level the completions and the median time left
//     of each profile. With --min-level1 the exit status is 1 when the first profile completes
//     level 1 in fewer games than N.
//   orvante-bot demo --data DIR --out FILE [--profile expert] [--set KEY=VALUE]...
//                    [--min-level N] [--frames 40000] [--rest-after LEVELS]
//     one game until its time runs out, its recording (a kept game, as --verify and the title's
//     demo read it) written to FILE; exit status 1 when it reached no level beyond min-level
//     (default 2: it completed level 1). With --rest-after the bot stops walking once it
//     completed that many levels, so the game ends soon after.
//   --pace n: the bot rests n - 1 steps' time on each cell (1 = top speed, 3 = the default).
//   --profile NAME (balance, long): the aim and pace of a profile (bot/profiles.h).
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "bot/balance.h"
#include "bot/bot_session.h"
#include "bot/curve.h"
#include "bot/largest_data.h"
#include "media/game_record.h"

namespace {

using Settings = std::vector<std::pair<std::string, std::string>>;

// Without --pace or --profile the bot walks as the casual profile does: a player who does not
// hold the arrows all the time, at about a third of the top speed.
constexpr int kHumanPace = 3;

struct Options {
  std::map<std::string, std::string> values;
  Settings settings;
  bool largest = false;
  std::string value(const std::string& key, const std::string& fallback) const {
    auto it = values.find(key);
    return it == values.end() ? fallback : it->second;
  }
  long long number(const std::string& key, long long fallback) const {
    return std::stoll(value(key, std::to_string(fallback)));
  }
};

int usage() {
  std::fprintf(
      stderr,
      "usage: orvante-bot balance --data DIR [--levels N] [--seeds N] [--first-seed N] "
      "[--aim greedy|nearest] [--pace N] [--profile NAME] [--set KEY=VALUE]... "
      "[--min-level1 N]\n"
      "       orvante-bot curve --data DIR [--levels N] [--seeds N] [--first-seed N] "
      "[--profiles newcomer,casual,expert] [--set KEY=VALUE]... [--min-level1 N]\n"
      "       orvante-bot long --data DIR [--frames N] [--every N] [--largest] "
      "[--pace N] [--profile NAME] [--set KEY=VALUE]...\n"
      "       orvante-bot demo --data DIR --out FILE [--profile NAME] [--set KEY=VALUE]... "
      "[--min-level N] [--frames N] [--rest-after N]\n");
  return 2;
}

bool parse(int argc, char** argv, Options& options) {
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--largest") {
      options.largest = true;
    } else if (arg.rfind("--", 0) == 0 && i + 1 < argc) {
      const std::string value = argv[++i];
      const auto equals = value.find('=');
      if (arg == "--set" && equals != std::string::npos)
        options.settings.emplace_back(value.substr(0, equals), value.substr(equals + 1));
      else
        options.values[arg.substr(2)] = value;
    } else {
      return false;
    }
  }
  return options.values.count("data") == 1;
}

// The aim and pace of --profile, or of --aim and --pace; nullopt for an unknown profile.
std::optional<orv::bot::Profile> player(const Options& o) {
  if (o.values.count("profile") != 0) return orv::bot::find_profile(o.value("profile", ""));
  const auto aim = o.value("aim", "greedy") == "nearest" ? orv::Aim::kNearest : orv::Aim::kGreedy;
  return orv::bot::Profile{"", aim, int(o.number("pace", kHumanPace))};
}

// A line on the error stream for each game as it ends: long runs show how far they are.
void report_game(int seed, const orv::bot::GameResult& game) {
  std::cerr << "seed " << seed << ": " << game.completed.size() << " levels completed, time left";
  for (const orv::bot::LevelResult& level : game.completed) std::cerr << " " << level.time_left;
  std::cerr << "\n";
}

int check_level1(const std::vector<orv::bot::LevelRow>& rows, long long minimum) {
  if (rows.empty() || rows[0].completed >= minimum) return 0;
  std::cout << "level 1 completed in " << rows[0].completed << " games, fewer than " << minimum
            << "\n";
  return 1;
}

int balance(const Options& o) {
  const auto who = player(o);
  if (!who) return usage();
  orv::bot::DataCopy data(o.value("data", ""));
  const int seeds = int(o.number("seeds", 20));
  const auto rows =
      orv::bot::measure_balance(data, who->aim, who->pace, int(o.number("first-seed", 1)), seeds,
                                int(o.number("levels", 5)), o.settings, report_game);
  std::cout << orv::bot::format_balance(rows, seeds);
  return check_level1(rows, o.number("min-level1", 0));
}

int curve(const Options& o) {
  const auto chosen = orv::bot::parse_profiles(o.value("profiles", "newcomer,casual,expert"));
  if (!chosen) return usage();
  orv::bot::DataCopy data(o.value("data", ""));
  const int seeds = int(o.number("seeds", 20));
  const auto columns =
      orv::bot::measure_curve(data, *chosen, int(o.number("first-seed", 1)), seeds,
                              int(o.number("levels", 15)), o.settings, report_game);
  std::cout << orv::bot::format_curve(columns, seeds);
  return check_level1(columns.front().rows, o.number("min-level1", 0));
}

int long_play(const Options& o) {
  const auto who = player(o);
  if (!who) return usage();
  orv::bot::DataCopy data(o.value("data", ""));
  Settings settings = o.largest ? orv::bot::make_largest(data) : Settings{};
  settings.insert(settings.end(), o.settings.begin(), o.settings.end());
  data.set(settings);
  std::cout << "| frame | level | game | RSS KiB | world objects | enemies "
               "|\n|---|---|---|---|---|---|\n";
  const long long levels = orv::bot::long_play(
      data, who->aim, who->pace, o.number("frames", 200000), o.number("every", 10000),
      [](const orv::bot::MemorySample& s) {
        std::cout << "| " << s.frame << " | " << s.level << " | " << s.games << " | " << s.rss_kib
                  << " | " << s.objects << " | " << s.enemies << " |" << std::endl;
      });
  std::cout << "levels completed: " << levels << "\n";
  return 0;
}

int demo(const Options& o) {
  const auto who = player(o);
  if (!who || o.values.count("out") == 0) return usage();
  orv::bot::DataCopy data(o.value("data", ""));
  data.set(o.settings);
  const auto records =
      orv::bot::record_games(data, who->aim, who->pace, 1, o.number("frames", 40000),
                             std::size_t(o.number("rest-after", 0)));
  if (records.empty()) {
    std::cerr << "the game kept no recording (it did not end within --frames?)\n";
    return 1;
  }
  std::ofstream(o.value("out", ""), std::ios::binary) << records.front();
  const auto record = orv::media::parse_game_record(records.front());
  const long long level = record ? record->claim.level : 0;
  std::cerr << "score " << (record ? record->claim.score : 0) << ", level " << level << "\n";
  return level >= o.number("min-level", 2) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  const std::string command = argc > 1 ? argv[1] : "";
  if (!parse(argc, argv, options)) return usage();
  if (command == "balance") return balance(options);
  if (command == "curve") return curve(options);
  if (command == "long") return long_play(options);
  if (command == "demo") return demo(options);
  return usage();
}
