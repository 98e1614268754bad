// The findings of a data check: one a line, "file:line: message", with file names relative to
// the data folder.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace orv::check {

struct Finding {
  std::string file;  // relative to the data folder, "/" separators
  int line = 0;      // 0 for a finding about the whole file
  std::string message;
};

class Report {
 public:
  // root: the data folder, ending with "/".
  explicit Report(std::string root) : root_(std::move(root)) {}

  // path: a game path ("\" or "/" separators) inside or beside the data folder.
  void add(const std::string& path, int line, std::string message);
  const std::vector<Finding>& findings() const { return findings_; }

 private:
  std::string root_;
  std::vector<Finding> findings_;
};

// The findings, one a line; "file: message" for those without a line.
void print_findings(std::ostream& out, const std::vector<Finding>& findings);

// A name in double quotes, bytes outside printable ASCII written as \xNN.
std::string quoted(const std::string& text);

}  // namespace orv::check
