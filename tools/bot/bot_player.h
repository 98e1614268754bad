// A bot that plays the whole game as a player would, through the real game loop on the headless
// platform: it presses P on the title and highscore screens, walks with the arrow keys in play,
// and notes each completed level and each game whose time ran out.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "game/coordinates.h"
#include "game/game.h"
#include "input/autopilot.h"
#include "media/platform_headless/headless_platform.h"

namespace orv::bot {

struct LevelResult {
  std::int32_t level = 0;
  std::int32_t goal = 0;        // CRITCAL MASS when the level began
  std::int32_t start_time = 0;  // time units on the clock when the level began
  std::int32_t time_left = 0;   // time units on the clock when the level was complete
  std::int32_t score = 0;       // the score the game had reached then
  std::int64_t frames = 0;      // frames the level took
};

struct GameResult {
  std::vector<LevelResult> completed;
  bool timed_out = false;
};

// The headless platform with the bot at its keys: after every shown frame it looks at the game
// and holds the keys for the next.
class BotPlatform : public media::HeadlessPlatform {
 public:
  // pace 1 walks at the player's top speed; pace n stands still for n - 1 steps' time on every
  // cell it reaches, as a player who looks around before each step.
  BotPlatform(Aim aim, int pace) : aim_(aim), pace_(pace) {}
  void watch(const Game& g) { game_ = &g; }
  // After this many completed levels of a game the bot lets the time run out (0: never).
  void rest_after_levels(std::size_t levels) { rest_after_ = levels; }
  // Called after every frame with the game ended by a time-out and with each completed level.
  std::function<void(const GameResult&)> on_game_end;
  std::function<void()> on_frame;
  // The game being played now.
  const GameResult& current() const { return current_; }

  void present(const media::Pixel* pixels, int width, int height) override;
  // The headless platform lists every sound start for the tests to inspect; over a long play
  // that list would grow without end, and the bot needs none of it.
  void sound_started(media::SoundId /*sound*/, bool /*loop*/) override {}

 private:
  void press_start();
  void play(const Game& g);
  void hold_only(std::optional<int> arrow);
  void begin_level(const Game& g);

  Aim aim_;
  int pace_;
  std::size_t rest_after_ = 0;
  CellPosition cell_;
  std::int64_t rest_until_ = 0;
  const Game* game_ = nullptr;
  bool in_play_ = false;

  std::int32_t level_ = 0;
  std::int32_t goal_ = 0;
  std::int32_t start_time_ = 0;
  std::int32_t time_ = 0;
  std::int64_t level_start_frame_ = 0;
  std::optional<int> held_;
  GameResult current_;
};

}  // namespace orv::bot
