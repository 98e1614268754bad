// The kinds of game and the seed of the day's labyrinth.
#include "game/play_mode.h"

#include <cstdio>

#include "game/game.h"

namespace orv {

std::int32_t daily_world_random(int year, int month, int day) {
  std::uint32_t x = std::uint32_t(year) * 10000u + std::uint32_t(month) * 100u + std::uint32_t(day);
  x ^= x >> 16;
  x *= 0x7FEB352Du;
  x ^= x >> 15;
  x *= 0x846CA68Bu;
  x ^= x >> 16;
  return std::int32_t(x & 0x3FFFFFFFu);
}

std::string date_text(const media::LocalTime& date) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
  return text;
}

std::int32_t level_world_random(const Game& g) {
  const PlayModeState& play = g.frame.play;
  return play.mode == PlayMode::kDaily ? play.daily_world_random : g.config.world_random;
}

bool labyrinths_generated(const Config& config) {
  return config.generate_levels == 1;
}

void choose_daily_game(Game& g) {
  const media::LocalTime today = g.media.sys.utc_date();
  PlayModeState& play = g.frame.play;
  play.mode = PlayMode::kDaily;
  play.daily_date = date_text(today);
  play.daily_world_random = daily_world_random(today.year, today.month, today.day);
}

}  // namespace orv
