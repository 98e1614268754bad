#include "support/input_script.h"

#include <algorithm>
#include <array>
#include <sstream>
#include <utility>

#include "media/keys.h"

namespace orv::test {
namespace {

namespace key = media::key;

constexpr std::array<std::pair<const char*, int>, 10> kKeyNames{{{"P", key::kP},
                                                                 {"ESCAPE", key::kEscape},
                                                                 {"SPACE", key::kSpace},
                                                                 {"B", key::kB},
                                                                 {"X", key::kX},
                                                                 {"UP", key::kUp},
                                                                 {"DOWN", key::kDown},
                                                                 {"LEFT", key::kLeft},
                                                                 {"RIGHT", key::kRight},
                                                                 {"F12", key::kF12}}};

std::optional<int> key_of(const std::string& name) {
  for (const auto& [text, code] : kKeyNames)
    if (name == text) return code;
  return std::nullopt;
}

std::string name_of(int code) {
  for (const auto& [text, k] : kKeyNames)
    if (k == code) return text;
  return "?";
}

std::optional<KeyEvent> parse_line(const std::string& line) {
  std::istringstream in(line);
  KeyEvent e;
  std::string name, state, rest;
  if (!(in >> e.frame >> name >> state) || (in >> rest) || e.frame < 0) return std::nullopt;
  const auto code = key_of(name);
  if (!code || (state != "down" && state != "up")) return std::nullopt;
  e.key = *code;
  e.down = state == "down";
  return e;
}

}  // namespace

std::optional<std::vector<KeyEvent>> parse_input_script(const std::string& text) {
  std::vector<KeyEvent> events;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find_first_not_of(" \t") == std::string::npos || line[0] == '#') continue;
    const auto event = parse_line(line);
    if (!event || (!events.empty() && event->frame < events.back().frame)) return std::nullopt;
    events.push_back(*event);
  }
  return events;
}

std::string format_input_script(const std::vector<KeyEvent>& events, const std::string& header) {
  std::ostringstream out;
  out << header;
  for (const KeyEvent& e : events)
    out << e.frame << ' ' << name_of(e.key) << ' ' << (e.down ? "down" : "up") << '\n';
  return out.str();
}

void schedule(media::HeadlessPlatform& platform, const std::vector<KeyEvent>& events) {
  for (const KeyEvent& e : events) {
    if (e.down)
      platform.hold_key(e.key, e.frame);
    else
      platform.release_key(e.key, e.frame);
  }
}

void KeyRecorder::set(int key, bool down, std::int64_t frame) {
  const auto at = std::find(held_.begin(), held_.end(), key);
  if ((at != held_.end()) == down) return;
  if (down)
    held_.push_back(key);
  else
    held_.erase(at);
  events_.push_back({frame < 0 ? platform_.frame() : frame, key, down});
  schedule(platform_, {events_.back()});
}

void KeyRecorder::release_all() {
  while (!held_.empty()) set(held_.back(), false);
}

}  // namespace orv::test
