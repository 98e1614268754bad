// After a caught fault the main loop goes on with a clean frame: nothing the abandoned frame
// had open, switched on or locked stays that way.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mman.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <future>
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
#include "text/text_drawing.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace orv {
namespace {

// A frame abandoned by a fault never frees what its callers had allocated: that is the price
// of going on, and not what these tests look for.
struct IgnoreLeaksOfAbandonedFrames {
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
    const auto limited = [&](Game& game) {
      if (++turns > kTurnLimit) end_program(game);
      turn(game);
    };
    EXPECT_THROW(run_frames(g, limited), ProgramEnd);
  }
  test::TestGame t;
  Game& g = t.game;
};

struct AbandonedScreen {
  const char* name;
  void (*arrange)(test::TestGame&);
};

// The fault comes in the first frame shown by the dialog or screen (frame 0). Afterwards
// Escape and then B must still quit the game.
class FaultInsideAScreen : public FaultRecovery,
                           public ::testing::WithParamInterface<AbandonedScreen> {};

TEST_P(FaultInsideAScreen, LeavesEscapeWithItsQuitDialogWorking) {
  GetParam().arrange(t);
  t.platform.fault_at_frame(0, SIGSEGV);
  t.platform.tap_key(media::key::kEscape, 3, 2);
  t.platform.hold_key(media::key::kB, 5);
  run(main_loop_turn);
  EXPECT_EQ(std::tuple(g.frame.quit_requested, g.input.open_dialogs), std::tuple(1, 0));
}

const AbandonedScreen kAbandonedScreens[] = {
    {"PauseDialog", [](test::TestGame& t) { t.platform.tap_key(media::key::kP, 0); }},
    {"QuitDialog", [](test::TestGame& t) { t.platform.tap_key(media::key::kEscape, 0); }},
    {"HighscoreScreen", [](test::TestGame& t) {
       t.game.world.time = 0;  // the first frame ends the last time unit
       t.game.frame.frame_counter = t.game.frame.time_unit_length;
     }}};
INSTANTIATE_TEST_SUITE_P(Screens, FaultInsideAScreen, ::testing::ValuesIn(kAbandonedScreens),
                         [](const auto& info) { return std::string(info.param.name); });

// A build cut short is made again by the next frame, and the tile definitions it kept are
// forgotten: later changes of a tile must not use what the dead build read.
TEST_F(FaultRecovery, AFaultInALevelBuildRebuildsTheLevelFromAnEmptyTileCache) {
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
      mixer.play(media::SoundId(1), sound, false);
      std::int16_t out[8] = {};
      mixer.render(out, 4);
    });
    end_program(game);
  });
  munmap(unreadable, page);
  EXPECT_TRUE(mixes_again);
}

// A blue square drawn twice its size on grey: additive blending makes it lighter and smoothed
// scaling blurs its edge, so the picture tells the drawing settings apart.
media::Image test_draw(Game& g) {
  media::Graphics& gfx = g.media.gfx;
  media::Image square(4, 4, media::argb(255, 0, 0, 200));
  square.at(0, 0) = media::argb(255, 200, 0, 0);
  const media::Sprite3dId s3 = gfx.create_sprite3d(gfx.add_sprite(square));
  gfx.zoom_sprite3d(s3, 8, 8);
  gfx.clear_screen(media::rgb(100, 100, 100));
  gfx.display_sprite3d(s3, 10, 10, 255);  // drawn only in the 3D mode
  gfx.start_3d();
  gfx.display_sprite3d(s3, 30, 30, 255);
  gfx.stop_3d();
  return gfx.back_buffer();
}

struct AbandonedDraw {
  const char* name;
  void (*cut_short)(Game&);  // what the draw had changed when the fault came
};

class FaultInsideADraw : public FaultRecovery,
                         public ::testing::WithParamInterface<AbandonedDraw> {};

// The next frame draws as after a frame without the fault.
TEST_P(FaultInsideADraw, LeavesTheDrawingSettingsAsBetweenDraws) {
  media::Image before, after;
  run([&](Game& game) {
    if (game.frame.consecutive_faults == 0) {
      main_loop_turn(game);
      before = test_draw(game);
      GetParam().cut_short(game);
      raise(SIGSEGV);
    }
    after = test_draw(game);
    end_program(game);
  });
  ASSERT_FALSE(before.empty());
  EXPECT_TRUE(after.pixels == before.pixels);
}

const AbandonedDraw kAbandonedDraws[] = {
    {"AdditiveBlending",
     [](Game& g) { g.media.gfx.sprite3d_blending(media::blend::kOne, media::blend::kOne); }},
    {"SmoothedScaling", [](Game& g) { g.media.gfx.sprite3d_quality(1); }},
    {"ThreeDMode", [](Game& g) { g.media.gfx.start_3d(); }}};
INSTANTIATE_TEST_SUITE_P(Settings, FaultInsideADraw, ::testing::ValuesIn(kAbandonedDraws),
                         [](const auto& info) { return std::string(info.param.name); });

// A text cut short leaves the cursor where its next glyph would go; the next text must not
// start there.
TEST_F(FaultRecovery, AFaultInsideATextPutsTheTextCursorBackAtItsOrigin) {
  float x = -1, y = -1;
  run([&](Game& game) {
    if (game.frame.consecutive_faults == 0) {
      game.text.glyphs['A'].height = 10;  // the line height
      draw_text(game, "A\\B", 10, 10);    // no "|" at its end
      ASSERT_NE(game.text.cursor_y, 0.0f);
      raise(SIGSEGV);
    }
    x = game.text.cursor_x, y = game.text.cursor_y;
    end_program(game);
  });
  EXPECT_EQ(std::pair(x, y), std::pair(0.0f, 0.0f));
}

}  // namespace
}  // namespace orv
