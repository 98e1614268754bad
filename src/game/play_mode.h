// The kinds of game: a normal game, practice from a level already reached, and the day's
// labyrinth that every player of the same data set shares on the same UTC day.
#pragma once

#include <cstdint>
#include <string>

#include "media/platform.h"

namespace orv {

struct Game;
struct Config;

enum class PlayMode { kNormal, kPractice, kDaily };

struct PlayModeState {
  PlayMode mode = PlayMode::kNormal;
  std::string daily_date;               // yyyy-mm-dd (UTC) of the day's game
  std::int32_t daily_world_random = 0;  // the day's labyrinth seed, used in place of WORLDRANDOM
  bool daily_at_start = false;          // --daily: the first game is the day's, without the title
  std::int32_t reached_level = 1;       // the highest level a normal game reached in this data set
};

// The day's labyrinth seed. The date is written as the number YYYYMMDD (8 December 2026 is
// 20261208) and mixed by a fixed 32-bit integer hash:
//   x ^= x >> 16;  x *= 0x7FEB352D;  x ^= x >> 15;  x *= 0x846CA68B;  x ^= x >> 16
// (unsigned, arithmetic modulo 2^32); the seed is the low 30 bits of x, 0 .. 1073741823, so
// adding a level number to it never leaves the range of WORLDRANDOM.
std::int32_t daily_world_random(int year, int month, int day);
// "yyyy-mm-dd".
std::string date_text(const media::LocalTime& date);

// The seed the labyrinths of the game being played start from: the day's in a daily game,
// WORLDRANDOM otherwise.
std::int32_t level_world_random(const Game& g);

// Only generated labyrinths have levels to practise and a seed of the day.
bool labyrinths_generated(const Config& config);

// Makes the next game the day's: the date is taken from the platform's UTC clock.
void choose_daily_game(Game& g);

}  // namespace orv
