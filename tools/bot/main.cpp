// orvante-bot: the game played by a bot on the headless platform.
//   orvante-bot balance --data DIR [--levels 5] [--seeds 20] [--first-seed 1]
//                       [--aim greedy|nearest] [--pace 3] [--set KEY=VALUE]... [--min-level1 N]
//     one game per seed (WORLDRANDOM first-seed, first-seed + 1, ...) up to the given level; prints
//     the completions and medians per level as a Markdown table. With --min-level1 the exit status
//     is 1 when fewer games than N complete level 1.
//   orvante-bot long --data DIR [--frames 200000] [--every 10000] [--largest] [--pace 3]
//     plays game after game and prints the memory held every so many frames; --largest fills
//     every child slot, the largest labyrinths and many enemies.
//   --pace n: the bot rests n - 1 steps' time on each cell (1 = top speed, 3 = a newcomer).
#include <cstdio>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "bot/balance.h"
#include "bot/bot_session.h"
#include "bot/largest_data.h"

namespace {

using Settings = std::vector<std::pair<std::string, std::string>>;

// A newcomer does not hold the arrows all the time: looking for the next cell to paint, they
// walk at about a third of the player's top speed.
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

int balance(const Options& o) {
  orv::bot::DataCopy data(o.value("data", ""));
  const int seeds = int(o.number("seeds", 20));
  const auto aim =
      o.value("aim", "greedy") == "nearest" ? orv::bot::Aim::kNearest : orv::bot::Aim::kGreedy;
  const auto rows = orv::bot::measure_balance(data, aim, int(o.number("pace", kHumanPace)),
                                              int(o.number("first-seed", 1)), seeds,
                                              int(o.number("levels", 5)), o.settings);
  std::cout << orv::bot::format_balance(rows, seeds);
  const long long minimum = o.number("min-level1", 0);
  if (!rows.empty() && rows[0].completed < minimum) {
    std::cout << "level 1 completed in " << rows[0].completed << " games, fewer than " << minimum
              << "\n";
    return 1;
  }
  return 0;
}

int long_play(const Options& o) {
  orv::bot::DataCopy data(o.value("data", ""));
  Settings settings = o.largest ? orv::bot::make_largest(data) : Settings{};
  settings.insert(settings.end(), o.settings.begin(), o.settings.end());
  data.set(settings);
  std::cout << "| frame | level | game | RSS KiB | world objects | enemies "
               "|\n|---|---|---|---|---|---|\n";
  const long long levels = orv::bot::long_play(
      data, orv::bot::Aim::kGreedy, int(o.number("pace", kHumanPace)), o.number("frames", 200000),
      o.number("every", 10000), [](const orv::bot::MemorySample& s) {
        std::cout << "| " << s.frame << " | " << s.level << " | " << s.games << " | " << s.rss_kib
                  << " | " << s.objects << " | " << s.enemies << " |" << std::endl;
      });
  std::cout << "levels completed: " << levels << "\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  const std::string command = argc > 1 ? argv[1] : "";
  if ((command != "balance" && command != "long") || !parse(argc, argv, options)) {
    std::fprintf(stderr,
                 "usage: orvante-bot balance --data DIR [--levels N] [--seeds N] [--first-seed N] "
                 "[--aim greedy|nearest] [--pace N] [--set KEY=VALUE]... [--min-level1 N]\n"
                 "       orvante-bot long --data DIR [--frames N] [--every N] [--largest] "
                 "[--set KEY=VALUE]...\n");
    return 2;
  }
  return command == "balance" ? balance(options) : long_play(options);
}
