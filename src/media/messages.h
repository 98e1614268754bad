// Messages on stderr that quote names, paths and lines read from files: bytes a terminal would
// act on are escaped, paths use one separator, and a file's findings are capped.
#pragma once

#include <cstddef>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>

namespace orv::media {

// The text with every byte outside printable ASCII written as \xHH (a backslash as \\), so a
// line from a file can neither move the terminal's cursor nor change its colours.
std::string printable(std::string_view text);

// A game path as the player reads it: "/" as the only separator, escaped as printable() does
// (a path keeps its "\" only as the separator it stands for).
std::string quoted_path(std::string_view path);

// Writes "orvante: text" and a line end to stderr.
void print_notice(const std::string& text);

// Counts a file's findings: the first kShown are written, the rest only counted and summed
// up by finish() in one line ("path: and N more").
class FindingLimit {
 public:
  static constexpr int kShown = 10;
  FindingLimit(std::string path, std::ostream& out) : path_(std::move(path)), out_(out) {}
  // Writes "path:line: what" (what made printable by the caller) unless kShown were written.
  void report(int line, const std::string& what);
  void finish();
  int count() const { return count_; }

 private:
  std::string path_;
  std::ostream& out_;
  int count_ = 0;
};

}  // namespace orv::media
