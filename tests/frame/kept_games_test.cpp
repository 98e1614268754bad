// Kept games prove their scores: a game the bot played (and kept with its score, as the
// program keeps every game) plays again on the headless platform to exactly the score, level
// and frames it claims, and any change to the claim, the input or the data is caught and named.
// A replay handed to the player at a frame goes on from exactly that frame's state.
#include "frame/kept_games.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <tuple>

#include "bot/bot_session.h"
#include "frame/main_loop.h"
#include "frame/start_up.h"
#include "game/errors.h"
#include "game/game.h"
#include "media/keys.h"
#include "media/platform_headless/headless_platform.h"
#include "support/data_set.h"
#include "support/screen_game.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

constexpr std::int64_t kFrameLimit = 60 * 60 * 12;

// A game the bot plays on the shipped data, once for the whole suite, kept as the program keeps
// every game with a score. Its clock runs three times faster than the shipped one, which keeps
// the game short; the copy is a data set of its own.
class KeptGames : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    data_ = new bot::DataCopy(ORV_SHIPPED_DATA);
    data_->set({{"WORLDREFRESH", "199"}});
    const auto texts = bot::record_games(*data_, Aim::kGreedy, 2, 1, kFrameLimit, 1);
    records_ = new std::vector<media::GameRecord>;
    for (const std::string& text : texts) records_->push_back(*media::parse_game_record(text));
  }
  void SetUp() override { ASSERT_FALSE(records_->empty()); }
  static void TearDownTestSuite() {
    delete records_;
    delete data_;
  }

  static TaskOutcome verify(const media::GameRecord& record, const std::string& data) {
    test::CurrentDirectory keep(fs::current_path().string());
    media::HeadlessPlatform headless;
    headless.set_desktop(recorded_desktop(record));
    headless.keep_presented(false);
    return verify_kept_game(headless, record, data, {});
  }
  static std::string data_path() { return data_->path().string(); }

  static bot::DataCopy* data_;
  static std::vector<media::GameRecord>* records_;
};

bot::DataCopy* KeptGames::data_ = nullptr;
std::vector<media::GameRecord>* KeptGames::records_ = nullptr;

TEST_F(KeptGames, AKeptGameVerifiesToItsExactClaim) {
  ASSERT_EQ(records_->size(), 1u);
  const media::GameRecord& record = records_->front();
  EXPECT_GT(record.claim.score, 0);
  EXPECT_GT(record.claim.frames, 300);
  const TaskOutcome out = verify(record, data_path());
  EXPECT_EQ(out.exit_code, 0) << out.text;
  EXPECT_NE(out.text.find("score " + std::to_string(record.claim.score) + ", level " +
                          std::to_string(record.claim.level) + ", frames " +
                          std::to_string(record.claim.frames)),
            std::string::npos)
      << out.text;
}

TEST_F(KeptGames, AnExportedEntryIsAKeptGameThatVerifies) {
  test::CurrentDirectory keep(fs::current_path().string());
  const fs::path out = fs::path(data_path()).parent_path() / "exported";
  fs::create_directories(out);
  // The bot kept its games in the copy's own home; the export reads the player's folders.
  const char* home = std::getenv("HOME");
  const std::string own_home = home ? home : "";
  const char* data_home = std::getenv("XDG_DATA_HOME");
  const std::string own_data_home = data_home ? data_home : "";
  setenv("HOME", (fs::path(data_path()) / "HOME").c_str(), 1);
  unsetenv("XDG_DATA_HOME");
  media::HeadlessPlatform headless;
  const TaskOutcome outcome = export_kept_score(headless, 1, out.string() + "/", data_path(), {});
  setenv("HOME", own_home.c_str(), 1);
  if (data_home) setenv("XDG_DATA_HOME", own_data_home.c_str(), 1);
  ASSERT_EQ(outcome.exit_code, 0) << outcome.text;
  std::ifstream in(out / "orvante-score-1.txt");
  const auto record = media::parse_game_record(std::string(std::istreambuf_iterator<char>(in), {}));
  ASSERT_TRUE(record);
  EXPECT_EQ(verify(*record, data_path()).exit_code, 0);
}

