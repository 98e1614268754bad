// The pause and quit dialogs.
#include "input/dialogs.h"

#include <string_view>

#include "game/game.h"
#include "input/player_input.h"
#include "text/text_drawing.h"

namespace orv {
namespace {

struct DialogLine {
  std::string_view text;
  float x, y;  // fractions of the screen size
};
using DialogTexts = DialogLine[3];

constexpr DialogTexts kQuitTexts = {{"  QUIT GAME ? |", 0.3f, 0.2f},
                                    {"  PRESS B TO QUIT     |", 0.3f, 0.4f},
                                    {"  PRESS X TO CONTINUE |", 0.3f, 0.5f}};
constexpr DialogTexts kPauseTexts = {{"  GAME PAUSED |", 0.4f, 0.2f},
                                     {"  PRESS X TO CONTINUE |", 0.3f, 0.3f},
                                     {"  PRESS B TO RESTART  |", 0.3f, 0.4f}};

// Draws the texts over whatever the screen holds, shows them and reads this frame's input.
Command dialog_frame(Game& g, const DialogTexts& texts) {
  media::Graphics& gfx = g.media.gfx;
  gfx.start_3d();
  for (const DialogLine& line : texts)
    draw_text(g, line.text, g.frame.screen_width * line.x, g.frame.screen_height * line.y);
  gfx.stop_3d();
  gfx.flip_buffers();  // a close request from the desktop ends the program here
  read_input(g);
  return g.input.command;
}

// Counts the open dialogs for as long as one runs, however it is left.
class OpenDialog {
 public:
  explicit OpenDialog(Game& g) : g_(g) { ++g_.input.open_dialogs; }
  ~OpenDialog() { --g_.input.open_dialogs; }
  OpenDialog(const OpenDialog&) = delete;
  OpenDialog& operator=(const OpenDialog&) = delete;

 private:
  Game& g_;
};

// Runs the dialog until B or X and returns that answer.
Command run_dialog(Game& g, const DialogTexts& texts) {
  OpenDialog open(g);
  Command answer = Command::kNone;
  while (answer != Command::kB && answer != Command::kX) answer = dialog_frame(g, texts);
  hold_back_until_released(g.input, answer);  // the answer must not also answer the next dialog
  return answer;
}

}  // namespace

void quit_dialog(Game& g) {
  if (run_dialog(g, kQuitTexts) == Command::kB) {
    g.frame.game_state = GameState::kEnding;
    g.frame.quit_requested = true;
  } else {
    g.input.action_latch = ActionLatch::kTaken;
  }
}

bool ask_quit(Game& g) {
  return run_dialog(g, kQuitTexts) == Command::kB;
}

void pause_dialog(Game& g) {
  if (run_dialog(g, kPauseTexts) == Command::kB) {
    g.frame.built_level = -1;
    g.world.score = g.world.level_start_score;
    g.world.score_target = g.world.score;  // points of the abandoned try are not counted up
  }
}

}  // namespace orv
