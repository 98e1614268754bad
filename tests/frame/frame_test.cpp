#include <gtest/gtest.h>
#include <signal.h>

#include <functional>
#include <tuple>

#include "frame/fault_log.h"
#include "frame/frame_end.h"
#include "frame/level_clock.h"
#include "frame/main_loop.h"
#include "frame/start_up.h"
#include "frame/system_setup.h"
#include "game/errors.h"
#include "game/game.h"
#include "media/faults.h"
#include "support/data_set.h"
#include "support/test_game.h"
#include "world/world_frame.h"

namespace orv {
namespace {

class LevelClock : public ::testing::Test {
 protected:
  LevelClock() {
    t.platform.hold_key(media::key::kP, 0);  // leaves the highscore screen at once
    t.game.world.time = 1;
    t.game.frame.menu_active = false, t.game.frame.built_level = t.game.world.level;
  }
  test::TestGame t;
};

// One unit ends every 61 frames; the game ends when the time falls below zero.
TEST_F(LevelClock, TimeRunsInUnitsOfSixtyOneFramesUntilBelowZero) {
  for (int i = 0; i < 60; ++i) level_timer_tick(t.game);
  EXPECT_EQ(t.game.world.time, 1);
  level_timer_tick(t.game);
  EXPECT_EQ(std::tuple(t.game.world.time, t.game.frame.game_state),
            std::tuple(0, GameState::kRunning));
  for (int i = 0; i < 61; ++i) level_timer_tick(t.game);
  EXPECT_EQ(std::tuple(t.game.world.time, t.game.frame.game_state),
            std::tuple(-1, GameState::kEnding));
}

// Completion sets the time to 0; a time unit that ends in the same frame must not take it below
// 0: the clock waits until the main loop has built the next level.
TEST_F(LevelClock, ACompletedLevelNeverRunsOutTheTimeWhileTheNextWaits) {
  Game& g = t.game;
  g.world.level = g.frame.built_level = 3, g.world.time = 5, g.world.remaining = 0;
  g.frame.frame_counter = g.frame.time_unit_length;  // the unit ends in this frame
  world_frame(g);
  level_timer_tick(g);
  EXPECT_EQ(std::tuple(g.world.level, g.world.time, g.frame.game_state),
            std::tuple(4, 0, GameState::kRunning));
  g.frame.built_level = 4;  // the next turn builds the level
  level_timer_tick(g);
  EXPECT_EQ(g.world.time, -1);
}

// A frame end on a 1024 x 768 screen, with the world not drawn and the level not complete.
class FrameEnd : public ::testing::Test {
 protected:
  FrameEnd() {
    t.platform.set_desktop({1024, 768});
    g.config.design_width = 1024, g.config.design_height = 768;
    open_game_screen(g);
    g.frame.menu_active = false, g.frame.built_level = g.world.level;
    g.world.remaining = 5, g.world.time = 30;
  }
  test::TestGame t;
  Game& g = t.game;
};

// The HARDCORE trap asks for the title from inside the world frame: the frame is finished and
// shown first, and a game that has ended in the same frame closes with its game over sequence,
// which takes the request with it.
TEST_F(FrameEnd, ATrapReturnsToTheTitleOnlyAfterItsFrameIsShown) {
  g.frame.title_requested = true;
  g.frame.quit_requested = true;  // the way back to the title then ends the program
  EXPECT_THROW(frame_end(g), ProgramEnd);
  EXPECT_EQ(std::tuple(t.platform.frame(), g.frame.title_requested), std::tuple(1, false));

  g.frame.title_requested = true, g.frame.game_state = GameState::kEnding;
  EXPECT_THROW(frame_end(g), ProgramEnd);
  // The frame, then one game over sequence.
  EXPECT_EQ(std::tuple(t.platform.frame(), g.frame.title_requested), std::tuple(1 + 1 + 52, false));

  g.frame.quit_requested = false, g.frame.game_state = GameState::kRunning;
  g.frame.title_requested = true;
  t.platform.hold_key(media::key::kP, t.platform.frame() + 5);
  frame_end(g);
  EXPECT_EQ(std::tuple(g.frame.title_requested, g.frame.built_level, g.frame.menu_active),
            std::tuple(false, -1, 0));  // a new game
}

TEST(StartUp, AMissingConfigurationFileEndsTheProgramBeforeAnyWindowOpens) {
  test::TestGame t;
  EXPECT_THROW(start_up(t.game), ProgramEnd);
  ASSERT_EQ(t.platform.boxes().size(), 1u);
  EXPECT_EQ(t.platform.boxes()[0].text,
            " Could not open " + t.game.frame.start_directory + "DATA/ini.txt");
  EXPECT_FALSE(t.platform.window_open());
}

TEST(StartUp, TheGameScreenOpensInTheConfiguredDisplayMode) {
  for (media::DisplayMode mode : {media::DisplayMode::kWindow, media::DisplayMode::kFullscreen}) {
    test::TestGame t;
    t.game.config.design_width = 64, t.game.config.design_height = 48;
    t.game.config.display_mode = mode;
    open_game_screen(t.game);
    EXPECT_TRUE(t.platform.window_open());
    EXPECT_EQ(t.platform.fullscreen(), mode == media::DisplayMode::kFullscreen);
  }
}

class FaultLog : public ::testing::Test {
 protected:
  FaultLog() {
    t.game.config.log_path = t.dir.path() + "LOG\\", t.game.config.log_file = "errors.txt";
    t.dir.write("LOG/keep.txt", "");
    t.game.world.level = -3;
    t.platform.set_local_time({2026, 12, 5, 7, 8, 9});
    t.game.frame.fault_module = "world", t.game.frame.fault_line = 42;
  }
  test::TestGame t;
};

TEST_F(FaultLog, EachFaultAppendsAnEntryOfSevenLines) {
  t.dir.write("LOG/errors.txt", "older entry\r\n");
  log_fault(t.game, media::FaultKind::kAccessViolation);
  EXPECT_EQ(t.dir.read("LOG/errors.txt"),
            "older entry\r\n"
            "KORVEL ENGINE ERROR AND WARNING LOG:\r\n"
            "DATESTAMP:05/12/2026 TIMESTAMP:07:08:09\r\n"
            "MAP_ID:-3\r\n"
            "ERROR TYPE:An attemped read or write to/from an address to which that process "
            "isn't allowed\r\n"
            "MODULE:world\r\n"
            "AT LINE:42\r\n"
            " \r\n");
  EXPECT_TRUE(t.platform.boxes().empty());
}

TEST_F(FaultLog, OnlyADivisionByZeroAsksWhetherToGoOn) {
  t.platform.queue_box_answer(media::BoxAnswer::kYes);
  log_fault(t.game, media::FaultKind::kIntegerDivideByZero);
  const std::string log = t.dir.read("LOG/errors.txt");
  EXPECT_NE(log.find("ERROR TYPE:Attempted division by zero\r\n"), std::string::npos);
  ASSERT_EQ(t.platform.boxes().size(), 1u);
  EXPECT_EQ(t.platform.boxes()[0].text, " division by zero. please read logfile:" + t.dir.path() +
                                            "LOG/errors.txt" +
                                            "\n for more information\n continue engine?");
}

// A turn that faults on its first frames and ends the program after three good ones.
struct FaultingTurn {
  int frames_to_fault;
  int frames_done = 0;
  void operator()(Game& g) {
    if (frames_to_fault > 0) {
      --frames_to_fault;
      ::raise(SIGSEGV);
    }
    if (++frames_done == 3) end_program(g);
  }
};

TEST_F(FaultLog, AFaultAbandonsOnlyItsFrame) {
  media::FaultTrap::install();
  FaultingTurn few{2};
  EXPECT_EQ(test::exit_code_of([&] { run_frames(t.game, std::ref(few)); }), 0);
  EXPECT_EQ(few.frames_done, 3);
  EXPECT_TRUE(t.platform.boxes().empty());
  const std::string log = t.dir.read("LOG/errors.txt");
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 7 * 2);  // an entry for each
}

TEST_F(FaultLog, AHundredFaultingFramesInARowEndTheProgramWithAMessage) {
  media::FaultTrap::install();
  FaultingTurn endless{1000};
  EXPECT_EQ(test::exit_code_of([&] { run_frames(t.game, std::ref(endless)); }), kExitAfterFaults);
  EXPECT_EQ(endless.frames_to_fault, 1000 - kMaxFaultsInARow);
  const std::string log = t.dir.read("LOG/errors.txt");
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 7 * (kMaxFaultsInARow + 1));
  EXPECT_NE(log.find("ERROR TYPE:ENGINE STOPPED: 100 faulting frames in a row\r\n"),
            std::string::npos);
  ASSERT_EQ(t.platform.boxes().size(), 1u);
  EXPECT_EQ(t.platform.boxes()[0].text,
            " engine stopped: 100 faults in a row. please read logfile:" + t.dir.path() +
                "LOG/errors.txt\n for more information");
}

