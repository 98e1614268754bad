// The bar is a black box across the screen with a red box of the bar's length on it. Each new
// bar covers the previous one completely, so only the bars that are shown (and the last one)
// are drawn: the back buffer ends the same as if every cell had drawn its bar.
#include "levels/progress_bar.h"

#include "game/game.h"
#include "media/numbers.h"

namespace orv {
namespace {

using media::round_even;

// Screen width / (max_x x max_y); an empty level gives 0 and the bar stands still.
float progress_step(const FrameState& frame, int max_x, int max_y) {
  const double cells = double(max_x) * double(max_y);
  if (cells == 0) return 0.0f;
  return float(frame.screen_width / cells);
}

}  // namespace

void draw_progress_bar(Game& g) {
  media::Graphics& gfx = g.media.gfx;
  const int y = round_even(g.frame.screen_height * 0.85);
  gfx.box(0, y, round_even(g.frame.screen_width), 9, media::rgb(0, 0, 0));
  gfx.box(0, y, round_even(g.levels.bar_length), 8, media::rgb(255, 0, 0));
}

void show_build_progress(Game& g, int max_x, int max_y) {
  LevelsState& l = g.levels;
  // The level being built counts as built: the main loop does not build it again.
  if (g.frame.built_level != g.world.level) {
    l.bar_length = 1.0f;
    g.frame.built_level = g.world.level;
  }
  l.bar_length += progress_step(g.frame, max_x, max_y);
  if (++l.build_counter > 2 * std::int64_t(max_x)) {
    draw_progress_bar(g);
    g.media.gfx.show_progress();
    l.build_counter = 0;
  }
}

void show_file_progress(Game& g, int max_x, int max_y) {
  LevelsState& l = g.levels;
  l.bar_length += progress_step(g.frame, max_x, max_y);
  if (l.file_counter == 0) {
    draw_progress_bar(g);
    g.media.gfx.show_progress();
  }
  if (++l.file_counter > 500) l.file_counter = 0;
}

}  // namespace orv
