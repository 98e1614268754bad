// The highest level reached in a data set.
#include "screens/reached_level.h"

#include <charconv>

#include "game/game.h"
#include "media/files/record_store.h"

namespace orv {
namespace {

constexpr const char* kHeader = "ORVANTE REACHED LEVEL";
constexpr const char* kFileName = "reached-level";
constexpr std::size_t kFileLimit = 1024;

}  // namespace

std::optional<std::int32_t> parse_reached_level(const std::string& text) {
  const std::string header = std::string(kHeader) + "\n";
  if (!text.starts_with(header)) return std::nullopt;
  std::string number = text.substr(header.size());
  while (!number.empty() && (number.back() == '\n' || number.back() == '\r')) number.pop_back();
  std::int32_t level = 0;
  const char* end = number.data() + number.size();
  const auto [stop, ec] = std::from_chars(number.data(), end, level);
  if (number.empty() || ec != std::errc() || stop != end || level < 1) return std::nullopt;
  return level;
}

std::string format_reached_level(std::int32_t level) {
  return std::string(kHeader) + "\n" + std::to_string(level) + "\n";
}

std::string reached_level_path(const Config& config) {
  const std::string& scores = config.highscore_file;
  const std::size_t slash = scores.rfind('/');
  if (scores.empty() || slash == std::string::npos) return {};
  return scores.substr(0, slash + 1) + kFileName;
}

std::int32_t read_reached_level(const std::string& path) {
  if (path.empty()) return 1;
  const media::RecordContent content = media::read_record_file(path, kFileLimit);
  if (!content.bytes) return 1;
  return parse_reached_level(*content.bytes).value_or(1);
}

std::int32_t raise_reached_level(const std::string& path, std::int32_t level, std::string& error) {
  std::int32_t kept = 1;
  const auto change = [&](const media::RecordContent& old) {
    media::RecordChange wanted;
    std::optional<std::int32_t> before = 1;
    if (old.present) before = old.bytes ? parse_reached_level(*old.bytes) : std::nullopt;
    wanted.set_old_aside = !before;
    kept = before.value_or(1);
    if (level > kept) {
      kept = level;
      wanted.write = format_reached_level(level);
    }
    return wanted;
  };
  const media::RecordOutcome outcome = media::update_record_file(path, kFileLimit, change);
  error = outcome.error;
  return kept;
}

void load_reached_level(Game& g) {
  g.frame.play.reached_level = read_reached_level(reached_level_path(g.config));
}

void note_level_reached(Game& g) {
  PlayModeState& play = g.frame.play;
  const std::int32_t level = g.world.level;
  if (play.mode != PlayMode::kNormal || g.frame.replaying || g.tape.mode != TapeMode::kLive ||
      g.world.level_keys_used)
    return;
  if (level <= play.reached_level) return;
  const std::string path = reached_level_path(g.config);
  if (path.empty()) return;
  std::string error = g.media.user_folders.create(path.substr(0, path.rfind('/') + 1));
  if (error.empty()) play.reached_level = raise_reached_level(path, level, error);
  if (!error.empty()) g.media.sys.notice(error);
}

}  // namespace orv