TEST_F(KeptGames, TheFileKeepsEverythingAVerifyNeeds) {
  const media::GameRecord& record = records_->front();
  const std::string text = media::format_game_record(record);
  const auto again = media::parse_game_record(text);
  ASSERT_TRUE(again);
  EXPECT_EQ(
      std::tie(again->claim, again->input.keys, again->start, again->bindings, again->data_set),
      std::tie(record.claim, record.input.keys, record.start, record.bindings, record.data_set));
  EXPECT_FALSE(media::parse_game_record(text.substr(0, text.size() - 4))) << "a cut file";
}

// An edited score, one arrow press a few frames later (the game goes another way) and changed
// data are each caught; the score and the data set are named.
TEST_F(KeptGames, AnyChangeToTheClaimTheInputOrTheDataIsCaught) {
  const media::GameRecord& kept = records_->front();
  media::GameRecord edited = kept;
  edited.claim.score += 10;
  media::GameRecord moved = kept;
  auto& keys = moved.input.keys;
  const auto arrow = std::find_if(keys.begin() + std::ptrdiff_t(keys.size() / 2), keys.end(),
                                  [](const media::KeyEvent& e) { return e.down; });
  ASSERT_TRUE(arrow != keys.end() && std::next(arrow) != keys.end());
  arrow->frame = std::min(arrow->frame + 8, std::next(arrow)->frame);
  bot::DataCopy other(data_->path());
  other.set({{"WORLDREFRESH", "199"}, {"WORLDRANDOM", "4242"}});
  const struct {
    const media::GameRecord& record;
    std::string data, fragment;
  } cases[] = {{edited, data_path(),
                "differs from the claim: score " + std::to_string(kept.claim.score) + " (claimed " +
                    std::to_string(edited.claim.score) + ")"},
               {moved, data_path(), "differs from the claim"},
               {kept, other.path().string(), "needs the data set " + kept.data_set}};
  for (const auto& c : cases) {
    const TaskOutcome out = verify(c.record, c.data);
    EXPECT_EQ(out.exit_code, 1) << out.text;
    EXPECT_NE(out.text.find(c.fragment), std::string::npos) << out.text;
  }
}

// A kept game played on the headless platform through the tape, frame by frame.
struct TapeRun {
  // kVerify ends at the game's end; kWatch has the watch controls.
  TapeRun(const media::GameRecord& record, const std::string& data, TapeMode mode)
      : keep(fs::current_path().string()), tape(headless), media(tape), g(media) {
    headless.set_desktop(recorded_desktop(record));
    headless.keep_presented(false);
    g.tape.tape = &tape, g.tape.mode = mode, g.tape.played = record;
    g.frame.replaying = true, g.frame.recorded_input = true;
    data_folder = data;
  }
  // Runs the game until stop says so after a frame (or the game ends).
  void run(const std::function<bool()>& stop) {
    try {
      enter_data_folder(g, data_folder, {});
      start_up(g);
      while (!stop() && !g.frame.menu_active) main_loop_turn(g);
    } catch (const ProgramEnd&) {
    }
  }
  std::string state() const {
    std::ostringstream out;
    out << "frame " << tape.game_frame() << " level " << g.world.level << " score " << g.world.score
        << " time " << g.world.time << " remaining " << g.world.remaining << " player "
        << g.world.player.x << "," << g.world.player.y << " bombs " << g.world.bombs;
    return out.str();
  }

  test::CurrentDirectory keep;
  std::string data_folder;
  test::RecordingPlatform headless;
  media::TapePlatform tape;
  media::Media media;
  Game g;
};

