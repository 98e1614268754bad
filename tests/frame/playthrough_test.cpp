// A recorded play-through of the whole game on the headless platform: the intro, START in the
// title menu, then walking, painting and fixing tiles until the generated levels 1 and 2 are
// complete and level 3 is built and announced. The key presses are
// replayed frame by frame from tests/fixtures/playthrough/input.txt and the game must end in the
// recorded state of expected.txt. Any change to the rules, the order of random draws or the timing
// of frames shows up here.
//
// ORV_UPDATE_GOLDEN=1 records both files anew with the autopilot of src/input/autopilot.h.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <tuple>

#include "frame/main_loop.h"
#include "frame/start_up.h"
#include "game/coordinates.h"
#include "game/game.h"
#include "input/autopilot.h"
#include "media/input_recording.h"
#include "media/input_script.h"
#include "media/keys.h"
#include "media/platform_headless/headless_platform.h"
#include "support/data_set.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

const fs::path kFixture = fs::path(ORV_FIXTURES) / "playthrough";
// START is pressed once the title menu has been shown for a moment.
constexpr std::int64_t kStartFrame = 90;
// Levels the autopilot completes.
constexpr std::int32_t kLevelsToPlay = 2;
// A play-through that does not finish within this many frames is stuck (in a menu, say).
constexpr std::int64_t kFrameLimit = 60 * 60 * 4;

