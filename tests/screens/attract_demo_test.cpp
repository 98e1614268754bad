// The title's demo on the shipped data: after 30 seconds of idle title a recording of the
// data's DEMO folder plays with the game's own rules; any key brings the title back at once.
// Every shipped demo plays to its recorded score and completes level 1. A data set without
// recordings gets the autopilot playing live, which completes level 1 too.
#include "screens/attract_demo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "bot/bot_session.h"
#include "frame/data_folder_choice.h"
#include "frame/kept_games.h"
#include "frame/main_loop.h"
#include "frame/start_up.h"
#include "game/errors.h"
#include "game/game.h"
#include "media/files/paths.h"
#include "media/keys.h"
#include "media/platform_headless/headless_platform.h"
#include "support/data_set.h"
#include "support/screen_game.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> shipped_demos() {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(fs::path(ORV_SHIPPED_DATA) / "DEMO"))
    if (entry.path().extension() == ".txt") files.push_back(entry.path());
  return files;
}

// Each demo completes level 1; the first plays to its exact score (tools/data/make_demos.sh
// verifies them all when it makes them).
TEST(AttractDemo, ShippedDemosCompleteLevelOneAsClaimed) {
  auto files = shipped_demos();
  ASSERT_GE(files.size(), 2u);
  std::sort(files.begin(), files.end());
  for (const fs::path& file : files) {
    const auto bytes = media::read_whole_file(file.string(), media::kGameRecordLimit);
    ASSERT_TRUE(bytes) << file;
    const auto record = media::parse_game_record(std::string(bytes->begin(), bytes->end()));
    ASSERT_TRUE(record) << file;
    EXPECT_GE(record->claim.level, 2) << file;
    if (file != files.front()) continue;
    test::CurrentDirectory keep(fs::current_path().string());
    media::HeadlessPlatform headless;
    headless.set_desktop(recorded_desktop(*record));
    headless.keep_presented(false);
    const TaskOutcome out = verify_kept_game(headless, *record, ORV_SHIPPED_DATA, {});
    EXPECT_EQ(out.exit_code, 0) << file << ": " << out.text;
  }
}

// The program on a copy of the shipped data, nobody at the keys.
struct IdleTitle {
  explicit IdleTitle(const fs::path& source = ORV_SHIPPED_DATA)
      : data(source), keep(data.path().string()), tape(headless), media(tape), g(media) {
    media.user_folders = test::home_only((data.path() / "HOME").string());
    g.tape.tape = &tape;
  }
  void run() {
    try {
      enter_data_folder(g, data.path().string(), {});
      start_up(g);
      for (;;) main_loop_turn(g);
    } catch (const ProgramEnd&) {
    }
  }

  bot::DataCopy data;
  test::CurrentDirectory keep;
  test::RecordingPlatform headless;
  media::TapePlatform tape;
  media::Media media;
  Game g;
};

// Regular files below a folder.
std::size_t files_below(const fs::path& folder) {
  if (!fs::exists(folder)) return 0;
  const auto all = fs::recursive_directory_iterator(folder);
  return std::size_t(std::count_if(fs::begin(all), fs::end(all), [](const fs::directory_entry& e) {
    return e.is_regular_file();
  }));
}

// Thirty seconds of idle title start the demo: a recording of the data's DEMO folder or, without
// recordings (the shipped data without them, the fixed levels of ARENA), the autopilot playing
// live. Either completes level 1; a key as level 2 begins brings the title back within a frame,
// and the demo leaves nothing behind (no table, no level record, no kept game).
TEST(AttractDemo, AnIdleTitlesDemoCompletesLevelOneUntilAKeyEndsIt) {
  struct Case {
    fs::path set;
    bool recordings;
  };
  const fs::path shipped = ORV_SHIPPED_DATA;
  for (const Case& c :
       {Case{shipped, true}, Case{shipped, false}, Case{shipped / "ARENA", false}}) {
    SCOPED_TRACE(c.set.string() + (c.recordings ? " with" : " without") + " recordings");
    IdleTitle t(c.set);
    if (!c.recordings) fs::remove_all(t.data.path() / "DEMO");
    std::size_t home_before = 0;
    std::int64_t title_from = -1, demo_from = -1, key_at = -1, title_again = -1;
    t.headless.on_present = [&](const media::Image&, std::int64_t) {
      const Game& g = t.g;
      const std::int64_t frame = t.headless.frame();
      const bool title = g.frame.menu_active && g.tape.mode == TapeMode::kLive;
      if (title_from < 0 && title && !g.assets.music.empty()) title_from = frame;
      if (demo_from < 0 && g.tape.mode == TapeMode::kDemo) {
        demo_from = frame;
        home_before = files_below(t.data.path() / "HOME");
      }
      if (demo_from >= 0 && key_at < 0 && g.world.level >= 2) {
        key_at = frame;
        t.headless.tap_key(media::key::kX, frame, 3);
      }
      if (key_at >= 0 && title_again < 0 && title) title_again = frame;
      if (frame > 40000 || title_again >= 0) t.headless.request_close();
    };
    t.run();
    ASSERT_GE(demo_from, 0) << "no demo";
    // The intro comes first; the title then waits 30 s (at 60 frames a second) for a key.
    EXPECT_GE(demo_from - title_from, kIdleFramesBeforeDemo - 5);
    EXPECT_LE(demo_from - title_from, kIdleFramesBeforeDemo + 400);
    ASSERT_GE(key_at, 0) << "level 1 not completed";
    ASSERT_GE(title_again, 0);
    EXPECT_LE(title_again - key_at, 2);
    EXPECT_EQ(files_below(t.data.path() / "HOME"), home_before);
  }
}

}  // namespace
}  // namespace orv