// At frame N the replay is handed over; the player's keys from then on are the recording's
// own: the game ends exactly as the straight replay does.
TEST_F(KeptGames, ATakeOverGoesOnFromTheReplaysStateAtThatFrame) {
  const media::GameRecord& record = records_->front();
  const std::int64_t n = record.claim.frames / 2;

  TapeRun straight(record, data_path(), TapeMode::kVerify);
  std::string straight_at_n;
  straight.run([&] {
    if (straight.tape.game_frame() == n) straight_at_n = straight.state();
    return false;
  });
  ASSERT_FALSE(straight_at_n.empty());

  TapeRun taken(record, data_path(), TapeMode::kVerify);
  std::string taken_at_n;
  taken.run([&] {
    if (taken.tape.game_frame() == n && !taken.tape.taken_over()) {
      taken_at_n = taken.state();
      // The live keys from now on: what the recording holds at frame n, then its changes.
      const std::int64_t offset = taken.headless.frame() - n;
      media::KeyStates held{};
      for (const media::KeyEvent& e : record.input.keys)
        if (e.frame <= n)
          held[std::size_t(e.key)] = e.down;
        else
          e.down ? taken.headless.hold_key(e.key, e.frame + offset)
                 : taken.headless.release_key(e.key, e.frame + offset);
      for (int key = 0; key < media::key::kCount; ++key)
        if (held[std::size_t(key)]) taken.headless.hold_key(key);
      taken.tape.take_over();
    }
    return false;
  });
  EXPECT_TRUE(taken.tape.taken_over());
  EXPECT_EQ(std::pair(taken_at_n, taken.state()), std::pair(straight_at_n, straight.state()));
  ASSERT_TRUE(taken.g.tape.outcome);
  EXPECT_EQ(taken.g.tape.outcome->reached, record.claim);
}

// Pixels of the picture's box [x0, x1) x [y0, y1) that differ from the frame darkened.
int marked_pixels(const media::Image& frame, const media::Image& paused, double x0, double y0,
                  double x1, double y1) {
  int marked = 0;
  for (int y = int(y0 * frame.height); y < int(y1 * frame.height); ++y)
    for (int x = int(x0 * frame.width); x < int(x1 * frame.width); ++x)
      if (paused.at(x, y) != ((frame.at(x, y) >> 1) & 0x7F7F7F7Fu)) ++marked;
  return marked;
}

// P on the live keyboard stops the replay at its frame, darkened with PAUSED at the top left
// and the middle untouched; Space then hands it over.
TEST_F(KeptGames, SpaceTakesOverAPausedReplay) {
  TapeRun run(records_->front(), data_path(), TapeMode::kWatch);
  run.headless.keep_presented(true);
  std::int64_t paused_at = -1;
  media::Image frame_at_pause;
  int marked_top_left = -1, marked_middle = -1;
  run.headless.on_present = [&](const media::Image& shown, std::int64_t) {
    if (paused_at < 0 || marked_top_left >= 0) return;
    if (!run.tape.paused()) {
      frame_at_pause = shown;
      return;
    }
    marked_top_left = marked_pixels(frame_at_pause, shown, 0.0, 0.15, 0.4, 0.3);
    marked_middle = marked_pixels(frame_at_pause, shown, 0.3, 0.35, 0.7, 0.65);
  };
  run.run([&] {
    const std::int64_t frame = run.headless.frame();
    if (paused_at < 0 && run.tape.game_frame() == 300) {
      paused_at = run.tape.game_frame();
      run.headless.tap_key(media::key::kP, frame, 2);
      run.headless.tap_key(media::key::kSpace, frame + 40, 2);
    }
    return run.tape.taken_over();
  });
  EXPECT_GT(marked_top_left, 100);
  EXPECT_EQ(marked_middle, 0);
  EXPECT_TRUE(run.tape.taken_over());
  // The game stood still while the window showed 40 paused frames.
  EXPECT_LE(run.tape.game_frame(), paused_at + 2);
  EXPECT_GE(run.headless.frame(), run.tape.game_frame() + 35);
}

}  // namespace
}  // namespace orv