std::string read_text(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Asks the game to close once the frame limit is reached, so a stuck game ends the test.
class GuardedPlatform : public media::HeadlessPlatform {
 public:
  void present(const media::Pixel* pixels, int width, int height) override {
    HeadlessPlatform::present(pixels, width, height);
    if (frame() >= kFrameLimit) request_close();
  }
};

// The frame of a trace line.
std::int64_t frame_of(const std::string& line) {
  long long frame = -1;
  std::sscanf(line.c_str(), "frame %lld", &frame);
  return frame;
}

// The game's state about once a second of play and after the last frame, one line each; a
// replay must give the same lines, so a change shows where the game first went another way.
class Trace {
 public:
  void after_turn(const Game& g, std::int64_t frame) {
    if (frame < next_) return;
    add(g, frame);
    next_ = frame + 60;
  }
  // The last line is always the state after the last frame.
  void finish(const Game& g, std::int64_t frame) {
    if (lines_.empty() || frame_of(lines_.back()) != frame) add(g, frame);
  }
  const std::vector<std::string>& lines() const { return lines_; }
  std::string text() const {
    std::string out;
    for (const std::string& line : lines_) out += line + '\n';
    return out;
  }

 private:
  void add(const Game& g, std::int64_t frame) {
    const CellPosition cell = cell_under_player(g);
    std::ostringstream line;
    line << "frame " << frame << " level " << g.world.level << " score " << g.world.score
         << " target " << g.world.score_target << " remaining " << g.world.remaining << " time "
         << g.world.time << " bombs " << g.world.bombs << " cell " << cell.x << ' ' << cell.y;
    lines_.push_back(line.str());
  }

  std::vector<std::string> lines_;
  std::int64_t next_ = 0;
};

// Schedules every event on the platform before the game starts.
void schedule(media::HeadlessPlatform& platform, const std::vector<media::KeyEvent>& events) {
  for (const media::KeyEvent& e : events)
    e.down ? platform.hold_key(e.key, e.frame) : platform.release_key(e.key, e.frame);
}

// Records the keys a player holds: set() changes the held keys from the platform's current
// frame on (or from a frame ahead) and logs only the changes.
class KeyRecorder {
 public:
  explicit KeyRecorder(media::HeadlessPlatform& platform) : platform_(platform) {}
  void set(int key, bool down, std::int64_t frame = -1) {
    const auto at = std::find(held_.begin(), held_.end(), key);
    if ((at != held_.end()) == down) return;
    down ? held_.push_back(key) : void(held_.erase(at));
    events_.push_back({frame < 0 ? platform_.frame() : frame, key, down});
    schedule(platform_, {events_.back()});
  }
  void release_all() {
    while (!held_.empty()) set(held_.back(), false);
  }
  const std::vector<media::KeyEvent>& events() const { return events_; }

 private:
  media::HeadlessPlatform& platform_;
  std::vector<media::KeyEvent> events_;
  std::vector<int> held_;
};

// Holds the arrow the autopilot chooses (or none) for the coming frames.
void steer(const Game& g, KeyRecorder& keys) {
  const std::optional<int> arrow = autopilot_arrow(g);
  for (int key : {media::key::kRight, media::key::kLeft, media::key::kDown, media::key::kUp})
    if (arrow != key) keys.set(key, false);
  if (arrow) keys.set(*arrow, true);
}

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class PlayThrough : public ::testing::Test {
 protected:
  PlayThrough() {
    fs::copy(fs::path(ORV_FIXTURES) / "data" / "DATA", dir.path() + "DATA",
             fs::copy_options::recursive);
    // The play-through's own settings come last in the ini file, where the last value wins.
    dir.write("DATA/ini.txt", dir.read("DATA/ini.txt") + read_text(kFixture / "settings.txt"));
    dir.write("DATA/base.txt", read_text(kFixture / "base.txt"));
  }

  void turn() {
    main_loop_turn(g);
    trace.after_turn(g, platform.frame());
  }

  // Plays with the autopilot until the levels are complete and the next one is announced.
  void record(KeyRecorder& keys) {
    // START is held until the game appears; held on, it does not pause the game.
    keys.set(media::key::kP, true, kStartFrame);
    start_up(g);
    keys.set(media::key::kP, false);
    while (g.world.level <= kLevelsToPlay) {
      steer(g, keys);
      turn();
    }
    keys.release_all();
    turn();  // builds the next level and plays its announcement
    trace.finish(g, platform.frame());
  }

  void replay(const std::vector<media::KeyEvent>& events, std::int64_t frames) {
    schedule(platform, events);
    start_up(g);
    while (platform.frame() < frames) turn();
    trace.finish(g, platform.frame());
  }

  test::TempDir dir;
  test::CurrentDirectory here{dir.path()};
  GuardedPlatform platform;
  media::Media media{platform, "/home/tester/"};
  Game g{media};
  Trace trace;
  // The recorded play-through.
  const std::optional<std::vector<media::KeyEvent>> events =
      media::parse_input_script(read_text(kFixture / "input.txt"));
  const std::vector<std::string> expected = lines_of(read_text(kFixture / "expected.txt"));
};

TEST_F(PlayThrough, TheRecordedInputCompletesTheFirstTwoLevels) {
  const char* update = std::getenv("ORV_UPDATE_GOLDEN");
  if (update && std::string(update) == "1") {
    KeyRecorder keys(platform);
    ASSERT_NO_THROW(record(keys)) << "the autopilot got stuck at frame " << platform.frame();
    std::ofstream(kFixture / "input.txt", std::ios::binary) << media::format_input_script(
        keys.events(), "# frame key down|up, recorded by the play-through test\n");
    std::ofstream(kFixture / "expected.txt", std::ios::binary) << trace.text();
    GTEST_SKIP() << "recorded " << keys.events().size() << " key events";
  }

  ASSERT_TRUE(events.has_value());
  ASSERT_FALSE(expected.empty());
  ASSERT_NO_THROW(replay(*events, frame_of(expected.back())))
      << "stuck at frame " << platform.frame();
  const std::vector<std::string>& lines = trace.lines();
  for (std::size_t i = 0; i < std::min(lines.size(), expected.size()); ++i)
    ASSERT_EQ(lines[i], expected[i]) << "the replay first went another way here";
  EXPECT_EQ(lines.size(), expected.size());
  // Two levels really were played: points came from fixed tiles and pick-ups, and the next
  // level stands ready with its time.
  EXPECT_GT(g.world.score, 0);
  EXPECT_EQ(g.world.level, kLevelsToPlay + 1);
  EXPECT_EQ(g.frame.built_level, kLevelsToPlay + 1);
  EXPECT_GT(g.world.time, 0);
  EXPECT_TRUE(platform.boxes().empty());
}

// What --record keeps of a game replays it with --replay: the play-through's input goes through
// the recording platform into a recording file, which is then replayed with no keyboard at all
// and ends with the same score and level.
TEST_F(PlayThrough, ARecordedGameReplaysToTheSameOutcome) {
  ASSERT_TRUE(events.has_value());
  ASSERT_FALSE(expected.empty());
  const std::int64_t frames = frame_of(expected.back());
  using Recorder = media::InputRecordingPlatform;

  struct Outcome {
    std::int32_t score, level;
    bool operator==(const Outcome&) const = default;
  };
  const auto play = [&](media::Platform& inner, Recorder::Mode mode,
                        std::vector<media::KeyEvent> replay, std::int32_t seed) {
    Recorder recorder(inner, mode, std::move(replay));
    media::Media m(recorder, "/home/tester/");
    Game game(m);
    m.sys.random_seed(seed);
    start_up(game);
    while (recorder.frame() < frames) main_loop_turn(game);
    return std::pair(Outcome{game.world.score, game.world.level}, recorder.events());
  };

  schedule(platform, *events);
  const auto [recorded, input] = play(platform, Recorder::Mode::kRecord, {}, 77);
  const auto recording = media::parse_recording(media::format_recording({77, input}));
  ASSERT_TRUE(recording.has_value());
  GuardedPlatform no_keyboard;
  const auto [replayed, unused] =
      play(no_keyboard, Recorder::Mode::kReplay, recording->events, recording->seed);
  EXPECT_EQ(std::tuple(replayed, recorded.level), std::tuple(recorded, kLevelsToPlay + 1));
  EXPECT_GT(recorded.score, 0);
}

// A damaged recording must not replay half-way: any bad line rejects the whole script.
TEST(InputScript, RoundTripsOnlyWhenNoLineIsDamaged) {
  const std::vector<media::KeyEvent> events{
      {0, media::key::kP, true}, {3, media::key::kP, false}, {3, media::key::kLeft, true}};
  const std::string text = media::format_input_script(events, "# header\n\n");
  EXPECT_EQ(media::parse_input_script(text), events);
  EXPECT_EQ(media::parse_input_script("5 UP down\r\n"),
            (std::vector<media::KeyEvent>{{5, media::key::kUp, true}}));
  for (const char* bad : {"5 UP", "5 UP pressed", "5 HOME down", "-1 UP down", "x UP down",
                          "5 UP down extra", "6 UP down\n5 UP up"})
    EXPECT_FALSE(media::parse_input_script(bad).has_value()) << bad;
}

// A recording is a script with the seed in a comment; without its seed it is no recording.
TEST(InputScript, ARecordingKeepsItsSeed) {
  const media::Recording recording{-42,
                                   {{1, media::key::kF12, true}, {2, media::key::kPageUp, true}}};
  const auto back = media::parse_recording(media::format_recording(recording));
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(std::pair(back->seed, back->events), std::pair(recording.seed, recording.events));
  for (const char* bad : {"1 UP down\n", "# seed x\n", "# seed 1 2\n", "# seed 1\n1 UP\n"})
    EXPECT_FALSE(media::parse_recording(bad).has_value()) << bad;
}

}  // namespace
}  // namespace orv
