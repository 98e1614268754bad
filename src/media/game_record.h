// A kept game as one self-contained text file: what it needs to start again exactly as it did
// (the data set, the values of its start, the key bindings), every input of it frame by frame,
// and what it claims to have reached.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "media/game_tape.h"

namespace orv::media {

struct GameClaim {
  std::int32_t score = 0;
  std::int32_t level = 0;
  std::int64_t frames = 0;  // from the start to the end of the game
  bool operator==(const GameClaim&) const = default;
};

struct GameRecord {
  std::string data_set;  // the key of the data set it was played on
  std::string name;      // the player's, as shown in the table
  std::string date;      // yyyy-mm-dd
  // Named whole numbers the game restores before its first frame.
  std::vector<std::pair<std::string, std::int64_t>> start;
  // Per control, the keys bound to it.
  std::vector<std::vector<int>> bindings;
  GameClaim claim;
  GameInput input;
};

// A kept game's file is never larger than this.
constexpr std::size_t kGameRecordLimit = 16 * 1024 * 1024;

// The file: "ORVANTE GAME", one field a line, the input ("k <frame> <key> 0|1", "p <frame>
// <connected> <x> <y> <buttons in hex>") and "end". Anything else, a frame that goes back, a
// key or value out of range or a missing end: nullopt (a damaged or cut file).
std::optional<GameRecord> parse_game_record(const std::string& text);
std::string format_game_record(const GameRecord& record);

// The value of a start field; fallback when the record has none.
std::int64_t start_value(const GameRecord& record, const std::string& name, std::int64_t fallback);

}  // namespace orv::media
