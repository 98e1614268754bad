// Short recorded games, each pinning one behaviour. A folder of tests/replays holds
// recording.txt (what --record writes: the seed and the keys frame by frame) and replay.txt (a
// one-line note, the data set and its settings, what the game must show on the way and the final
// score, level, frame count and picture checksum). Each folder is a test case of its own.
//
// ORV_UPDATE_GOLDEN=1 rewrites the final values of replay.txt from the replayed game, once it has
// shown what the replay is for.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

#include "frame/main_loop.h"
#include "frame/start_up.h"
#include "game/coordinates.h"
#include "game/errors.h"
#include "game/game.h"
#include "media/input_recording.h"
#include "media/platform_headless/headless_platform.h"
#include "support/data_set.h"
#include "support/test_game.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

const fs::path kReplays = fs::path(ORV_REPLAYS);

std::string read_text(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

int locked_pink_cells(const Game& g) {
  int count = 0;
  for (int x = 0; x < g.world.grid.columns(); ++x)
    for (int y = 0; y < g.world.grid.rows(); ++y)
      count += g.world.grid.tile_name(x, y) == name::kLabFixedPinkFloor;
  return count;
}

bool on_locked_pink(const Game& g) {
  const CellPosition c = cell_under_player(g);
  return g.world.grid.contains(c.x, c.y) &&
         g.world.grid.tile_name(c.x, c.y) == name::kLabFixedPinkFloor;
}

// The state one presented frame is compared with the next.
struct Snapshot {
  int dialogs, time, level, counter, unit, bombs, pink;
  bool title, on_pink, quit;
  static Snapshot of(const Game& g) {
    return {g.input.open_dialogs,
            g.world.time,
            g.world.level,
            g.frame.frame_counter,
            g.frame.time_unit_length,
            g.world.bombs,
            locked_pink_cells(g),
            g.frame.title_requested,
            on_locked_pink(g),
            g.frame.quit_requested};
  }
};

// What a replay may have to show on the way, each counted once per frame it happens in (menus
// and dialogs too); the change from one frame to the next tells how often.
using Fact = std::function<int(const Snapshot& a, const Snapshot& b)>;
const std::map<std::string, Fact> kFacts{
    {"dialogs", [](auto& a, auto& b) { return a.dialogs == 0 && b.dialogs > 0; }},
    {"time_units", [](auto& a, auto& b) { return b.time < a.time && b.level == a.level; }},
    {"game_overs", [](auto& a, auto& b) { return a.time >= 0 && b.time < 0; }},
    {"traps", [](auto& a, auto& b) { return !a.title && b.title; }},  // HARDCORE trap closed
    {"quits", [](auto& a, auto& b) { return !a.quit && b.quit; }},
    {"pink_freed",  // locked pink cells a bomb turned back into floor
     [](auto& a, auto& b) { return b.bombs < a.bombs && b.pink < a.pink ? a.pink - b.pink : 0; }},
    {"pink_stood", [](auto& a, auto& b) { return a.on_pink && b.on_pink; }},  // and stayed locked
    {"edge_completions",  // a level completed in the frame that ends a unit of its time
     [](auto& a, auto& b) { return b.level == a.level + 1 && a.counter == a.unit && b.time >= 0; }},
};

// The replay's data set and settings, and what it must show and end with.
struct Replay {
  std::string data = "fixtures", settings;  // settings: appended to DATA/ini.txt
  int base_w = 0, base_h = 0;               // 0: the data set's base file
  std::map<std::string, int> shows;         // facts seen at least so many times
  std::string end;                          // "score S level L frames F picture P"
};

std::optional<Replay> parse_replay(const std::string& text) {
  Replay r;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    std::istringstream words(line);
    std::string key, word;
    words >> key;
    if (key == "data")
      words >> r.data;
    else if (key == "ini" && words >> key >> word)
      r.settings += key + '\n' + word + '\n';
    else if (key == "base")
      words >> r.base_w >> r.base_h;
    else if (key == "shows")
      words >> word >> r.shows[word];
    else if (key == "score" || key == "level" || key == "frames" || key == "picture")
      r.end += (r.end.empty() ? "" : " ") + line;
    else if (!key.empty() && key != "#")
      return std::nullopt;
    if (words.fail()) return std::nullopt;
  }
  return r;
}

// FNV-1a over the pixels of a picture, as 16 hex digits.
std::string checksum(const media::Image& image) {
  std::uint64_t h = 14695981039346656037ull;
  for (media::Pixel p : image.pixels)
    for (int shift = 0; shift < 32; shift += 8) h = (h ^ ((p >> shift) & 255)) * 1099511628211ull;
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(h));
  return text;
}

