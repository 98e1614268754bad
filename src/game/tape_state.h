// The game's own recordings: the one kept of the game being played, and the one played back
// (a verified score, a watched replay, the title's demo).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "game/key_bindings.h"
#include "media/game_record.h"
#include "media/game_tape.h"

namespace orv {

enum class TapeMode {
  kLive,    // the player plays; the game's input is kept for the table
  kVerify,  // a kept game is played again without a window, to check what it claims
  kWatch,   // a kept game is played in the window (--replay)
  kDemo,    // the title's demo
};

// What a game played back reached, when it ended or was stopped.
struct PlayedOutcome {
  media::GameClaim reached;
  bool ended = false;  // the time ran out; false: stopped past its claimed frames or left
};

struct TapeState {
  // The platform that keeps and plays the input; none (as in most tests): nothing is kept.
  media::TapePlatform* tape = nullptr;
  TapeMode mode = TapeMode::kLive;
  // The values the game being played started from (see game_recording.h).
  std::vector<std::pair<std::string, std::int64_t>> start;
  // The game being played back.
  std::optional<media::GameRecord> played;
  std::optional<PlayedOutcome> outcome;
  // Verify: the data set the game needs is not the one found.
  bool other_data_set = false;
  // The player's own, while a demo plays with the bindings and seed of its recording.
  KeyBindings own_keys;
  std::int32_t own_world_random = 0;
  // Title frames without a key or button; the demo recordings of the data set and the next one.
  std::int32_t idle_frames = 0;
  std::vector<std::string> demo_files;
  bool demo_files_scanned = false;
  std::size_t next_demo = 0;
};

}  // namespace orv