// Start-up cannot go on after a fault, so even a division by zero asks nothing: it is logged,
// and the program says so and ends with a failure.
TEST_F(FaultLog, AFaultDuringStartUpIsLoggedThenEndsTheProgramWithoutAQuestion) {
  media::FaultTrap::install();
  t.dir.write("DATA/ini.txt", "LOGPATH\nLOG\\\nLOGFILE\nerrors.txt\nRESBASEW\n64\nRESBASEH\n48\n");
  t.platform.fault_at_frame(0, SIGFPE);  // the intro's first page
  t.platform.queue_box_answer(media::BoxAnswer::kYes);
  test::CurrentDirectory here(t.dir.path());
  EXPECT_EQ(test::exit_code_of([&] { start_up(t.game); }), kExitAfterFaults);
  ASSERT_EQ(t.platform.boxes().size(), 1u);
  EXPECT_EQ(t.platform.boxes()[0].buttons, media::BoxButtons::kOk);
  EXPECT_EQ(t.platform.boxes()[0].text,
            " fault during start-up. please read logfile:" + t.game.frame.start_directory +
                "LOG/errors.txt\n for more information");
  EXPECT_NE(t.dir.read("LOG/errors.txt").find("ERROR TYPE:Attempted division by zero\r\n"),
            std::string::npos);
}

}  // namespace
}  // namespace orv
