#include "report.h"

#include <cstdio>
#include <filesystem>

namespace orv::check {
namespace {

std::string unix_path(std::string path) {
  for (char& c : path)
    if (c == '\\') c = '/';
  return path;
}

std::string relative_to(const std::string& root, const std::string& path) {
  namespace fs = std::filesystem;
  const fs::path base = fs::path(unix_path(root)).lexically_normal().parent_path();
  const fs::path relative = fs::path(unix_path(path)).lexically_normal().lexically_relative(base);
  return relative.empty() ? unix_path(path) : relative.string();
}

}  // namespace

void Report::add(const std::string& path, int line, std::string message) {
  findings_.push_back({relative_to(root_, path), line, std::move(message)});
}

void print_findings(std::ostream& out, const std::vector<Finding>& findings) {
  for (const Finding& f : findings) {
    out << f.file;
    if (f.line > 0) out << ':' << f.line;
    out << ": " << f.message << '\n';
  }
}

std::string quoted(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c >= 0x20 && c < 0x7F) {
      out += char(c);
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    }
  }
  return out + "\"";
}

}  // namespace orv::check
