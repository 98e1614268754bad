// The title menu.
#include "screens/title_menu.h"

#include "game/errors.h"
#include "game/game.h"
#include "input/dialogs.h"
#include "screens/attract_demo.h"
#include "screens/game_recording.h"
#include "screens/options_screen.h"
#include "screens/practice_chooser.h"
#include "screens/reached_level.h"
#include "screens/screen_loop.h"
#include "screens/screen_texts.h"
#include "sound/music.h"
#include "text/text_drawing.h"

namespace orv {
namespace {

// Pad buttons: Y opens the options, the left shoulder practice, the right one the day's game.
constexpr int kOptionsButton = 4;
constexpr int kPracticeButton = 5;
constexpr int kDailyButton = 6;

bool practice_offered(const Game& g) {
  return labyrinths_generated(g.config) && g.frame.play.reached_level > 1;
}

void draw_title_texts(Game& g, int fade_in_alpha) {
  const float w = g.frame.screen_width;
  const float h = g.frame.screen_height;
  const bool pad = g.frame.joypad_present;
  draw_text(g, screen_text::kTitle, w * 0.1f, h * 0.4f, {.zoom = 6.0f, .alpha = fade_in_alpha});
  draw_text(g, continue_prompt(g.frame), w * 0.1f, h * 0.65f,
            {.zoom = 0.8f, .alpha = fade_in_alpha});
  const char* options =
      pad ? screen_text::kJoypadOptionsPrompt : screen_text::kKeyboardOptionsPrompt;
  draw_text(g, options, w * 0.1f, h * 0.71f, {.zoom = 0.8f, .alpha = fade_in_alpha});
  draw_text(g, screen_text::kNotice, w * 0.5f, h * 0.8f, {.zoom = 0.6f});
  // The other kinds of game, below the notice.
  float y = h * 0.86f;
  if (practice_offered(g)) {
    const char* practice =
        pad ? screen_text::kJoypadPracticePrompt : screen_text::kKeyboardPracticePrompt;
    draw_text(g, practice, w * 0.1f, y, {.zoom = 0.8f, .alpha = fade_in_alpha});
    y += h * 0.06f;
  }
  if (labyrinths_generated(g.config)) {
    const char* daily = pad ? screen_text::kJoypadDailyPrompt : screen_text::kKeyboardDailyPrompt;
    draw_text(g, daily, w * 0.1f, y, {.zoom = 0.8f, .alpha = fade_in_alpha});
  }
}

// True once per press of the key or the pad button.
bool pressed_once(Game& g, int key, int button, bool& was_down) {
  const media::Input& in = g.media.input;
  const bool down = in.keyboard_pushed(key) || in.joystick_button(button);
  const bool pressed = down && !was_down;
  was_down = down;
  return pressed;
}

// O on the keyboard or pad button 4 (Y) opens the options, once per press.
void open_options_on_press(Game& g) {
  if (pressed_once(g, media::key::kO, kOptionsButton, g.screens.options_key_down))
    show_options_screen(g);
}

// L (left shoulder) opens the practice chooser, T (right shoulder) starts the day's game; either
// leaves the title with the game's kind chosen. start_level is where the game begins.
void choose_other_games_on_press(Game& g, std::int32_t& start_level) {
  ScreensState& s = g.screens;
  if (pressed_once(g, media::key::kL, kPracticeButton, s.practice_key_down) &&
      practice_offered(g)) {
    if (const auto level = choose_practice_level(g)) {
      g.frame.play.mode = PlayMode::kPractice;
      start_level = *level;
      s.leave_screen = true;
    }
  }
  if (pressed_once(g, media::key::kT, kDailyButton, s.daily_key_down) &&
      labyrinths_generated(g.config)) {
    choose_daily_game(g);
    s.leave_screen = true;
  }
}

// A new game at start_level: no points (none left to count up either; a restart from the pause
// dialog goes back to 0, not to a score of the last game) and the bomb the first game had.
void set_up_new_game(Game& g, std::int32_t start_level) {
  g.frame.menu_active = false;
  WorldState& w = g.world;
  w.level = start_level;
  w.score = 0;
  w.score_target = 0;
  w.level_start_score = 0;
  w.bombs = 1;
  w.level_keys_used = false;
  // The main loop builds the first level afresh: a game that ended on level 1 would otherwise
  // go on in the old labyrinth with its time run out, and end again at the next time unit.
  g.frame.built_level = -1;
}

// --daily: the first game is the day's, started without the title.
bool start_daily_at_once(Game& g) {
  PlayModeState& play = g.frame.play;
  if (!play.daily_at_start) return false;
  play.daily_at_start = false;
  if (!labyrinths_generated(g.config)) {
    g.media.sys.notice("--daily: this data set's levels are not generated, a normal game starts");
    return false;
  }
  choose_daily_game(g);
  g.frame.game_state = GameState::kRunning;
  set_up_new_game(g, 1);
  begin_kept_game(g);
  return true;
}

}  // namespace

void show_title_menu(Game& g) {
  if (start_daily_at_once(g)) return;
  g.frame.play.mode = PlayMode::kNormal;
  load_reached_level(g);
  // Escape (pad Back) asks whether to leave the game; B ends the program, X stays here.
  // A key held since before the title counts once let go.
  g.screens.options_key_down = g.screens.practice_key_down = g.screens.daily_key_down = true;
  std::int32_t start_level = 1;
  bool demo = false;
  const auto after_input = [&g, &start_level, &demo] {
    open_options_on_press(g);
    choose_other_games_on_press(g, start_level);
    if (g.input.command == Command::kQuit && ask_quit(g)) end_program(g);
    // A long idle title leaves as START would, to play its demo.
    if (demo_due(g)) {
      demo = true;
      g.input.command = Command::kStart;
    }
  };
  run_screen_loop(
      g, kMenuTrack, [&g](int fade_in_alpha) { draw_title_texts(g, fade_in_alpha); }, after_input);
  set_up_new_game(g, start_level);
  if (!demo || !start_demo(g)) begin_kept_game(g);
}

void start_recorded_game(Game& g, bool watch_controls) {
  set_up_new_game(g, 1);
  if (g.tape.played) start_played_game(g, *g.tape.played, watch_controls);
}

}  // namespace orv
