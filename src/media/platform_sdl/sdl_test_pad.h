// Test hook for end-to-end tests, inert unless ORVANTE_TEST_PAD names a script file: the
// platform then attaches SDL's virtual game controller (mapped like an Xbox pad) and presses
// and releases its buttons as the script says, one "<frame> <button> down|up" line each, frames
// counted by presented frames from 0. Buttons: A B X Y BACK START LEFTSHOULDER RIGHTSHOULDER
// UP DOWN LEFT RIGHT (the last four the D-pad). Blank lines and lines starting with "#" are
// comments. A script that cannot be read, is too large or has any other line attaches nothing
// and says so on stderr.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <string>
#include <vector>

namespace orv::media {

struct TestPadStep {
  std::int64_t frame = 0;
  SDL_GameControllerButton button = SDL_CONTROLLER_BUTTON_INVALID;
  bool down = false;
};

// The steps of a script in frame order, or false when any line is not one.
bool parse_test_pad_script(const std::string& text, std::vector<TestPadStep>& steps);

class SdlTestPad {
 public:
  SdlTestPad() = default;
  ~SdlTestPad() { detach(); }
  SdlTestPad(const SdlTestPad&) = delete;
  SdlTestPad& operator=(const SdlTestPad&) = delete;

  // Attaches the pad when the variable names a good script; the joystick subsystem must be up.
  void attach();
  // Sets the buttons of the script's lines up to this frame, then counts the frame.
  void next_frame();
  void detach();

 private:
  std::vector<TestPadStep> steps_;
  std::size_t next_ = 0;
  std::int64_t frame_ = 0;
  SDL_Joystick* joystick_ = nullptr;
};

}  // namespace orv::media