// Copies the data set into dir with the replay's settings; returns the folder to start in.
fs::path install(const Replay& r, const fs::path& dir) {
  fs::path start = dir;
  if (r.data == "ARENA") {
    fs::copy(ORV_SHIPPED_DATA, dir / "data", fs::copy_options::recursive);
    start = dir / "data" / "ARENA";
  } else {
    fs::copy(fs::path(ORV_FIXTURES) / "data" / "DATA", dir / "DATA", fs::copy_options::recursive);
  }
  std::string ini = read_text(start / "DATA" / "ini.txt");
  if (!ini.empty() && ini.back() != '\n') ini += '\n';
  std::ofstream(start / "DATA" / "ini.txt", std::ios::binary) << ini << r.settings;
  if (r.base_w > 0)
    std::ofstream(start / "DATA" / "base.txt", std::ios::binary) << "ORVANTE BASE\n"
                                                                 << r.base_w << '\n'
                                                                 << r.base_h << "\n0\n0\n";
  return start;
}

// The headless platform that counts the facts at every presented frame and asks the game to
// close after the frame end_at.
class WatchingPlatform : public media::HeadlessPlatform {
 public:
  void present(const media::Pixel* pixels, int width, int height) override {
    HeadlessPlatform::present(pixels, width, height);
    const Snapshot now = Snapshot::of(*game);
    if (before)
      for (const auto& [fact, happened] : kFacts) seen[fact] += happened(*before, now);
    before = now;
    if (frame() >= end_at) request_close();
  }
  const Game* game = nullptr;
  std::int64_t end_at = 0;
  std::optional<Snapshot> before;
  std::map<std::string, int> seen;
};

// Replays the recording to the replay's frame count (or the long limit); returns the end it came
// to in the form of Replay::end.
std::string play(const Replay& r, const media::Recording& recording, WatchingPlatform& platform,
                 std::int64_t frames) {
  test::TempDir dir;
  test::CurrentDirectory here{install(r, dir.path()).string()};
  media::InputRecordingPlatform replayer(platform, media::InputRecordingPlatform::Mode::kReplay,
                                         recording.events);
  media::Media m(replayer, "/home/tester/");
  Game g(m);
  m.sys.random_seed(recording.seed);
  g.frame.recorded_input = g.frame.replaying = true;
  platform.game = &g;
  platform.end_at = frames;
  try {
    start_up(g);
    for (;;) main_loop_turn(g);
  } catch (const ProgramEnd&) {
  }
  std::ostringstream end;
  end << "score " << g.world.score << " level " << g.world.level << " frames " << platform.frame()
      << " picture " << checksum(platform.last_presented());
  return end.str();
}

std::int64_t recorded_frames(const std::string& end) {
  std::istringstream words(end.substr(std::min(end.find("frames"), end.size())));
  std::string key;
  std::int64_t frames = 60 * 60 * 3;  // none given yet: the game's end, or three minutes
  words >> key >> frames;
  return frames;
}

// Writes the end the game came to into replay.txt, one value a line, after its other lines.
void write_end(const fs::path& file, const std::string& end) {
  std::istringstream in(read_text(file)), words(end);
  std::string kept, line, key, value;
  while (std::getline(in, line))
    if (line.rfind("score", 0) && line.rfind("level", 0) && line.rfind("frames", 0) &&
        line.rfind("picture", 0))
      kept += line + '\n';
  while (words >> key >> value) kept += key + ' ' + value + '\n';
  std::ofstream(file, std::ios::binary) << kept;
}

std::vector<std::string> replay_names() {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(kReplays, error))
    if (entry.is_directory()) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

class Replays : public ::testing::TestWithParam<std::string> {};

TEST_P(Replays, EndAsRecordedAfterShowingTheirBehaviour) {
  const fs::path folder = kReplays / GetParam();
  const auto replay = parse_replay(read_text(folder / "replay.txt"));
  const auto recording = media::parse_recording(read_text(folder / "recording.txt"));
  ASSERT_TRUE(replay.has_value());
  ASSERT_TRUE(recording.has_value());
  ASSERT_FALSE(replay->shows.empty()) << "a replay that shows nothing pins nothing";
  WatchingPlatform platform;
  const std::string end = play(*replay, *recording, platform, recorded_frames(replay->end));
  for (const auto& [fact, times] : replay->shows) {
    ASSERT_TRUE(kFacts.count(fact)) << fact;
    EXPECT_GE(platform.seen[fact], times) << "the replay no longer shows " << fact;
  }
  const char* update = std::getenv("ORV_UPDATE_GOLDEN");
  if (update && std::string(update) == "1")
    return HasFailure() ? void() : write_end(folder / "replay.txt", end);
  EXPECT_EQ(end, replay->end);
}

INSTANTIATE_TEST_SUITE_P(Folder, Replays, ::testing::ValuesIn(replay_names()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace orv
