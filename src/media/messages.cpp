// Escaping, path spelling and capped findings of messages.
#include "media/messages.h"

#include <cstdio>

namespace orv::media {

std::string printable(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size());
  for (unsigned char c : text) {
    if (c == '\\') {
      out += "\\\\";
    } else if (c >= 0x20 && c < 0x7f) {
      out += char(c);
    } else {
      out += "\\x";
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}

std::string quoted_path(std::string_view path) {
  std::string slashed(path);
  for (char& c : slashed)
    if (c == '\\') c = '/';
  return printable(slashed);
}

void print_notice(const std::string& text) {
  const std::string line = "orvante: " + text + "\n";
  std::fwrite(line.data(), 1, line.size(), stderr);
}

void FindingLimit::report(int line, const std::string& what) {
  if (++count_ <= kShown) out_ << quoted_path(path_) << ":" << line << ": " << what << "\n";
}

void FindingLimit::finish() {
  if (count_ > kShown) out_ << quoted_path(path_) << ": and " << (count_ - kShown) << " more\n";
}

}  // namespace orv::media
