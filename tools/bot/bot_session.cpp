#include "bot/bot_session.h"

#include "media/game_tape.h"
#include "screens/score_table.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>

#include "frame/main_loop.h"
#include "frame/start_up.h"
#include "game/errors.h"
#include "media/files/paths.h"
#include "media/files/regular_file.h"
#include "media/media.h"

namespace orv::bot {
namespace fs = std::filesystem;
namespace {

// The resident memory of this process, from the kernel's accounting.
std::int64_t resident_kib() {
  std::ifstream in("/proc/self/status");
  for (std::string line; std::getline(in, line);)
    if (line.rfind("VmRSS:", 0) == 0) return std::stoll(line.substr(6));
  return 0;
}

// Changes the process's current folder for the life of the object.
struct CurrentFolder {
  explicit CurrentFolder(const fs::path& path) : previous(fs::current_path()) {
    fs::current_path(path);
  }
  ~CurrentFolder() { fs::current_path(previous); }
  CurrentFolder(const CurrentFolder&) = delete;
  CurrentFolder& operator=(const CurrentFolder&) = delete;
  fs::path previous;
};

// The game of the data copy with the bot at the keys, run from the copy's folder as the program
// runs from its data folder.
struct BotGame {
  // With keep_games every game keeps its recording with its score, as the program's do.
  BotGame(const DataCopy& data, Aim aim, int pace, bool keep_games = false)
      : folder(data.path()),
        platform(aim, pace),
        tape(platform),
        media(keep_games ? static_cast<media::Platform&>(tape) : platform,
              (data.path() / "HOME").string() + "/") {
    if (keep_games) game.tape.tape = &tape;
    // The player's folders (best scores, logs) lie inside the copy, never in the real home.
    const std::string home = (data.path() / "HOME").string();
    media.user_folders =
        media::UserFolders([home](const std::string& name) -> std::optional<std::string> {
          if (name == "HOME") return home;
          return std::nullopt;
        });
    platform.watch(game);
  }

  // Runs the program until something asks it to close.
  void run() {
    try {
      start_up(game);
      for (;;) main_loop_turn(game);
    } catch (const ProgramEnd&) {
    }
  }

  CurrentFolder folder;
  BotPlatform platform;
  media::TapePlatform tape;
  media::Media media;
  Game game{media};
};

}  // namespace

DataCopy::DataCopy(const fs::path& source) {
  std::random_device random;
  path_ = fs::temp_directory_path() / ("orvante-bot-" + std::to_string(random()));
  fs::copy(source, path_, fs::copy_options::recursive);
  fs::create_directories(path_ / "HOME");
  ini_ = read("DATA/ini.txt");
}

DataCopy::~DataCopy() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

void DataCopy::set(const std::vector<std::pair<std::string, std::string>>& settings) {
  std::string text = ini_;
  if (!text.empty() && text.back() != '\n') text += "\r\n";
  for (const auto& [key, value] : settings) text += key + "\r\n" + value + "\r\n";
  write("DATA/ini.txt", text);
}

std::string DataCopy::read(const std::string& relative) const {
  const auto bytes = media::read_whole_file((path_ / relative).string(), media::kMostTextFileBytes);
  return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
}

void DataCopy::write(const std::string& relative, const std::string& text) const {
  fs::create_directories((path_ / relative).parent_path());
  std::ofstream(path_ / relative, std::ios::binary) << text;
}

GameResult play_game(const DataCopy& data, Aim aim, int pace, std::int32_t max_level,
                     std::int64_t frame_limit) {
  BotGame bot(data, aim, pace);
  bool over = false;
  bot.platform.on_game_end = [&](const GameResult&) { over = true; };
  bot.platform.on_frame = [&] {
    const bool done = bot.platform.current().completed.size() >= std::size_t(max_level);
    if (over || done || bot.platform.frame() >= frame_limit) bot.platform.request_close();
  };
  bot.run();
  return bot.platform.current();
}

std::int64_t long_play(const DataCopy& data, Aim aim, int pace, std::int64_t frames,
                       std::int64_t sample_every,
                       const std::function<void(const MemorySample&)>& report) {
  BotGame bot(data, aim, pace);
  std::int64_t levels = 0;
  std::int32_t games = 1;
  bot.platform.on_game_end = [&](const GameResult& r) {
    levels += std::int64_t(r.completed.size());
    ++games;
  };
  bot.platform.on_frame = [&] {
    const std::int64_t frame = bot.platform.frame();
    if (frame % sample_every == 0 || frame >= frames) {
      const WorldState& w = bot.game.world;
      report({frame, w.level, games, resident_kib(), w.objects.size(),
              w.enemies_a.size() + w.enemies_b.size()});
    }
    if (frame >= frames) bot.platform.request_close();
  };
  bot.run();
  if (!bot.platform.current().timed_out)
    levels += std::int64_t(bot.platform.current().completed.size());
  return levels;
}

std::vector<std::string> record_games(const DataCopy& data, Aim aim, int pace, int games,
                                      std::int64_t frame_limit, std::size_t rest_after_levels) {
  BotGame bot(data, aim, pace, true);
  bot.platform.rest_after_levels(rest_after_levels);
  std::vector<std::string> records;
  int ended = 0;
  // Each game that ends adds its score, and its recording, to the table: the new one is kept.
  bot.platform.on_game_end = [&](const GameResult&) {
    ++ended;
    const std::string& table_path = bot.game.config.highscore_file;
    for (const ScoreEntry& entry : load_score_table(table_path).table) {
      auto text = load_game_record(table_path, entry);
      if (text && std::find(records.begin(), records.end(), *text) == records.end())
        records.push_back(std::move(*text));
    }
  };
  bot.platform.on_frame = [&] {
    if (ended >= games || bot.platform.frame() >= frame_limit) bot.platform.request_close();
  };
  bot.run();
  return records;
}

}  // namespace orv::bot
