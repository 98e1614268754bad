// Game pads on the SDL platform, played by SDL's virtual joysticks: the one button layout of
// game controllers, raw joysticks, mapping files, devices that are no pads, and hot-plugging.
#include <SDL.h>
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "media/platform_sdl/sdl_factory.h"

namespace orv::media {
namespace {

// A virtual joystick, attached for the object's life (or until unplug).
class VirtualPad {
 public:
  // A game controller (the default): SDL maps its buttons and axes in SDL_GameControllerButton
  // and SDL_GameControllerAxis order. The USB id is one no pad in SDL's own database has.
  VirtualPad(const char* name, SDL_JoystickType type = SDL_JOYSTICK_TYPE_GAMECONTROLLER,
             int axes = SDL_CONTROLLER_AXIS_MAX, int buttons = SDL_CONTROLLER_BUTTON_MAX,
             int hats = 0) {
    const bool controller = type == SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION, desc.type = Uint16(type);
    desc.naxes = Uint16(axes), desc.nbuttons = Uint16(buttons), desc.nhats = Uint16(hats);
    desc.vendor_id = 0x1209, desc.product_id = 0x7e57;
    desc.button_mask = controller ? (1u << SDL_CONTROLLER_BUTTON_MAX) - 1 : 0;
    desc.axis_mask = controller ? (1u << SDL_CONTROLLER_AXIS_MAX) - 1 : 0;
    desc.name = name;
    const int index = SDL_JoystickAttachVirtualEx(&desc);
    joystick_ = index >= 0 ? SDL_JoystickOpen(index) : nullptr;
    id_ = joystick_ ? SDL_JoystickInstanceID(joystick_) : -1;
    if (joystick_ && controller) {
      // SDL maps a trigger's whole raw range onto 0..32767: let go, it reads -32768.
      axis(SDL_CONTROLLER_AXIS_TRIGGERLEFT, -32768);
      axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, -32768);
    }
  }
  ~VirtualPad() { unplug(); }
  VirtualPad(const VirtualPad&) = delete;
  VirtualPad& operator=(const VirtualPad&) = delete;

  bool attached() const { return joystick_ != nullptr; }
  std::string guid() const {
    char text[33];
    SDL_JoystickGetGUIDString(SDL_JoystickGetGUID(joystick_), text, sizeof text);
    return text;
  }
  void button(int n, bool down) { SDL_JoystickSetVirtualButton(joystick_, n, down ? 1 : 0); }
  void axis(int n, Sint16 value) { SDL_JoystickSetVirtualAxis(joystick_, n, value); }
  void hat(Uint8 value) { SDL_JoystickSetVirtualHat(joystick_, 0, value); }
  void unplug() {
    if (!joystick_) return;
    SDL_JoystickClose(joystick_);
    joystick_ = nullptr;
    for (int i = 0; i < SDL_NumJoysticks(); ++i)
      if (SDL_JoystickGetDeviceInstanceID(i) == id_) SDL_JoystickDetachVirtual(i);
  }

 private:
  SDL_Joystick* joystick_ = nullptr;
  SDL_JoystickID id_ = -1;
};

class SdlPad : public ::testing::Test {
 protected:
  void SetUp() override {
    platform = make_sdl_platform();
    ASSERT_TRUE(platform && SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0) << SDL_GetError();
    if (SDL_NumJoysticks() != 0) GTEST_SKIP() << "a real joystick is attached";
  }
  void TearDown() override { SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER); }

  JoystickState read() {
    JoystickState state;
    platform->read_joystick(state);
    return state;
  }
  // The numbers (from 1) of the buttons down.
  std::vector<int> buttons_down() {
    const JoystickState state = read();
    std::vector<int> down;
    for (std::size_t i = 0; i < state.buttons.size(); ++i)
      if (state.buttons[i]) down.push_back(int(i) + 1);
    return down;
  }

  std::unique_ptr<Platform> platform;
};

TEST_F(SdlPad, ControllerButtonsFollowTheOneLayout) {
  VirtualPad pad("Orvante Test Pad");
  ASSERT_TRUE(pad.attached()) << SDL_GetError();
  ASSERT_TRUE(platform->open_joystick());
  // SDL's X, A, B, Y, shoulders, Back and Start; the triggers are the game's 7 and 8.
  const int game_buttons[SDL_CONTROLLER_BUTTON_DPAD_UP] = {2, 3, 1, 4, 9, 0, 10, 0, 0, 5, 6};
  for (int sdl_button = 0; sdl_button < SDL_CONTROLLER_BUTTON_DPAD_UP; ++sdl_button) {
    const int game_button = game_buttons[sdl_button];
    if (game_button == 0) continue;  // the guide button and the stick clicks
    pad.button(sdl_button, true);
    EXPECT_EQ(buttons_down(), std::vector<int>{game_button}) << "SDL button " << sdl_button;
    pad.button(sdl_button, false);
  }
  for (auto [trigger, game_button] : {std::pair(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 7),
                                      std::pair(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 8)}) {
    pad.axis(trigger, -2000);  // a little less than half way
    EXPECT_EQ(buttons_down(), std::vector<int>{}) << "trigger " << trigger;
    pad.axis(trigger, 2000);  // a little more
    EXPECT_EQ(buttons_down(), std::vector<int>{game_button}) << "trigger " << trigger;
    pad.axis(trigger, -32768);  // released
  }
  EXPECT_TRUE(read().connected);
}

