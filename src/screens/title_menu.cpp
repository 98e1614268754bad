// The title menu.
#include "screens/title_menu.h"

#include "game/errors.h"
#include "game/game.h"
#include "input/dialogs.h"
#include "screens/attract_demo.h"
#include "screens/game_recording.h"
#include "screens/options_screen.h"
#include "screens/screen_loop.h"
#include "screens/screen_texts.h"
#include "sound/music.h"
#include "text/text_drawing.h"

namespace orv {
namespace {

constexpr int kOptionsButton = 4;

void draw_title_texts(Game& g, int fade_in_alpha) {
  const float w = g.frame.screen_width;
  const float h = g.frame.screen_height;
  draw_text(g, screen_text::kTitle, w * 0.1f, h * 0.4f, 6.0f, 0.0f, fade_in_alpha, 1.0f, 0, 0);
  draw_text(g, continue_prompt(g), w * 0.1f, h * 0.65f, 0.8f, 0.0f, fade_in_alpha, 1.0f, 0, 0);
  const char* options = g.frame.joypad_present ? screen_text::kJoypadOptionsPrompt
                                               : screen_text::kKeyboardOptionsPrompt;
  draw_text(g, options, w * 0.1f, h * 0.71f, 0.8f, 0.0f, fade_in_alpha, 1.0f, 0, 0);
  draw_text(g, screen_text::kNotice, w * 0.5f, h * 0.8f, 0.6f, 0.0f, 255, 1.0f, 0, 0);
}

// O on the keyboard or pad button 4 (Y) opens the options, once per press.
void open_options_on_press(Game& g) {
  const media::Input& in = g.media.input;
  const bool down = in.keyboard_pushed(media::key::kO) || in.joystick_button(kOptionsButton);
  const bool pressed = down && !g.screens.options_key_down;
  g.screens.options_key_down = down;
  if (pressed) show_options_screen(g);
}

}  // namespace

void show_title_menu(Game& g) {
  // Escape (pad Back) asks whether to leave the game; B ends the program, X stays here.
  g.screens.options_key_down = true;  // a key held since before the title counts once let go
  bool demo = false;
  const auto after_input = [&g, &demo] {
    open_options_on_press(g);
    if (g.input.command == kCommandQuit && ask_quit(g)) end_program(g);
    // A long idle title leaves as START would, to play its demo.
    if (demo_due(g)) {
      demo = true;
      g.input.command = kCommandStart;
    }
  };
  run_screen_loop(
      g, kMenuTrack, [&g](int fade_in_alpha) { draw_title_texts(g, fade_in_alpha); }, after_input);
  g.frame.menu_active = false;
  start_new_game(g);
  if (!demo || !start_demo(g)) begin_kept_game(g);
}

void start_new_game(Game& g) {
  // A new game: level 1, no points (none left to count up either; a restart from the pause
  // dialog goes back to 0, not to a score of the last game) and the bomb the first game had.
  WorldState& w = g.world;
  w.level = 1;
  w.score = 0;
  w.score_target = 0;
  w.level_start_score = 0;
  w.bombs = 1;
  w.level_keys_used = false;
  // The main loop builds level 1 afresh: a game that ended on level 1 would otherwise go on in
  // the old labyrinth with its time run out, and end again at the next time unit.
  g.frame.built_level = -1;
}

void start_recorded_game(Game& g, bool watch_controls) {
  g.frame.menu_active = false;
  start_new_game(g);
  if (g.tape.played) start_played_game(g, *g.tape.played, watch_controls);
}

}  // namespace orv
