// The head-up display: the counters over the play field and the scrolling notice.
#include "world/hud.h"

#include <algorithm>

#include "game/game.h"
#include "media/numbers.h"
#include "text/text_drawing.h"

namespace orv {

namespace {

constexpr char kNotice[] =
    " ORVANTE IS AN ALPHA DEMO OF THE ORVANTE TEAM - NOT FOR SALE - ALL RIGHTS RESERVED |";

// Below the time: what kind of game this is, when it is not a normal one.
std::string mode_line(const FrameState& frame) {
  switch (frame.play.mode) {
    case PlayMode::kPractice:
      return " PRACTICE|";
    case PlayMode::kDaily:
      return " DAILY " + frame.play.daily_date + "|";
    case PlayMode::kNormal:
      break;
  }
  return {};
}

void line(Game& g, const std::string& text, float fx, float fy, float zoom, int alpha) {
  draw_text(g, text, g.frame.screen_width * fx, g.frame.screen_height * fy,
            {.zoom = zoom, .alpha = alpha});
}

}  // namespace

void draw_hud(Game& g) {
  WorldState& w = g.world;
  using media::str;
  line(g, " DEBUGGING: MULTITHREAD: " + str(g.config.multicore) + "|", 0.01f, 0.01f, 0.5f, 240);
  line(g, " SCORE " + str(w.score) + "|", 0.7f, 0.05f, 1.0f, 240);
  line(g, " TIME " + str(w.time) + "|", 0.06f, 0.05f, 1.0f, 240);
  if (const std::string mode = mode_line(g.frame); !mode.empty())
    line(g, mode, 0.06f, 0.1f, 1.0f, 240);
  line(g, " \xF6\xF6\xF6 |", 0.4f, 0.01f, 1.0f, 200);  // the three empty bomb slots
  // One "&" per bomb carried, over the empty slots; a player carries at most three.
  static constexpr const char* kBombs[] = {" |", " &|", " &&|", " &&&|"};
  line(g, kBombs[std::clamp(w.bombs, 0, 3)], 0.4f, 0.01f, 1.0f, 240);
  line(g, " CRITCAL MASS " + str(w.remaining) + "|", 0.4f, 0.1f, 1.0f, 240);
  line(g, " DIMENSION " + str(w.level) + "|", 0.7f, 0.1f, 1.0f, 240);
  line(g, " PLAYER:" + w.player_name + "|", 0.4f, 0.15f, 0.5f, 240);
  if (g.tape.mode == TapeMode::kDemo) line(g, " DEMO|", 0.06f, 0.12f, 1.5f, 240);
  const float width = g.frame.screen_width;
  draw_text(g, kNotice, width - float(w.notice_scroll), g.frame.screen_height * 0.9f,
            {.zoom = 0.8f, .alpha = 200});
  w.notice_scroll += 2;
  if (w.notice_scroll > media::round_even(double(width) * 2)) w.notice_scroll = 0;
}

}  // namespace orv
