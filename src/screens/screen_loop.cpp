// The screen loop shared by the title menu and the highscore screen.
#include "screens/screen_loop.h"

#include "effects/drift_sprites.h"
#include "game/game.h"
#include "game/window_events.h"
#include "input/player_input.h"
#include "media/numbers.h"
#include "screens/screen_texts.h"
#include "sound/music.h"

namespace orv {
namespace {

// The fading texts start invisible; their fade falls by kFadeStep per frame.
constexpr float kFadeStart = 255.0f;
constexpr float kFadeStep = 0.2f;

void free_screen_background(Game& g) {
  media::Graphics& gfx = g.media.gfx;
  ScreensState& s = g.screens;
  if (gfx.is_sprite3d(s.background_sprite3d)) gfx.free_sprite3d(s.background_sprite3d);
  if (gfx.is_sprite(s.background_sprite)) gfx.free_sprite(s.background_sprite);
  s.background_sprite3d = {};
  s.background_sprite = {};
}

void draw_screen_frame(Game& g, int fade_in_alpha,
                       const std::function<void(int fade_in_alpha)>& draw_texts) {
  draw_screen_base(g);
  draw_texts(fade_in_alpha);
}

}  // namespace

void draw_screen_base(Game& g) {
  media::Graphics& gfx = g.media.gfx;
  gfx.start_3d();
  gfx.clear_screen(media::rgb(0, 0, 0));
  draw_screen_background(g);
  move_drift_sprites(g, g.assets.screen_sprites, DriftBounce::kScreenSprites);
}

void load_screen_background(Game& g, const std::string& path) {
  media::Graphics& gfx = g.media.gfx;
  ScreensState& s = g.screens;
  free_screen_background(g);
  gfx.transparent_sprite_colour(media::kNewSprites, media::rgb(255, 0, 255));
  s.background_sprite = gfx.load_sprite(path);
  if (s.background_sprite) s.background_sprite3d = gfx.create_sprite3d(s.background_sprite);
  if (s.background_sprite3d) {
    gfx.zoom_sprite3d(s.background_sprite3d, float(media::round_even(g.frame.screen_width)),
                      float(media::round_even(g.frame.screen_height)));
  }
}

void draw_screen_background(Game& g) {
  if (g.screens.background_sprite3d) {
    g.media.gfx.display_sprite3d(g.screens.background_sprite3d, 0.0f, 0.0f, 255);
  }
}

void show_screen_page(Game& g) {
  g.media.gfx.stop_3d();
  g.media.gfx.flip_buffers();
  poll_window_events(g);
}

const char* continue_prompt(const FrameState& frame) {
  return frame.joypad_present ? screen_text::kJoypadPrompt : screen_text::kKeyboardPrompt;
}

void run_screen_loop(Game& g, const std::string& music,
                     const std::function<void(int fade_in_alpha)>& draw_texts,
                     const std::function<void()>& after_input) {
  ORV_FAULT_SITE(g, "io_control");
  g.frame.menu_active = true;
  g.frame.game_state = GameState::kRunning;
  float fade = kFadeStart;
  play_music(g, music);
  load_screen_background(g, g.config.load_intro_screen);
  g.screens.leave_screen = false;
  do {
    draw_screen_frame(g, media::round_even(kFadeStart - fade), draw_texts);
    fade = fade > 0.0f ? fade - kFadeStep : 0.0f;
    show_screen_page(g);
    read_input(g);
    if (after_input) after_input();
  } while (g.input.command != Command::kStart && !g.screens.leave_screen);
  // The P that left the screen must not pause the game that follows, however long it is held.
  hold_back_until_released(g.input, Command::kStart);
}

}  // namespace orv
