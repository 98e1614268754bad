#include "pair_file.h"

#include <strings.h>

#include <algorithm>
#include <map>
#include <regex>

#include "catalogue/definition_file.h"
#include "game/game.h"
#include "report.h"

namespace orv::check {
namespace {

std::string trimmed(const std::string& s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// The known key the line differs from only in case or surrounding blanks, or nothing.
const std::string* near_key(const std::string& line, const std::vector<std::string>& known) {
  const std::string t = trimmed(line);
  for (const std::string& k : known)
    if (::strcasecmp(t.c_str(), k.c_str()) == 0) return &k;
  return nullptr;
}

bool is_known(const std::string& line, const std::vector<std::string>& known) {
  return std::find(known.begin(), known.end(), line) != known.end();
}

// Reports the first shifted pair and returns true, or returns false when the pair looks right.
bool report_shift(Report& report, const std::string& file, const Pair& p,
                  const std::vector<std::string>& known) {
  std::string what;
  int line = p.line;
  if (p.key.empty()) {
    what = "blank key line";
  } else if (!is_known(p.key, known) && reads_as_number(p.key)) {
    what = "key line " + quoted(p.key) + " reads as a number";
  } else if (is_known(p.value, known)) {
    what = "value line " + quoted(p.value) + " is a key";
    line = p.line + 1;
  } else {
    return false;
  }
  report.add(file, line,
             what +
                 ": the pairs look shifted from here (a line too many or too few above); "
                 "the game reads every later pair shifted");
  return true;
}

}  // namespace

std::optional<std::vector<Pair>> read_pairs(Game& g, const std::string& path) {
  const media::FileId f = g.media.files.read_file(path);
  if (!f) return std::nullopt;
  std::vector<Pair> pairs;
  read_line_pairs(g, f, [&pairs](const std::string& key, const std::string& value) {
    pairs.push_back({key, value, int(pairs.size()) * 2 + 1});
  });
  g.media.files.close_file(f);
  return pairs;
}

bool check_pairs(Report& report, const std::string& file, const std::vector<Pair>& pairs,
                 const std::vector<std::string>& known) {
  std::map<std::string, int> seen;
  for (const Pair& p : pairs) {
    if (report_shift(report, file, p, known)) return false;
    if (is_known(p.key, known)) {
      auto [at, fresh] = seen.emplace(p.key, p.line);
      if (!fresh) {
        report.add(file, at->second,
                   p.key + " is given again on line " + std::to_string(p.line) +
                       ", which wins: this value is not used");
        at->second = p.line;
      }
    } else if (const std::string* k = near_key(p.key, known)) {
      report.add(file, p.line,
                 "key " + quoted(p.key) + " differs from " + *k +
                     " in case or blanks: the game compares keys exactly and ignores it");
    } else {
      report.add(file, p.line, "unknown key " + quoted(p.key) + ": the game ignores it");
    }
  }
  return true;
}

const Pair* winning_pair(const std::vector<Pair>& pairs, const std::string& key) {
  for (auto it = pairs.rbegin(); it != pairs.rend(); ++it)
    if (it->key == key) return &*it;
  return nullptr;
}

bool reads_as_number(const std::string& line) {
  static const std::regex number(
      R"([ \t]*[+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?[ \t]*)");
  return std::regex_match(line, number);
}

}  // namespace orv::check