TEST_F(SdlPad, TheDpadOrElseTheLeftStickOutsideItsDeadZoneGivesTheAxes) {
  VirtualPad pad("Orvante Test Pad");
  ASSERT_TRUE(pad.attached() && platform->open_joystick());
  auto axes = [&] {
    const JoystickState s = read();
    return std::pair(s.axis_x, s.axis_y);
  };
  pad.axis(SDL_CONTROLLER_AXIS_LEFTX, 7999);
  pad.axis(SDL_CONTROLLER_AXIS_LEFTY, -7999);
  EXPECT_EQ(axes(), std::pair(0, 0)) << "inside the dead zone";
  pad.axis(SDL_CONTROLLER_AXIS_LEFTX, 32767);
  pad.axis(SDL_CONTROLLER_AXIS_LEFTY, -16384);
  EXPECT_EQ(axes(), std::pair(1000, -500));
  pad.button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
  pad.button(SDL_CONTROLLER_BUTTON_DPAD_DOWN, true);
  EXPECT_EQ(axes(), std::pair(-1000, 1000)) << "the D-pad wins over the stick";
  pad.axis(SDL_CONTROLLER_AXIS_RIGHTX, 32767);  // the right stick moves nothing
  pad.axis(SDL_CONTROLLER_AXIS_LEFTX, 0);
  pad.axis(SDL_CONTROLLER_AXIS_LEFTY, 0);
  pad.button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, false);
  pad.button(SDL_CONTROLLER_BUTTON_DPAD_DOWN, false);
  EXPECT_EQ(axes(), std::pair(0, 0));
}

TEST_F(SdlPad, AJoystickWithoutMappingKeepsItsRawNumbering) {
  VirtualPad stick("Orvante Test Stick", SDL_JOYSTICK_TYPE_UNKNOWN, 2, 12, 1);
  ASSERT_TRUE(stick.attached());
  ASSERT_TRUE(platform->open_joystick());
  stick.axis(0, -32768);
  stick.axis(1, 16384);
  stick.button(0, true);
  stick.button(11, true);
  JoystickState s = read();
  EXPECT_EQ(std::pair(s.axis_x, s.axis_y), std::pair(-1000, 500));
  EXPECT_EQ(buttons_down(), (std::vector<int>{1, 12})) << "SDL button 0 is the game's button 1";
  stick.hat(SDL_HAT_RIGHTUP);
  s = read();
  EXPECT_EQ(std::pair(s.axis_x, s.axis_y), std::pair(1000, -1000)) << "the hat wins";
}

TEST_F(SdlPad, AMappingFileMakesAJoystickAController) {
  VirtualPad stick("Orvante Mapped Stick", SDL_JOYSTICK_TYPE_UNKNOWN, 2, 8, 0);
  ASSERT_TRUE(stick.attached());
  const std::string file = ::testing::TempDir() + "orv_gamecontrollerdb.txt";
  std::ofstream(file) << "# a comment\n"
                      << stick.guid()
                      << ",Orvante Mapped Stick,a:b3,b:b2,x:b1,y:b0,back:b6,start:b7,"
                         "leftx:a0,lefty:a1,platform:Linux,\n";
  platform->add_pad_mappings(file);
  ASSERT_TRUE(platform->open_joystick());
  stick.button(3, true);  // mapped to A: the game's button 2
  stick.button(7, true);  // Start: button 10
  EXPECT_EQ(buttons_down(), (std::vector<int>{2, 10}));
  std::remove(file.c_str());
}

TEST_F(SdlPad, DevicesThatAreNoPadsNeverCount) {
  VirtualPad sensors("Orvante Test Pad Motion Sensors");  // mapped, but a sensor
  VirtualPad accelerometer("Orvante Accel", SDL_JOYSTICK_TYPE_UNKNOWN, 3, 0, 0);
  ASSERT_TRUE(sensors.attached() && accelerometer.attached());
  EXPECT_FALSE(platform->open_joystick());
  sensors.button(SDL_CONTROLLER_BUTTON_START, true);
  EXPECT_FALSE(read().connected);
  VirtualPad pad("Orvante Test Pad");
  pad.button(SDL_CONTROLLER_BUTTON_B, true);
  EXPECT_EQ(buttons_down(), std::vector<int>{3}) << "a pad beside them is used";
}

// A pad plugged in later is used; of two pads, the first connected drives.
TEST_F(SdlPad, TheFirstPadConnectedDrivesWheneverItArrives) {
  EXPECT_FALSE(platform->open_joystick());
  EXPECT_FALSE(read().connected);
  VirtualPad first("Orvante Test Pad");
  first.button(SDL_CONTROLLER_BUTTON_X, true);
  EXPECT_EQ(buttons_down(), std::vector<int>{1});
  VirtualPad second("Orvante Other Pad");
  second.button(SDL_CONTROLLER_BUTTON_Y, true);
  EXPECT_EQ(buttons_down(), std::vector<int>{1}) << "the first pad still drives";
  first.unplug();
  EXPECT_EQ(buttons_down(), std::vector<int>{4}) << "the second takes over";
  second.unplug();
  EXPECT_FALSE(read().connected);
  EXPECT_EQ(buttons_down(), std::vector<int>{});
}

}  // namespace
}  // namespace orv::media
