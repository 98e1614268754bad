#include <gtest/gtest.h>
#include <signal.h>

#include "frame/errors.h"
#include "frame/start_up.h"
#include "support/test_game.h"

namespace orv {
namespace {

using media::BoxAnswer;

TEST(ScreenSize, ANarrowDesktopGivesADesktopWideWindowAndAScaleBelowOne) {
  test::TestGame t;
  t.platform.set_desktop({800, 600, 24, 60});
  t.game.config.res_base_w = 1024;
  t.game.config.res_base_h = 768;
  open_game_screen(t.game);
  EXPECT_EQ(t.platform.window_width(), 800);
  EXPECT_EQ(t.platform.window_height(), 600);
  EXPECT_FLOAT_EQ(t.game.frame.display_scale, 800.0f / 1024.0f);
}

TEST(ScreenSize, AWideDesktopGivesExactlyTheDesignSize) {
  test::TestGame t;
  t.platform.set_desktop({1920, 1080, 32, 144});
  t.game.config.res_base_w = 1024;
  t.game.config.res_base_h = 768;
  t.game.config.app_name = "ORVANTE";
  open_game_screen(t.game);
  EXPECT_EQ(t.platform.window_width(), 1024);
  EXPECT_EQ(t.platform.window_height(), 768);
  EXPECT_EQ(t.platform.window_title(), "ORVANTE");
  EXPECT_FLOAT_EQ(t.game.frame.display_scale, 1.0f);
  EXPECT_EQ(t.game.frame.desktop_frequency, 144);
}

TEST(ScreenSize, WithoutDesignSizeTheWindowIsOnePixel) {
  test::TestGame t;
  open_game_screen(t.game);
  EXPECT_EQ(t.platform.window_width(), 1);
  EXPECT_EQ(t.platform.window_height(), 1);
}

TEST(LevelTimer, OneUnitEverySixtyOneFramesUntilTheHighscore) {
  test::TestGame t;
  t.platform.hold_key(media::key::kP, 0);  // leaves the highscore screen at once
  t.game.world.time = 2;
  t.game.frame.menu_active = 0;
  for (int i = 0; i < 60; ++i) level_timer_tick(t.game);
  EXPECT_EQ(t.game.world.time, 2);
  level_timer_tick(t.game);
  EXPECT_EQ(t.game.world.time, 1);
  for (int i = 0; i < 61; ++i) level_timer_tick(t.game);
  EXPECT_EQ(t.game.world.time, 0);
  EXPECT_EQ(t.game.frame.game_state, kGameRunning);
  for (int i = 0; i < 61; ++i) level_timer_tick(t.game);
  EXPECT_EQ(t.game.world.time, -1);
  EXPECT_EQ(t.game.frame.game_state, kGameEnding);
}

TEST(LevelTimer, TheHighscoreScreenRunsAndClearsTheMenuFlagSoTheGameEnds) {
  test::TestGame t;
  t.platform.hold_key(media::key::kP, 0);  // leaves the highscore screen at once
  t.game.world.time = 0;
  t.game.frame.menu_active = 1;
  for (int i = 0; i < 61; ++i) level_timer_tick(t.game);
  EXPECT_EQ(t.game.world.time, -1);
  EXPECT_EQ(t.game.frame.menu_active, 0);
  EXPECT_EQ(t.game.frame.game_state, kGameEnding);
}

TEST(StartUp, AMissingConfigurationFileEndsTheProgramBeforeAnyWindowOpens) {
  test::TestGame t;
  t.media.files.current_directory();
  EXPECT_THROW(start_up(t.game), ProgramEnd);
  ASSERT_EQ(t.platform.boxes().size(), 1u);
  EXPECT_EQ(t.platform.boxes()[0].title, "ERROR ");
  EXPECT_EQ(t.platform.boxes()[0].text,
            " Could not open " + t.game.frame.start_directory + "DATA\\ini.txt");
  EXPECT_FALSE(t.platform.window_open());
}

TEST(Errors, OnlyTheThreadErrorGoesOn) {
  test::TestGame t;
  EXPECT_NO_THROW(report_error(t.game, kErrorThread));
  for (int code :
       {kErrorConfiguration, kErrorScreen, kErrorWindow, kErrorLevelFile, kErrorBaseFile})
    EXPECT_THROW(report_error(t.game, code), ProgramEnd) << code;
}

class FaultLog : public ::testing::Test {
 protected:
  FaultLog() {
    t.game.config.log_path = t.dir.path() + "LOG\\";
    t.game.config.log_file = "errors.txt";
    t.dir.write("LOG/keep.txt", "");
    t.game.world.level = -3;
    t.platform.set_local_time({2026, 12, 5, 7, 8, 9});
    t.game.frame.fault_module = "world";
    t.game.frame.fault_line = 42;
  }
  test::TestGame t;
};

TEST_F(FaultLog, AnAccessViolationAppendsSevenLinesAndAsksNothing) {
  log_fault(t.game, media::FaultKind::kAccessViolation);
  EXPECT_EQ(t.dir.read("LOG/errors.txt"),
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

TEST_F(FaultLog, TwoFaultsGiveTwoEntriesAndDivisionByZeroAsks) {
  t.dir.write("LOG/errors.txt", "older entry\r\n");
  t.platform.queue_box_answer(BoxAnswer::kYes);
  log_fault(t.game, media::FaultKind::kIntegerDivideByZero);
  log_fault(t.game, media::FaultKind::kAccessViolation);
  std::string log = t.dir.read("LOG/errors.txt");
  EXPECT_EQ(log.rfind("older entry\r\nKORVEL ENGINE ERROR AND WARNING LOG:\r\n", 0), 0u);
  EXPECT_NE(log.find("ERROR TYPE:Attempted division by zero\r\n"), std::string::npos);
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 1 + 14);
  ASSERT_EQ(t.platform.boxes().size(), 1u);
  EXPECT_EQ(t.platform.boxes()[0].text, " division by zero. please read logfile:" + t.dir.path() +
                                            "LOG\\errors.txt" +
                                            "\n for more information\n continue engine?");
  EXPECT_EQ(t.platform.boxes()[0].buttons, media::BoxButtons::kYesNo);
}

TEST_F(FaultLog, AnsweringNoToTheDivisionQuestionEndsTheProgram) {
  t.platform.queue_box_answer(BoxAnswer::kNo);
  EXPECT_THROW(log_fault(t.game, media::FaultKind::kIntegerDivideByZero), ProgramEnd);
}

TEST_F(FaultLog, NoLogFolderMeansNoEntryButTheQuestionStillComes) {
  t.game.config.log_path = "";
  t.game.config.log_file = "";
  t.platform.queue_box_answer(BoxAnswer::kYes);
  EXPECT_NO_THROW(log_fault(t.game, media::FaultKind::kIntegerDivideByZero));
  EXPECT_EQ(t.platform.boxes().size(), 1u);
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

TEST_F(FaultLog, AFaultAbandonsItsFrameAndTheLoopGoesOn) {
  media::FaultTrap::install();
  FaultingTurn turn{2};
  EXPECT_THROW(run_frames(t.game, std::ref(turn)), ProgramEnd);
  EXPECT_EQ(turn.frames_done, 3);
  std::string log = t.dir.read("LOG/errors.txt");
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 14);
}

TEST_F(FaultLog, AFaultOnEveryFrameEndsTheProgramAfterTheBound) {
  media::FaultTrap::install();
  FaultingTurn turn{1000};
  EXPECT_THROW(run_frames(t.game, std::ref(turn)), ProgramEnd);
  EXPECT_EQ(turn.frames_to_fault, 1000 - kMaxFaultsInARow);
  std::string log = t.dir.read("LOG/errors.txt");
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 7 * kMaxFaultsInARow);
}

}  // namespace
}  // namespace orv
