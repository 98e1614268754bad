// Key and value pairs of the game's line-pair files, read by the game's own reader, with the
// line number of each key, and the checks every such file gets.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orv {
struct Game;
}

namespace orv::check {

class Report;

struct Pair {
  std::string key;
  std::string value;
  int line = 0;  // the key's line; the value is on the next one
};

// The pairs of a file in the order the game reads them; nullopt when it does not open.
std::optional<std::vector<Pair>> read_pairs(Game& g, const std::string& path);

// Reports keys the game ignores (unknown, or a known key in another case or with blanks around
// it), the first place where the pairing looks shifted (a key line that reads as a number, a
// value line that is a known key, a blank key line; the game reads everything after it shifted,
// so nothing later is reported), and keys given twice, where the later pair wins. Returns false
// when the pairs are shifted.
bool check_pairs(Report& report, const std::string& file, const std::vector<Pair>& pairs,
                 const std::vector<std::string>& known_keys);

// The value of the pair that wins (the last with the key), and its key line; nullptr and 0
// without one.
const Pair* winning_pair(const std::vector<Pair>& pairs, const std::string& key);

// True for a line the game reads as a number: blanks, a sign, digits, an optional fraction
// and exponent, nothing else.
bool reads_as_number(const std::string& line);

}  // namespace orv::check
