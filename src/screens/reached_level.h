// The highest level a normal game has reached in a data set, kept beside its best scores: the
// levels a practice game may start at.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace orv {

struct Game;
struct Config;

// The file: the line "ORVANTE REACHED LEVEL", then the level number. nullopt for anything
// else, or a level below 1.
std::optional<std::int32_t> parse_reached_level(const std::string& text);
std::string format_reached_level(std::int32_t level);

// Where this data set keeps the record: beside the best-scores table; empty when the data set
// keeps no records (no HIGHSCOREFILE).
std::string reached_level_path(const Config& config);

// The record on disk; 1 when there is none (or it is damaged).
std::int32_t read_reached_level(const std::string& path);

// Raises the record to level under the record's lock, when level is higher (another game may
// have raised it meanwhile). A damaged record is set aside and replaced. Returns the record
// afterwards; error tells the player what could not be done.
std::int32_t raise_reached_level(const std::string& path, std::int32_t level, std::string& error);

// Reads the record into the game (the title menu does, to offer practice).
void load_reached_level(Game& g);
// Called whenever a level has been built: a normal game, neither replayed nor moved with Page
// Up or Page Down, that reaches a level above the record raises it.
void note_level_reached(Game& g);

}  // namespace orv
