// After a caught fault the main loop goes on with a clean frame: nothing the abandoned frame
// had open, switched on or locked stays that way.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mman.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <future>
#include <ostream>
#include <thread>
#include <tuple>

#include "catalogue/tile_placement.h"
#include "frame/main_loop.h"
#include "game/errors.h"
#include "game/game.h"
#include "media/faults.h"
#include "media/keys.h"
#include "media/sound/mixer.h"
#include "support/data_set.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace orv {
namespace {

// A frame abandoned by a fault never frees what its callers had allocated: that is the price
// of going on, and not what these tests look for.
class IgnoreLeaksOfAbandonedFrames {
 public:
#if defined(__SANITIZE_ADDRESS__)
  IgnoreLeaksOfAbandonedFrames() {
    __lsan_disable();
  }
  ~IgnoreLeaksOfAbandonedFrames() {
    __lsan_enable();
  }
#endif
};

// Runs fn on a thread of its own; false when it has not finished after a few seconds, as a
// wait for a lock that nobody releases never does.
bool finishes_soon(std::function<void()> fn) {
  auto done = std::make_shared<std::promise<void>>();
  std::future<void> finished = done->get_future();
  std::thread([fn = std::move(fn), done] {
    fn();
    done->set_value();
  }).detach();
  return finished.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
}

class FaultRecovery : public ::testing::Test {
 protected:
  static constexpr int kTurnLimit = 40;

  FaultRecovery() {
    media::FaultTrap::install();
    test::use_data_set(t);
    t.dir.write("LOG/keep.txt", "");
    g.frame.menu_active = false;
    g.frame.built_level = g.world.level;  // no level build unless a test asks for one
    g.world.remaining = 100;              // nor a level completed
  }
  // The main loop, with turn in place of main_loop_turn, until the program ends; at the latest
  // after kTurnLimit turns.
  void run(const std::function<void(Game&)>& turn) {
    [[maybe_unused]] IgnoreLeaksOfAbandonedFrames ignore;
    int turns = 0;
    EXPECT_THROW(run_frames(g,
                            [&](Game& game) {
                              if (++turns > kTurnLimit) end_program(game);
                              turn(game);
                            }),
                 ProgramEnd);
  }
  test::TestGame t;
  Game& g = t.game;
};

struct AbandonedScreen {
  const char* name;
  void (*arrange)(test::TestGame&);
};
void PrintTo(const AbandonedScreen& s, std::ostream* os) {
  *os << s.name;
}

// The fault comes in the first frame shown by the dialog or screen (frame 0). Afterwards
// Escape and then B must still quit the game.
class FaultInsideAScreen : public FaultRecovery,
                           public ::testing::WithParamInterface<AbandonedScreen> {};

TEST_P(FaultInsideAScreen, LeavesEscapeAndTheQuitDialogWorking) {
  GetParam().arrange(t);
  t.platform.fault_at_frame(0, SIGSEGV);
  t.platform.tap_key(media::key::kEscape, 3, 2);
  t.platform.hold_key(media::key::kB, 5);
  run(main_loop_turn);
  EXPECT_EQ(g.frame.quit_requested, 1);
  EXPECT_EQ(g.input.open_dialogs, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, FaultInsideAScreen,
    ::testing::Values(
        AbandonedScreen{"PauseDialog",
                        [](test::TestGame& t) { t.platform.tap_key(media::key::kP, 0); }},
        AbandonedScreen{"QuitDialog",
                        [](test::TestGame& t) { t.platform.tap_key(media::key::kEscape, 0); }},
        AbandonedScreen{"HighscoreScreen",
                        [](test::TestGame& t) {
                          t.game.world.time = 0;  // the first frame ends the last time unit
                          t.game.frame.frame_counter = t.game.frame.time_unit_length;
                        }}),
    [](const auto& info) { return std::string(info.param.name); });

// A build cut short is made again by the next frame, and the tile definitions it kept are
// forgotten: later changes of a tile must not use what the dead build read.
TEST_F(FaultRecovery, AFaultInALevelBuildDropsItsTileCacheAndBuildsTheLevelAgain) {
  g.frame.built_level = 0;
  g.levels.base_w = g.levels.base_h = 24;  // as the base file of start-up would give
  t.platform.fault_at_frame(0, SIGSEGV);   // the build's progress bar, while it lays the walls
  int wall_value = -1;
  run([&](Game& game) {
    if (game.frame.consecutive_faults == 0) {
      main_loop_turn(game);
      return;
    }
    t.dir.write("DATA/RGB/LAB/LAB_WALL", "VALUE1\n999\n");
    retile_cell(game, 0, 0);  // a wall since the build's first step
    wall_value = game.world.grid.at(0, 0).value;
    main_loop_turn(game);
    end_program(game);
  });
  EXPECT_EQ(wall_value, 999);
  EXPECT_FALSE(g.catalogue.tile_cache.active);
  // Level 1 was built in full: it has floor to fix, so it was not completed at once.
  EXPECT_EQ(std::tuple(g.world.level, g.frame.built_level), std::tuple(1, 1));
  EXPECT_GT(g.world.remaining, 0);
}

// The audio thread and the next sound need the mixer's lock, which the faulting call held.
TEST_F(FaultRecovery, AFaultInsideTheMixerReleasesItsLock) {
  media::Mixer& mixer = g.media.sound.mixer();
  // Mixing into a buffer that cannot be read faults while the mixer holds its lock.
  const long page = sysconf(_SC_PAGESIZE);
  void* unreadable = mmap(nullptr, page, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  ASSERT_NE(unreadable, MAP_FAILED);
  bool mixes_again = false;
  run([&](Game& game) {
    if (game.frame.consecutive_faults == 0) {
      mixer.render(static_cast<std::int16_t*>(unreadable), 64);
      return;
    }
    mixes_again = finishes_soon([&mixer] {
      auto sound = std::make_shared<media::SoundData>();
      sound->samples.assign(8, 100);
      mixer.play(1, sound, false);
      std::int16_t out[8] = {};
      mixer.render(out, 4);
    });
    end_program(game);
  });
  munmap(unreadable, page);
  EXPECT_TRUE(mixes_again);
}

}  // namespace
}  // namespace orv
