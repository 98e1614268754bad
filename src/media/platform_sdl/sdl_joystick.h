// The game pads SDL finds, opened when they are plugged in, before or after start-up. The first
// one connected of those still connected drives the game. Devices SDL knows as game
// controllers are read in the game's one layout (see sdl_pad_layout.h); other joysticks keep
// their raw numbering.
#pragma once

#include <SDL.h>

#include <string>
#include <vector>

#include "media/platform.h"

namespace orv::media {

class SdlJoystick {
 public:
  SdlJoystick() = default;
  ~SdlJoystick() { close(); }
  SdlJoystick(const SdlJoystick&) = delete;
  SdlJoystick& operator=(const SdlJoystick&) = delete;

  // Starts watching for pads; true when one is connected now.
  bool open();
  // Adds controller mappings from a file in SDL's gamecontrollerdb.txt form, when it exists.
  void add_mappings(const std::string& file);
  // The driving pad's axes (-1000..1000) and buttons (from 1); all zero without a pad.
  void read(JoystickState& state);
  void close();

 private:
  struct Pad {
    SDL_JoystickID id;
    SDL_GameController* controller;  // nullptr for a joystick without a mapping
    SDL_Joystick* joystick;
  };
  // Closes the pads that were unplugged and opens those that came.
  void refresh();
  void open_device(int index);

  bool open_ = false;
  std::string mapping_file_;
  std::vector<Pad> pads_;                // in the order they were connected
  std::vector<SDL_JoystickID> refused_;  // connected devices that are not game pads
};

}  // namespace orv::media
