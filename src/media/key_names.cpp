// Key names: letters, digits, function keys, keypad keys and the named keys of a PC keyboard.
#include "media/key_names.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace orv::media {
namespace {

// clang-format off
// Name -> game key number (the DirectInput scan code of the key).
constexpr std::pair<const char*, int> kNames[] = {
  {"ESCAPE", 0x01}, {"1", 0x02}, {"2", 0x03}, {"3", 0x04}, {"4", 0x05}, {"5", 0x06},
  {"6", 0x07}, {"7", 0x08}, {"8", 0x09}, {"9", 0x0A}, {"0", 0x0B}, {"MINUS", 0x0C},
  {"EQUALS", 0x0D}, {"BACKSPACE", 0x0E}, {"TAB", 0x0F},
  {"Q", 0x10}, {"W", 0x11}, {"E", 0x12}, {"R", 0x13}, {"T", 0x14}, {"Y", 0x15}, {"U", 0x16},
  {"I", 0x17}, {"O", 0x18}, {"P", 0x19}, {"LEFTBRACKET", 0x1A}, {"RIGHTBRACKET", 0x1B},
  {"RETURN", 0x1C}, {"LCTRL", 0x1D},
  {"A", 0x1E}, {"S", 0x1F}, {"D", 0x20}, {"F", 0x21}, {"G", 0x22}, {"H", 0x23}, {"J", 0x24},
  {"K", 0x25}, {"L", 0x26}, {"SEMICOLON", 0x27}, {"APOSTROPHE", 0x28}, {"GRAVE", 0x29},
  {"LSHIFT", 0x2A}, {"BACKSLASH", 0x2B},
  {"Z", 0x2C}, {"X", 0x2D}, {"C", 0x2E}, {"V", 0x2F}, {"B", 0x30}, {"N", 0x31}, {"M", 0x32},
  {"COMMA", 0x33}, {"PERIOD", 0x34}, {"SLASH", 0x35}, {"RSHIFT", 0x36},
  {"KPMULTIPLY", 0x37}, {"LALT", 0x38}, {"SPACE", 0x39}, {"CAPSLOCK", 0x3A},
  {"F1", 0x3B}, {"F2", 0x3C}, {"F3", 0x3D}, {"F4", 0x3E}, {"F5", 0x3F}, {"F6", 0x40},
  {"F7", 0x41}, {"F8", 0x42}, {"F9", 0x43}, {"F10", 0x44}, {"F11", 0x57}, {"F12", 0x58},
  {"KP7", 0x47}, {"KP8", 0x48}, {"KP9", 0x49}, {"KPMINUS", 0x4A}, {"KP4", 0x4B},
  {"KP5", 0x4C}, {"KP6", 0x4D}, {"KPPLUS", 0x4E}, {"KP1", 0x4F}, {"KP2", 0x50},
  {"KP3", 0x51}, {"KP0", 0x52}, {"KPPERIOD", 0x53}, {"KPENTER", 0x9C}, {"RCTRL", 0x9D},
  {"KPDIVIDE", 0xB5}, {"RALT", 0xB8},
  {"HOME", 0xC7}, {"UP", 0xC8}, {"PAGEUP", 0xC9}, {"LEFT", 0xCB}, {"RIGHT", 0xCD},
  {"END", 0xCF}, {"DOWN", 0xD0}, {"PAGEDOWN", 0xD1}, {"INSERT", 0xD2}, {"DELETE", 0xD3},
};
// clang-format on

bool same_name(const std::string& given, const char* name) {
  return std::equal(given.begin(), given.end(), name, name + std::char_traits<char>::length(name),
                    [](char a, char b) { return std::toupper((unsigned char)a) == b; });
}

}  // namespace

int key_by_name(const std::string& name) {
  for (const auto& [known, key] : kNames)
    if (same_name(name, known)) return key;
  return -1;
}

std::string key_name(int key) {
  for (const auto& [name, number] : kNames)
    if (number == key) return name;
  return {};
}

}  // namespace orv::media
