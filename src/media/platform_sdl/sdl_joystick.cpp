#include "media/platform_sdl/sdl_joystick.h"

#include <algorithm>

#include "media/files/paths.h"
#include "media/pad_filter.h"
#include "media/platform_sdl/sdl_pad_layout.h"

namespace orv::media {
namespace {

// SDL's whole mapping database is about half a megabyte; a larger file is not one.
constexpr std::size_t kMostMappingBytes = 8 * 1024 * 1024;

PadTraits traits_of(SDL_Joystick* joystick, bool mapped) {
  const char* name = SDL_JoystickName(joystick);
  return {name ? name : "", mapped, SDL_JoystickNumAxes(joystick), SDL_JoystickNumButtons(joystick),
          SDL_JoystickNumHats(joystick)};
}

bool contains(const std::vector<SDL_JoystickID>& ids, SDL_JoystickID id) {
  return std::find(ids.begin(), ids.end(), id) != ids.end();
}

void close_device(SDL_GameController* controller, SDL_Joystick* joystick) {
  if (controller)
    SDL_GameControllerClose(controller);
  else if (joystick)
    SDL_JoystickClose(joystick);
}

}  // namespace

bool SdlJoystick::open() {
  if (!open_) {
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) return false;
    open_ = true;
    if (!mapping_file_.empty()) add_mappings(mapping_file_);
  }
  refresh();
  return !pads_.empty();
}

void SdlJoystick::add_mappings(const std::string& file) {
  mapping_file_ = file;
  // A missing or unreadable file adds nothing; SDL's own mappings stay.
  if (!open_) return;
  const auto bytes = read_whole_file(file, kMostMappingBytes);
  if (!bytes || bytes->empty()) return;
  SDL_GameControllerAddMappingsFromRW(SDL_RWFromConstMem(bytes->data(), int(bytes->size())), 1);
}

void SdlJoystick::read(JoystickState& state) {
  state = JoystickState{};
  if (!open_) return;
  SDL_GameControllerUpdate();
  refresh();
  if (pads_.empty()) return;
  const Pad& pad = pads_.front();
  if (pad.controller)
    read_controller(pad.controller, state);
  else
    read_raw_joystick(pad.joystick, state);
  state.connected = true;
}

void SdlJoystick::refresh() {
  std::erase_if(pads_, [](const Pad& pad) {
    if (SDL_JoystickGetAttached(pad.joystick)) return false;
    close_device(pad.controller, pad.joystick);
    return true;
  });
  std::vector<SDL_JoystickID> present;
  for (int i = 0; i < SDL_NumJoysticks(); ++i) {
    const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(i);
    present.push_back(id);
    const bool known =
        std::any_of(pads_.begin(), pads_.end(), [id](const Pad& pad) { return pad.id == id; });
    if (!known && !contains(refused_, id)) open_device(i);
  }
  std::erase_if(refused_, [&](SDL_JoystickID id) { return !contains(present, id); });
}

void SdlJoystick::open_device(int index) {
  Pad pad{SDL_JoystickGetDeviceInstanceID(index), nullptr, nullptr};
  if (SDL_IsGameController(index)) {
    pad.controller = SDL_GameControllerOpen(index);
    pad.joystick = pad.controller ? SDL_GameControllerGetJoystick(pad.controller) : nullptr;
  } else {
    pad.joystick = SDL_JoystickOpen(index);
  }
  if (pad.joystick && counts_as_pad(traits_of(pad.joystick, pad.controller != nullptr))) {
    pads_.push_back(pad);
    return;
  }
  close_device(pad.controller, pad.joystick);
  refused_.push_back(pad.id);
}

void SdlJoystick::close() {
  for (const Pad& pad : pads_) close_device(pad.controller, pad.joystick);
  pads_.clear();
  refused_.clear();
  if (open_) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
  open_ = false;
}

}  // namespace orv::media
