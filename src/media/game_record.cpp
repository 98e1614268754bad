// The kept game's text file.
#include "media/game_record.h"

#include <charconv>
#include <sstream>

#include "media/keys.h"

namespace orv::media {
namespace {

constexpr const char* kHeader = "ORVANTE GAME";
constexpr int kAxisLimit = 32768;

// A text field stays on its line.
std::string one_line(std::string text) {
  for (char& c : text)
    if (c == '\n' || c == '\r') c = ' ';
  return text;
}

template <typename T>
bool number(const std::string& word, T& out, int base = 10) {
  const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), out, base);
  return ec == std::errc() && end == word.data() + word.size() && !word.empty();
}

std::vector<std::string> words_of(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

std::string rest_after(const std::string& line, const std::string& word) {
  return line.size() > word.size() ? line.substr(word.size() + 1) : std::string();
}

class Parser {
 public:
  explicit Parser(GameRecord& r) : r_(r) {}
  // False for a line that is not part of a kept game.
  bool line(const std::string& text);
  bool ended() const { return ended_; }

 private:
  bool field(const std::string& text, const std::vector<std::string>& w);
  bool key_event(const std::vector<std::string>& w);
  bool pad_event(const std::vector<std::string>& w);
  bool in_order(std::int64_t frame) {
    if (frame < 0 || frame < last_frame_) return false;
    last_frame_ = frame;
    return true;
  }

  GameRecord& r_;
  bool ended_ = false;
  std::int64_t last_frame_ = 0;
};

bool Parser::line(const std::string& text) {
  if (ended_) return text.empty();
  const std::vector<std::string> w = words_of(text);
  if (w.empty()) return true;
  if (w[0] == "end" && w.size() == 1) return ended_ = true;
  if (w[0] == "k") return key_event(w);
  if (w[0] == "p") return pad_event(w);
  return field(text, w);
}

bool Parser::field(const std::string& text, const std::vector<std::string>& w) {
  if (w[0] == "name") return r_.name = rest_after(text, "name"), true;
  if (w[0] == "date") return r_.date = rest_after(text, "date"), true;
  if (w[0] == "data-set" && w.size() == 2) return r_.data_set = w[1], true;
  if (w[0] == "start" && w.size() == 3) {
    std::int64_t v = 0;
    if (!number(w[2], v)) return false;
    r_.start.emplace_back(w[1], v);
    return true;
  }
  if (w[0] == "bind") {
    std::vector<int> keys;
    for (std::size_t i = 1; i < w.size(); ++i) {
      int k = 0;
      if (!number(w[i], k) || k < 0 || k >= key::kCount) return false;
      keys.push_back(k);
    }
    r_.bindings.push_back(std::move(keys));
    return true;
  }
  if (w[0] == "claim" && w.size() == 7 && w[1] == "score" && w[3] == "level" && w[5] == "frames")
    return number(w[2], r_.claim.score) && number(w[4], r_.claim.level) &&
           number(w[6], r_.claim.frames);
  return false;
}

bool Parser::key_event(const std::vector<std::string>& w) {
  KeyEvent e;
  int down = 0;
  if (w.size() != 4 || !number(w[1], e.frame) || !number(w[2], e.key) || !number(w[3], down))
    return false;
  if (e.key < 0 || e.key >= key::kCount || (down != 0 && down != 1) || !in_order(e.frame))
    return false;
  e.down = down == 1;
  r_.input.keys.push_back(e);
  return true;
}

bool Parser::pad_event(const std::vector<std::string>& w) {
  PadEvent e;
  int connected = 0;
  std::uint32_t buttons = 0;
  if (w.size() != 6 || !number(w[1], e.frame) || !number(w[2], connected) ||
      !number(w[3], e.state.axis_x) || !number(w[4], e.state.axis_y) || !number(w[5], buttons, 16))
    return false;
  if ((connected != 0 && connected != 1) || std::abs(e.state.axis_x) > kAxisLimit ||
      std::abs(e.state.axis_y) > kAxisLimit || !in_order(e.frame))
    return false;
  e.state.connected = connected == 1;
  for (std::size_t b = 0; b < e.state.buttons.size(); ++b) e.state.buttons[b] = (buttons >> b) & 1u;
  r_.input.pad.push_back(e);
  return true;
}

std::string pad_line(const PadEvent& e) {
  std::uint32_t buttons = 0;
  for (std::size_t b = 0; b < e.state.buttons.size(); ++b)
    if (e.state.buttons[b]) buttons |= 1u << b;
  std::ostringstream out;
  out << "p " << e.frame << ' ' << (e.state.connected ? 1 : 0) << ' ' << e.state.axis_x << ' '
      << e.state.axis_y << ' ' << std::hex << buttons << '\n';
  return out.str();
}

}  // namespace

std::optional<GameRecord> parse_game_record(const std::string& text) {
  if (text.size() > kGameRecordLimit) return std::nullopt;
  std::istringstream in(text);
  std::string line;
  if (!std::getline(in, line) || line != kHeader) return std::nullopt;
  GameRecord record;
  Parser parser(record);
  while (std::getline(in, line))
    if (!parser.line(line)) return std::nullopt;
  if (!parser.ended() || record.data_set.empty()) return std::nullopt;
  return record;
}

std::string format_game_record(const GameRecord& r) {
  std::ostringstream out;
  out << kHeader << '\n';
  out << "data-set " << one_line(r.data_set) << '\n';
  out << "name " << one_line(r.name) << '\n';
  out << "date " << one_line(r.date) << '\n';
  for (const auto& [name, value] : r.start)
    out << "start " << one_line(name) << ' ' << value << '\n';
  for (const auto& keys : r.bindings) {
    out << "bind";
    for (int k : keys) out << ' ' << k;
    out << '\n';
  }
  out << "claim score " << r.claim.score << " level " << r.claim.level << " frames "
      << r.claim.frames << '\n';
  // Key and pad changes in frame order, the keys first within a frame.
  std::size_t p = 0;
  for (const KeyEvent& e : r.input.keys) {
    for (; p < r.input.pad.size() && r.input.pad[p].frame < e.frame; ++p)
      out << pad_line(r.input.pad[p]);
    out << "k " << e.frame << ' ' << e.key << ' ' << (e.down ? 1 : 0) << '\n';
  }
  for (; p < r.input.pad.size(); ++p) out << pad_line(r.input.pad[p]);
  out << "end\n";
  return out.str();
}

std::int64_t start_value(const GameRecord& record, const std::string& name, std::int64_t fallback) {
  for (const auto& [n, v] : record.start)
    if (n == name) return v;
  return fallback;
}

}  // namespace orv::media
