// Reading the player's key bindings with the game's own line reader.
#include "input/controls_file.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <sstream>
#include <vector>

#include "game/game.h"
#include "media/files/file_replace.h"
#include "media/files/line_reader.h"
#include "media/files/paths.h"
#include "media/files/user_folders.h"
#include "media/key_names.h"
#include "media/messages.h"

namespace orv {
namespace {

struct ControlName {
  const char* name;
  Control control;
};
constexpr ControlName kControlNames[] = {{"UP", Control::kUp},
                                         {"DOWN", Control::kDown},
                                         {"LEFT", Control::kLeft},
                                         {"RIGHT", Control::kRight},
                                         {"BOMB", Control::kBomb},
                                         {"B", Control::kB},
                                         {"X", Control::kX},
                                         {"Y", Control::kY},
                                         {"PAUSE", Control::kPause},
                                         {"QUIT", Control::kQuit},
                                         {"SCREENSHOT", Control::kScreenshot},
                                         {"LEVELUP", Control::kLevelUp},
                                         {"LEVELDOWN", Control::kLevelDown}};

// The words of a line, split at blanks, tabs and commas.
std::vector<std::string> words_of(std::string line) {
  std::replace_if(
      line.begin(), line.end(), [](char c) { return c == ',' || c == '\t'; }, ' ');
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

std::optional<Control> control_named(const std::string& line) {
  const std::vector<std::string> words = words_of(line);
  if (words.size() != 1) return std::nullopt;
  std::string name = words[0];
  for (char& c : name) c = char(std::toupper((unsigned char)c));
  for (const ControlName& known : kControlNames)
    if (name == known.name) return known.control;
  return std::nullopt;
}

// What the file says, before it is laid over the current bindings.
struct FileBindings {
  KeyBindings keys;
  std::array<bool, kControlCount> named{};
};

class PairReader {
 public:
  PairReader(const std::string& path, std::ostream& errors) : findings_(path, errors) {}

  // One pair: the control on line number, its keys on the next.
  void take(const std::string& control_line, const std::string& keys_line, int number) {
    if (control_line.empty() && keys_line.empty()) return;
    const std::optional<Control> control = control_named(control_line);
    if (!control)
      return report(number, "unknown control \"" + media::printable(control_line) + "\"");
    std::vector<int> keys;
    for (const std::string& name : words_of(keys_line)) {
      const int key = media::key_by_name(name);
      if (key < 0) return report(number + 1, "unknown key \"" + media::printable(name) + "\"");
      keys.push_back(key);
    }
    if (keys.empty()) return report(number + 1, "no key given");
    std::vector<int>& bound = bindings_.keys[std::size_t(*control)];
    for (int key : keys)
      if (std::count(bound.begin(), bound.end(), key) == 0) bound.push_back(key);
    bindings_.named[std::size_t(*control)] = true;
  }
  const FileBindings& bindings() const { return bindings_; }
  void finish() { findings_.finish(); }

 private:
  void report(int number, const std::string& what) {
    findings_.report(number, what + ", pair ignored");
  }

  media::FindingLimit findings_;
  FileBindings bindings_;
};

void lay_over(KeyBindings& keys, const FileBindings& file) {
  std::vector<int> taken;
  for (const std::vector<int>& bound : file.keys)
    taken.insert(taken.end(), bound.begin(), bound.end());
  for (int c = 0; c < kControlCount; ++c) {
    if (file.named[c]) {
      keys[c] = file.keys[c];
    } else {
      std::erase_if(keys[c],
                    [&](int key) { return std::count(taken.begin(), taken.end(), key) > 0; });
    }
  }
}

// A controls file is a few hundred bytes; a larger one is not rewritten.
constexpr std::size_t kMaxControlsBytes = 1 << 20;

class TextSource : public media::ByteSource {
 public:
  explicit TextSource(const std::string& text) : text_(text) {}
  std::size_t read(char* dst, std::size_t max) override {
    const std::size_t n = std::min(max, text_.size() - at_);
    std::copy_n(text_.data() + at_, n, dst);
    at_ += n;
    return n;
  }

 private:
  const std::string& text_;
  std::size_t at_ = 0;
};

std::string keys_line(const std::vector<int>& keys) {
  std::string line;
  for (int key : keys) {
    if (!line.empty()) line += ' ';
    line += media::key_name(key);
  }
  return line;
}

}  // namespace

std::string control_name(Control control) {
  for (const ControlName& known : kControlNames)
    if (known.control == control) return known.name;
  return {};
}

void rebind_control(KeyBindings& keys, Control control, int key) {
  std::vector<int> old = keys[std::size_t(control)];
  std::erase(old, key);
  for (std::vector<int>& bound : keys) {
    if (std::erase(bound, key) > 0 && bound.empty()) bound = old;  // a swap, never no key
  }
  keys[std::size_t(control)] = {key};
}

std::string rewrite_controls(const std::string& old_text, const KeyBindings& keys) {
  TextSource source(old_text);
  media::LineReader reader;
  std::string text;
  std::array<bool, kControlCount> named{};
  while (!reader.at_end(source)) {
    const std::string first = reader.next_line(source);
    const bool has_second = !reader.at_end(source);
    const std::string second = reader.next_line(source);
    const std::optional<Control> control = control_named(first);
    if (!control) {  // kept as it is, reported at every start as before
      text += first + "\n" + (has_second ? second + "\n" : "");
      continue;
    }
    named[std::size_t(*control)] = true;
    const std::vector<int>& bound = keys[std::size_t(*control)];
    if (!bound.empty()) text += first + "\n" + keys_line(bound) + "\n";
  }
  // A control the file does not name reads as its own keys less those the file gives to
  // others: it is named too when that is not what it has. Naming one takes its keys from the
  // others, so this is repeated until nothing changes.
  const KeyBindings defaults = default_key_bindings();
  for (bool added = true; added;) {
    added = false;
    std::vector<int> taken;
    for (int c = 0; c < kControlCount; ++c)
      if (named[c]) taken.insert(taken.end(), keys[c].begin(), keys[c].end());
    for (int c = 0; c < kControlCount; ++c) {
      if (named[c]) continue;
      std::vector<int> read_back = defaults[c];
      std::erase_if(read_back,
                    [&](int key) { return std::count(taken.begin(), taken.end(), key) > 0; });
      if (read_back == keys[c] || keys[c].empty()) continue;
      text += control_name(Control(c)) + "\n" + keys_line(keys[c]) + "\n";
      named[c] = added = true;
    }
  }
  return text;
}

bool save_controls_file(const InputState& input, const std::string& path) {
  std::string old_text;
  if (media::file_exists(path)) {
    const auto bytes = media::read_whole_file(path, kMaxControlsBytes);
    if (!bytes) return false;
    old_text.assign(bytes->begin(), bytes->end());
  }
  const std::size_t slash = path.rfind('/');
  if (slash != std::string::npos) media::create_folder(path.substr(0, slash + 1));
  return media::replace_file(path, rewrite_controls(old_text, input.keys));
}

void read_controls_file(Game& g, const std::string& path, std::ostream& errors) {
  media::Files& files = g.media.files;
  const media::FileId f = files.read_file(path);
  if (!f) return;
  PairReader reader(path, errors);
  for (int number = 1; !files.eof(f); number += 2) {
    const std::string control_line = files.read_string(f);
    const std::string keys_line = files.read_string(f);
    reader.take(control_line, keys_line, number);
  }
  files.close_file(f);
  reader.finish();
  lay_over(g.input.keys, reader.bindings());
}

}  // namespace orv
