// Reading and writing settings.txt.
#include "game/settings_file.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <sstream>

#include "media/files/file_replace.h"
#include "media/files/line_reader.h"
#include "media/files/paths.h"
#include "media/files/user_folders.h"

namespace orv {
namespace {

// A settings file is a few hundred bytes; anything larger is not one.
constexpr std::size_t kMaxSettingsBytes = 64 * 1024;

class TextSource : public media::ByteSource {
 public:
  explicit TextSource(std::string_view text) : text_(text) {}
  std::size_t read(char* dst, std::size_t max) override {
    const std::size_t n = std::min(max, text_.size());
    std::memcpy(dst, text_.data(), n);
    text_.remove_prefix(n);
    return n;
  }

 private:
  std::string_view text_;
};

std::string upper(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
  return text;
}

// One of two words; nullopt for anything else.
std::optional<bool> word_choice(const std::string& value, const char* yes, const char* no) {
  const std::string word = upper(value);
  if (word == yes) return true;
  if (word == no) return false;
  return std::nullopt;
}

std::optional<int> volume_of(const std::string& value) {
  if (value.empty() || value.size() > 2) return std::nullopt;
  if (!std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  const int v = std::stoi(value);
  return v <= kMaxVolume ? std::optional<int>(v) : std::nullopt;
}

// A key: its name, what its value may be, how it is read into the settings (false: a bad
// value) and how it is written.
struct Key {
  const char* name;
  const char* values;
  const char* fallback;
  bool (*read)(Settings&, const std::string&);
  std::string (*write)(const Settings&);
};

const char* on_off(bool on) {
  return on ? "ON" : "OFF";
}

constexpr std::array<Key, 8> kKeys{{
    {"MUSICVOLUME", "0 to 10", "10",
     [](Settings& s, const std::string& v) {
       const auto volume = volume_of(v);
       if (volume) s.music_volume = *volume;
       return volume.has_value();
     },
     [](const Settings& s) { return std::to_string(s.music_volume); }},
    {"EFFECTSVOLUME", "0 to 10", "10",
     [](Settings& s, const std::string& v) {
       const auto volume = volume_of(v);
       if (volume) s.effects_volume = *volume;
       return volume.has_value();
     },
     [](const Settings& s) { return std::to_string(s.effects_volume); }},
    {"DISPLAY", "WINDOW or FULLSCREEN", "WINDOW",
     [](Settings& s, const std::string& v) {
       const auto full = word_choice(v, "FULLSCREEN", "WINDOW");
       if (full) s.display = *full ? media::DisplayMode::kFullscreen : media::DisplayMode::kWindow;
       return full.has_value();
     },
     [](const Settings& s) {
       return std::string(s.display == media::DisplayMode::kFullscreen ? "FULLSCREEN" : "WINDOW");
     }},
    {"SCALING", "SMOOTH or SHARP", "SMOOTH",
     [](Settings& s, const std::string& v) {
       const auto sharp = word_choice(v, "SHARP", "SMOOTH");
       if (sharp) s.scaling = *sharp ? media::Scaling::kSharp : media::Scaling::kSmooth;
       return sharp.has_value();
     },
     [](const Settings& s) {
       return std::string(s.scaling == media::Scaling::kSharp ? "SHARP" : "SMOOTH");
     }},
    {"INTRO", "SHOWN or SKIPPED", "SHOWN",
     [](Settings& s, const std::string& v) {
       const auto shown = word_choice(v, "SHOWN", "SKIPPED");
       if (shown) s.intro_shown = *shown;
       return shown.has_value();
     },
     [](const Settings& s) { return std::string(s.intro_shown ? "SHOWN" : "SKIPPED"); }},
    {"FOCUSPAUSE", "ON or OFF", "ON",
     [](Settings& s, const std::string& v) {
       const auto on = word_choice(v, "ON", "OFF");
       if (on) s.focus_pause = *on;
       return on.has_value();
     },
     [](const Settings& s) { return std::string(on_off(s.focus_pause)); }},
    {"COLOURASSIST", "ON or OFF", "OFF",
     [](Settings& s, const std::string& v) {
       const auto on = word_choice(v, "ON", "OFF");
       if (on) s.colour_assist = *on;
       return on.has_value();
     },
     [](const Settings& s) { return std::string(on_off(s.colour_assist)); }},
    {"PLAYERNAME", "up to 16 printable Latin-1 characters but | and \\", "empty: the login name",
     [](Settings& s, const std::string& v) {
       if (!valid_player_name(v)) return false;
       s.player_name = v;
       return true;
     },
     [](const Settings& s) { return s.player_name; }},
}};

const Key* key_named(const std::string& name) {
  for (const Key& key : kKeys)
    if (name == key.name) return &key;
  return nullptr;
}

// A value as it is shown in a message: printable bytes as they are, the others as \xNN, and
// not more than 40 of them.
std::string shown(const std::string& value) {
  std::string text;
  for (std::size_t i = 0; i < value.size() && i < 40; ++i) {
    const auto c = std::uint8_t(value[i]);
    if (c >= 0x20 && c != 0x7F) {
      text += char(c);
    } else {
      static const char kHex[] = "0123456789ABCDEF";
      text += std::string("\\x") + kHex[c >> 4] + kHex[c & 15];
    }
  }
  return value.size() > 40 ? text + "..." : text;
}

}  // namespace

Settings parse_settings(std::string_view text, const std::string& path, std::ostream& errors) {
  Settings settings;
  TextSource source(text);
  media::LineReader reader;
  for (int number = 1; !reader.at_end(source); number += 2) {
    const std::string key_line = reader.next_line(source);
    const bool has_value = !reader.at_end(source);
    const std::string value = reader.next_line(source);
    if (key_line.empty() && value.empty()) continue;
    const Key* key = key_named(upper(key_line));
    if (key == nullptr) {
      errors << path << ":" << number << ": unknown key \"" << shown(key_line)
             << "\", pair ignored\n";
    } else if (!has_value && value.empty() && std::strcmp(key->name, "PLAYERNAME") != 0) {
      errors << path << ":" << number << ": " << key->name << " has no value, default used\n";
    } else if (!key->read(settings, value)) {
      errors << path << ":" << number + 1 << ": bad value \"" << shown(value) << "\" for "
             << key->name << " (" << key->values << "), default used\n";
    }
  }
  return settings;
}

std::string format_settings(const Settings& settings) {
  std::string text;
  for (const Key& key : kKeys) text += std::string(key.name) + "\n" + key.write(settings) + "\n";
  return text;
}

Settings read_settings_file(const std::string& path, std::ostream& errors) {
  if (!media::file_exists(path)) return Settings{};
  const std::optional<media::Bytes> bytes = media::read_whole_file(path, kMaxSettingsBytes);
  if (!bytes) {
    errors << path << ":1: not readable or larger than " << kMaxSettingsBytes
           << " bytes, defaults used\n";
    return Settings{};
  }
  return parse_settings(
      std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()), path, errors);
}

bool save_settings_file(const std::string& path, const Settings& settings) {
  const std::size_t slash = path.rfind('/');
  if (slash != std::string::npos) media::create_folder(path.substr(0, slash + 1));
  return media::replace_file(path, format_settings(settings));
}

std::string settings_help() {
  std::string text;
  for (const Key& key : kKeys) {
    std::string name = key.name;
    name.resize(15, ' ');
    text += "  " + name + key.values + " (default " + key.fallback + ")\n";
  }
  return text;
}

}  // namespace orv
