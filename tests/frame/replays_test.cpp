// Short recorded games, each pinning one behaviour. A folder of tests/replays holds
// recording.txt (what --record writes: the seed and the keys frame by frame) and replay.txt (a
// one-line note, the data set and its settings, what the game must show on the way and the final
// score, level, frame count and picture checksum). Each folder is a test case of its own.
//
// ORV_UPDATE_GOLDEN=1 records them anew: a scripted player (the autopilot of src/input and a few
// rules per replay) plays through the recording platform, and a recording is kept only when the
// game showed what the replay is for.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>

#include "frame/main_loop.h"
#include "frame/start_up.h"
#include "game/coordinates.h"
#include "game/errors.h"
#include "game/game.h"
#include "input/autopilot.h"
#include "media/input_recording.h"
#include "media/keys.h"
#include "media/platform_headless/headless_platform.h"
#include "support/data_set.h"
#include "support/test_game.h"

namespace orv {
namespace {

namespace fs = std::filesystem;
using Recorder = media::InputRecordingPlatform;

const fs::path kReplays = fs::path(ORV_REPLAYS);
constexpr std::int64_t kFrameLimit = 60 * 60 * 3;
// START is pressed once the title menu has been shown for a moment.
constexpr std::int64_t kStartFrame = 90;

std::string read_text(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// What the game showed on the way, counted at every presented frame (menus and dialogs too).
struct Seen {
  int dialogs = 0;                 // dialogs opened
  int time_units = 0;              // units of level time that ran out
  int game_overs = 0;              // the level time ran out
  int edge_completions = 0;        // levels completed in the frame that ends a time unit
  int traps = 0;                   // the HARDCORE trap closed on the player
  int pink_freed = 0;              // locked pink cells a bomb turned back into floor
  int pink_stood = 0;              // frames the player stood on a locked pink cell, which stayed so
  int quits = 0;                   // the quit dialog ended the game
  int counter_at_completion = -1;  // the level clock in the last frame before a completion
};

const std::map<std::string, int Seen::*> kFacts{
    {"dialogs", &Seen::dialogs},       {"time_units", &Seen::time_units},
    {"game_overs", &Seen::game_overs}, {"edge_completions", &Seen::edge_completions},
    {"traps", &Seen::traps},           {"pink_freed", &Seen::pink_freed},
    {"pink_stood", &Seen::pink_stood}, {"quits", &Seen::quits}};

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

// The state one frame is compared with the next.
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

void compare(const Snapshot& a, const Snapshot& b, Seen& seen) {
  seen.dialogs += a.dialogs == 0 && b.dialogs > 0;
  seen.time_units += b.time < a.time && b.level == a.level;
  seen.game_overs += a.time >= 0 && b.time < 0;
  seen.traps += !a.title && b.title;
  seen.quits += !a.quit && b.quit;
  if (b.bombs < a.bombs && b.pink < a.pink) seen.pink_freed += a.pink - b.pink;
  seen.pink_stood += a.on_pink && b.on_pink;
  if (b.level == a.level + 1) {
    seen.counter_at_completion = a.counter;
    seen.edge_completions += a.counter == a.unit && b.time >= 0;
  }
}

// The headless platform that watches every presented frame and asks the game to close once
// the frame end_at is reached.
class WatchingPlatform : public media::HeadlessPlatform {
 public:
  void present(const media::Pixel* pixels, int width, int height) override {
    HeadlessPlatform::present(pixels, width, height);
    if (watch) watch();
    if (frame() >= end_at) request_close();
  }
  std::function<void()> watch;
  std::int64_t end_at = kFrameLimit;
};

// The replay's data set and settings, and what it must show and end with.
struct Replay {
  std::string note, data = "fixtures";
  std::vector<std::pair<std::string, std::string>> settings;  // appended to DATA/ini.txt
  int base_w = 0, base_h = 0;                                 // 0: the data set's base file
  std::map<std::string, int> shows;                           // facts seen at least so many times
  std::int32_t score = 0, level = 0;
  std::int64_t frames = 0;
  std::string picture;
};

std::optional<Replay> parse_replay(const std::string& text) {
  Replay r;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    std::istringstream words(line);
    std::string key, word;
    words >> key;
    if (key == "#")
      std::getline(words >> std::ws, r.note);
    else if (key == "data")
      words >> r.data;
    else if (key == "ini")
      words >> word >> r.settings.emplace_back(word, "").second;
    else if (key == "base")
      words >> r.base_w >> r.base_h;
    else if (key == "shows")
      words >> word >> r.shows[word];
    else if (key == "score")
      words >> r.score;
    else if (key == "level")
      words >> r.level;
    else if (key == "frames")
      words >> r.frames;
    else if (key == "picture")
      words >> r.picture;
    else if (!key.empty())
      return std::nullopt;
    if (words.fail()) return std::nullopt;
  }
  return r;
}

std::string format_replay(const Replay& r) {
  std::ostringstream out;
  out << "# " << r.note << "\ndata " << r.data << '\n';
  for (const auto& [key, value] : r.settings) out << "ini " << key << ' ' << value << '\n';
  if (r.base_w > 0) out << "base " << r.base_w << ' ' << r.base_h << '\n';
  for (const auto& [fact, times] : r.shows) out << "shows " << fact << ' ' << times << '\n';
  out << "score " << r.score << "\nlevel " << r.level << "\nframes " << r.frames << "\npicture "
      << r.picture << '\n';
  return out.str();
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
  for (const auto& [key, value] : r.settings) ini += key + '\n' + value + '\n';
  std::ofstream(start / "DATA" / "ini.txt", std::ios::binary) << ini;
  if (r.base_w > 0)
    std::ofstream(start / "DATA" / "base.txt", std::ios::binary) << "ORVANTE BASE\n"
                                                                 << r.base_w << '\n'
                                                                 << r.base_h << "\n0\n0\n";
  return start;
}

struct Outcome {
  std::int32_t score = 0, level = 0;
  std::int64_t frames = 0;
  std::string picture;
  Seen seen;
  media::Recording recording;
};

// A scripted player: steer is called before every turn of play, done after every frame.
struct Player {
  std::function<void(const Game&, WatchingPlatform&, const Seen&)> steer;
  std::function<bool(const Seen&)> done;
  std::int64_t frames_after = 60;  // frames shown once done
};

// Plays the replay's game to its end: the recording's keys (replay) or the player's (record).
Outcome play(const Replay& r, const media::Recording& recording, const Player* player) {
  test::TempDir dir;
  test::CurrentDirectory here{install(r, dir.path()).string()};
  WatchingPlatform platform;
  Recorder recorder(platform, player ? Recorder::Mode::kRecord : Recorder::Mode::kReplay,
                    recording.events);
  media::Media m(recorder, "/home/tester/");
  Game g(m);
  m.sys.random_seed(recording.seed);
  g.frame.recorded_input = true;
  g.frame.replaying = player == nullptr;
  Outcome out;
  std::optional<Snapshot> before;
  platform.watch = [&] {
    const Snapshot now = Snapshot::of(g);
    if (before) compare(*before, now, out.seen);
    before = now;
    if (player && platform.end_at == kFrameLimit && player->done(out.seen))
      platform.end_at = platform.frame() + player->frames_after;
  };
  if (!player) platform.end_at = r.frames;
  if (player) platform.tap_key(media::key::kP, kStartFrame, 3);
  try {
    start_up(g);
    for (;;) {
      if (player) player->steer(g, platform, out.seen);
      main_loop_turn(g);
    }
  } catch (const ProgramEnd&) {
  }
  out.score = g.world.score;
  out.level = g.world.level;
  out.frames = platform.frame();
  out.picture = checksum(platform.last_presented());
  out.recording = {recording.seed, recorder.events()};
  return out;
}

// --- recording anew (ORV_UPDATE_GOLDEN=1) ---

// Holds the one arrow given, or none.
void hold_arrow(WatchingPlatform& p, std::optional<int> arrow) {
  for (int key : {media::key::kRight, media::key::kLeft, media::key::kDown, media::key::kUp})
    if (arrow != key) p.release_key(key);
  if (arrow) p.hold_key(*arrow);
  p.forget_past_key_changes();
}

void autopilot(const Game& g, WatchingPlatform& p, const Seen&) {
  hold_arrow(p, autopilot_arrow(g));
}

constexpr int kArrows[4][3] = {{1, 0, media::key::kRight},
                               {-1, 0, media::key::kLeft},
                               {0, 1, media::key::kDown},
                               {0, -1, media::key::kUp}};

// A locked pink cell on one of the four rays a bomb would blast from the player's cell.
bool pink_in_blast(const Game& g) {
  const CellPosition c = cell_under_player(g);
  for (const auto& [dx, dy, key] : kArrows)
    for (int x = c.x, y = c.y; x > 0 && y > 0 && x < g.world.last_column && y < g.world.last_row &&
                               g.world.grid.contains(x, y) && g.world.grid.at(x, y).collision != 2;
         x += dx, y += dy)
      if (g.world.grid.tile_name(x, y) == name::kLabFixedPinkFloor) return true;
  return false;
}

// The arrow towards a locked pink cell beside the player that the player can enter.
std::optional<int> arrow_to_locked_pink(const Game& g) {
  const CellPosition c = cell_under_player(g);
  for (const auto& [dx, dy, key] : kArrows) {
    if (!g.world.grid.contains(c.x + dx, c.y + dy)) continue;
    const Cell& cell = g.world.grid.at(c.x + dx, c.y + dy);
    if (g.world.grid.tile_name(c.x + dx, c.y + dy) == name::kLabFixedPinkFloor &&
        cell.collision == 0)
      return key;
  }
  return std::nullopt;
}

Replay setup(std::string note, std::string data,
             std::vector<std::pair<std::string, std::string>> settings,
             std::map<std::string, int> shows) {
  Replay r;
  r.note = std::move(note), r.data = std::move(data), r.settings = std::move(settings);
  r.shows = std::move(shows);
  return r;
}

// Walks through the given cells in turn, one axis at a time.
auto walk(std::vector<CellPosition> cells) {
  return [cells, next = std::size_t(0)](const Game& g, WatchingPlatform& p, const Seen&) mutable {
    const CellPosition c = cell_under_player(g);
    if (next < cells.size() && c == cells[next]) ++next;
    if (next == cells.size()) return hold_arrow(p, std::nullopt);
    const CellPosition t = cells[next];
    using namespace media::key;
    hold_arrow(p, t.x != c.x ? (t.x > c.x ? kRight : kLeft) : (t.y > c.y ? kDown : kUp));
  };
}

struct Scenario {
  std::string name;
  Replay setup;
  Player player;
};

std::vector<Scenario> scenarios() {
  const auto small = [](Replay r) {
    r.settings.insert(r.settings.begin(), {{"WORLDRANDOM", "19"}});
    r.base_w = 14, r.base_h = 12;
    return r;
  };
  std::vector<Scenario> list;
  list.push_back(
      {"hardcore_trap_in_arena",
       setup("ARENA in HARDCORE: the player paints itself into the corner of the landing, the trap "
             "ends the "
             "game and the title comes back",
             "ARENA", {}, {{"traps", 1}}),
       {walk({{7, 12}, {7, 13}, {8, 13}, {8, 12}}), [](const Seen& s) { return s.traps > 0; }}});
  list.push_back({"bomb_frees_pink_locked_cells",
                  small(setup("a bomb turns locked pink cells on its rays back into floor",
                              "fixtures", {{"WORLDREFRESH", "900"}}, {{"pink_freed", 1}})),
                  {[](const Game& g, WatchingPlatform& p, const Seen& s) {
                     autopilot(g, p, s);
                     if (s.pink_freed == 0 && g.world.bombs > 0 && pink_in_blast(g))
                       p.tap_key(media::key::kSpace, p.frame(), 2);
                   },
                   [](const Seen& s) { return s.pink_freed > 0; }}});
  list.push_back(
      {"pink_lock_out",
       small(setup("the player stands on locked pink floor, which the player's paint leaves "
                   "locked",
                   "fixtures", {{"WORLDREFRESH", "900"}}, {{"pink_stood", 1}})),
       {[](const Game& g, WatchingPlatform& p, const Seen& s) {
          if (on_locked_pink(g)) return hold_arrow(p, std::nullopt);
          const auto arrow = arrow_to_locked_pink(g);
          if (arrow) return hold_arrow(p, arrow);
          autopilot(g, p, s);
        },
        [](const Seen& s) { return s.pink_stood > 0; }}});
  list.push_back({"level_file_game_over",
                  setup("the ARENA level file in the default mode, with ten frames a time unit: "
                        "the autopilot paints while the time runs out unit by unit until the "
                        "highscore screen",
                        "ARENA", {{"GAMEMODE", "DEFAULT"}, {"WORLDREFRESH", "9"}},
                        {{"time_units", 30}, {"game_overs", 1}}),
                  {autopilot, [](const Seen& s) { return s.game_overs > 0; }}});
  list.push_back(
      {"pause_and_quit_dialogs",
       small(setup("P opens the pause dialog and X continues; Escape opens the quit dialog and "
                   "B quits",
                   "fixtures", {}, {{"dialogs", 2}, {"quits", 1}})),
       {[asked = false](const Game& g, WatchingPlatform& p, const Seen& s) mutable {
          autopilot(g, p, s);
          if (asked || p.frame() < kStartFrame + 120) return;
          asked = true;
          p.tap_key(media::key::kP, p.frame(), 3);
          p.tap_key(media::key::kX, p.frame() + 40, 3);
          p.tap_key(media::key::kEscape, p.frame() + 100, 3);
          p.tap_key(media::key::kB, p.frame() + 140, 3);
        },
        [](const Seen&) { return false; }}});
  list.push_back({"level_completed_on_a_time_unit_edge",
                  small(setup("level 1 is completed in the frame that ends a unit of its time: "
                              "the completion wins and the next level comes",
                              "fixtures", {}, {{"edge_completions", 1}})),
                  {autopilot, [](const Seen& s) { return s.edge_completions > 0; }, 120}});
  return list;
}

// The unit of level time that ends in the very frame the autopilot completes level 1, measured
// on a game whose clock never runs out.
std::string unit_ending_at_completion(Scenario s) {
  s.setup.settings.push_back({"WORLDREFRESH", "100000"});
  s.player.done = [](const Seen& seen) { return seen.counter_at_completion >= 0; };
  return std::to_string(play(s.setup, {26, {}}, &s.player).seen.counter_at_completion);
}

// Records the scenario's game and writes its folder; fails when the game did not show what the
// replay is for.
void record(Scenario s) {
  if (s.name == "level_completed_on_a_time_unit_edge")
    s.setup.settings.push_back({"WORLDREFRESH", unit_ending_at_completion(s)});
  const Outcome out = play(s.setup, {26, {}}, &s.player);
  for (const auto& [fact, times] : s.setup.shows)
    ASSERT_GE(out.seen.*kFacts.at(fact), times) << "the recorded game did not show " << fact;
  Replay r = s.setup;
  std::tie(r.score, r.level, r.frames, r.picture) =
      std::tuple(out.score, out.level, out.frames, out.picture);
  fs::create_directories(kReplays / s.name);
  std::ofstream(kReplays / s.name / "recording.txt", std::ios::binary)
      << media::format_recording(out.recording);
  std::ofstream(kReplays / s.name / "replay.txt", std::ios::binary) << format_replay(r);
}

// The folders, and the scenarios not yet recorded.
std::vector<std::string> replay_names() {
  std::set<std::string> names;
  for (const Scenario& s : scenarios()) names.insert(s.name);
  std::error_code error;  // no folder: only the scenarios
  for (const auto& entry : fs::directory_iterator(kReplays, error))
    if (entry.is_directory()) names.insert(entry.path().filename().string());
  return {names.begin(), names.end()};
}

class Replays : public ::testing::TestWithParam<std::string> {};

TEST_P(Replays, EndAsRecordedAfterShowingTheirBehaviour) {
  const char* update = std::getenv("ORV_UPDATE_GOLDEN");
  if (update && std::string(update) == "1") {
    const auto list = scenarios();
    const auto s = std::find_if(list.begin(), list.end(),
                                [](const Scenario& s) { return s.name == GetParam(); });
    ASSERT_NE(s, list.end()) << "no scenario records " << GetParam();
    ASSERT_NO_FATAL_FAILURE(record(*s));
  }
  const fs::path folder = kReplays / GetParam();
  const auto replay = parse_replay(read_text(folder / "replay.txt"));
  const auto recording = media::parse_recording(read_text(folder / "recording.txt"));
  ASSERT_TRUE(replay.has_value());
  ASSERT_TRUE(recording.has_value());
  ASSERT_FALSE(replay->shows.empty()) << "a replay that shows nothing pins nothing";
  const Outcome out = play(*replay, *recording, nullptr);
  for (const auto& [fact, times] : replay->shows) {
    ASSERT_TRUE(kFacts.count(fact)) << fact;
    EXPECT_GE(out.seen.*kFacts.at(fact), times) << "the replay no longer shows " << fact;
  }
  EXPECT_EQ(out.score, replay->score);
  EXPECT_EQ(out.level, replay->level);
  EXPECT_EQ(out.frames, replay->frames);
  EXPECT_EQ(out.picture, replay->picture);
}

INSTANTIATE_TEST_SUITE_P(Folder, Replays, ::testing::ValuesIn(replay_names()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace orv
