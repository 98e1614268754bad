#include "media/platform_sdl/sdl_test_pad.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "media/files/paths.h"

namespace orv::media {
namespace {

constexpr std::size_t kMostScriptBytes = 1024 * 1024;
constexpr std::int64_t kMostFrame = 1'000'000'000;

struct NamedButton {
  const char* name;
  SDL_GameControllerButton button;
};
constexpr NamedButton kButtons[] = {
    {"A", SDL_CONTROLLER_BUTTON_A},
    {"B", SDL_CONTROLLER_BUTTON_B},
    {"X", SDL_CONTROLLER_BUTTON_X},
    {"Y", SDL_CONTROLLER_BUTTON_Y},
    {"BACK", SDL_CONTROLLER_BUTTON_BACK},
    {"START", SDL_CONTROLLER_BUTTON_START},
    {"LEFTSHOULDER", SDL_CONTROLLER_BUTTON_LEFTSHOULDER},
    {"RIGHTSHOULDER", SDL_CONTROLLER_BUTTON_RIGHTSHOULDER},
    {"UP", SDL_CONTROLLER_BUTTON_DPAD_UP},
    {"DOWN", SDL_CONTROLLER_BUTTON_DPAD_DOWN},
    {"LEFT", SDL_CONTROLLER_BUTTON_DPAD_LEFT},
    {"RIGHT", SDL_CONTROLLER_BUTTON_DPAD_RIGHT},
};

bool parse_line(const std::string& line, TestPadStep& step) {
  std::istringstream words(line);
  std::string name, state, rest;
  if (!(words >> step.frame >> name >> state) || (words >> rest)) return false;
  if (step.frame < 0 || step.frame > kMostFrame || (state != "down" && state != "up")) return false;
  step.down = state == "down";
  for (const NamedButton& b : kButtons)
    if (name == b.name) step.button = b.button;
  return step.button != SDL_CONTROLLER_BUTTON_INVALID;
}

}  // namespace

bool parse_test_pad_script(const std::string& text, std::vector<TestPadStep>& steps) {
  steps.clear();
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find_first_not_of(" \t") == std::string::npos || line[0] == '#') continue;
    TestPadStep step;
    if (!parse_line(line, step)) {
      steps.clear();
      return false;
    }
    steps.push_back(step);
  }
  std::stable_sort(steps.begin(), steps.end(),
                   [](const TestPadStep& a, const TestPadStep& b) { return a.frame < b.frame; });
  return true;
}

void SdlTestPad::attach() {
  const char* file = SDL_getenv("ORVANTE_TEST_PAD");
  if (!file || joystick_) return;
  const auto bytes = read_whole_file(file, kMostScriptBytes);
  if (!bytes || !parse_test_pad_script(std::string(bytes->begin(), bytes->end()), steps_)) {
    std::fprintf(stderr, "ORVANTE_TEST_PAD: %s is not a pad script\n", file);
    return;
  }
  SDL_VirtualJoystickDesc desc{};
  desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
  desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
  desc.naxes = SDL_CONTROLLER_AXIS_MAX;
  desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
  desc.axis_mask = (1u << SDL_CONTROLLER_AXIS_MAX) - 1;
  desc.button_mask = (1u << SDL_CONTROLLER_BUTTON_MAX) - 1;
  desc.vendor_id = 0x1209;  // a USB id no pad in SDL's own database has
  desc.product_id = 0x7e57;
  desc.name = "Test pad";
  const int index = SDL_JoystickAttachVirtualEx(&desc);
  joystick_ = index >= 0 ? SDL_JoystickOpen(index) : nullptr;
  if (!joystick_) {
    std::fprintf(stderr, "ORVANTE_TEST_PAD: no virtual pad: %s\n", SDL_GetError());
    return;
  }
  // SDL maps a trigger's whole raw range onto 0..32767: let go, it reads -32768.
  SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_TRIGGERLEFT, -32768);
  SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_TRIGGERRIGHT, -32768);
}

void SdlTestPad::next_frame() {
  if (!joystick_) return;
  for (; next_ < steps_.size() && steps_[next_].frame <= frame_; ++next_)
    SDL_JoystickSetVirtualButton(joystick_, steps_[next_].button, steps_[next_].down ? 1 : 0);
  ++frame_;
}

void SdlTestPad::detach() {
  if (!joystick_) return;
  const SDL_JoystickID id = SDL_JoystickInstanceID(joystick_);
  SDL_JoystickClose(joystick_);
  joystick_ = nullptr;
  for (int i = 0; i < SDL_NumJoysticks(); ++i)
    if (SDL_JoystickGetDeviceInstanceID(i) == id) SDL_JoystickDetachVirtual(i);
}

}  // namespace orv::media
