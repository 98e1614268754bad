// The world grid, its objects and enemies, the player and the world counters.
#pragma once

#include <cstdint>
#include <string>

namespace orv {

struct WorldState {
  std::int32_t score = 0;
  std::int32_t score_target = 0;       // points still to be counted up into the score
  std::int32_t level_start_score = 0;  // score when the last level was completed
  std::int32_t remaining = 0;          // the level goal counter ("CRITCAL MASS")
  std::int32_t level = 1;              // the current level ("DIMENSION")
  std::int32_t time = 0;               // level time in time units
  std::string bomb_stock = "&";        // one "&" per bomb carried, at most 3
  std::string player_name;
  std::uint8_t level_transition_pending = 0;
};

}  // namespace orv
