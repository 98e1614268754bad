// The SDL platform inside an X server (Xvfb): window, keys, joypad, close requests, audio and
// message boxes.
#include "media/platform_sdl/sdl_platform.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "media/platform_sdl/sdl_convert.h"
#include "media/platform_sdl/sdl_keys.h"

namespace orv::media {
namespace {

// Sets (or with nullptr removes) an environment variable until the end of the scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    value ? setenv(name, value, 1) : unsetenv(name);
  }
  ~ScopedEnv() { old_ ? setenv(name_.c_str(), old_->c_str(), 1) : unsetenv(name_.c_str()); }

 private:
  std::string name_;
  std::optional<std::string> old_;
};

std::unique_ptr<SdlPlatform> make_platform() {
  return std::unique_ptr<SdlPlatform>(static_cast<SdlPlatform*>(make_sdl_platform().release()));
}

// Pumps events until the condition holds, giving up after a generous five seconds.
bool pump_until(SdlPlatform& platform, const std::function<bool()>& condition) {
  for (int waited_ms = 0; waited_ms < 5000 && !condition(); waited_ms += 5) {
    platform.pump_events();
    SDL_Delay(5);
  }
  return condition();
}

// A busy Xvfb now and then refuses a new connection for a moment: five attempts.
bool run_with_retries(const std::string& command) {
  for (int attempt = 0; attempt < 5; ++attempt) {
    if (std::system(command.c_str()) == 0) return true;
    SDL_Delay(50);
  }
  return false;
}

TEST(SdlPlatform, WindowIsBorderlessCentredShowsTheBackBufferAndGetsKeys) {
  auto platform = make_platform();
  ASSERT_TRUE(platform) << SDL_GetError();
  DesktopInfo desktop = platform->desktop();
  ASSERT_TRUE(platform->open_window(320, 240, "ORVANTE \xC4"));
  ASSERT_TRUE(platform->open_screen(80, 60));
  SDL_Window* window = platform->window();
  int x = 0, y = 0, w = 0, h = 0;
  SDL_GetWindowPosition(window, &x, &y);
  SDL_GetWindowSize(window, &w, &h);
  EXPECT_EQ(std::pair(x, y), std::pair((desktop.width - 320) / 2, (desktop.height - 240) / 2));
  EXPECT_EQ(std::pair(w, h), std::pair(320, 240));
  EXPECT_TRUE(SDL_GetWindowFlags(window) & SDL_WINDOW_BORDERLESS);
  EXPECT_STREQ(SDL_GetWindowTitle(window), "ORVANTE \xC3\x84") << "Latin-1 title as UTF-8";

  // Quadrants of four colours with alpha bytes zero, which the screen must ignore.
  const Pixel colours[4] = {argb(0, 255, 0, 0), argb(0, 0, 255, 0), argb(0, 0, 0, 255),
                            argb(0, 255, 255, 0)};
  std::vector<Pixel> pixels(80 * 60);
  for (int i = 0; i < 80 * 60; ++i) pixels[i] = colours[(i / 80 / 30) * 2 + i % 80 / 40];
  platform->present(pixels.data(), 80, 60);
  std::vector<Pixel> shown(320 * 240);
  ASSERT_EQ(SDL_RenderReadPixels(platform->renderer(), nullptr, SDL_PIXELFORMAT_ARGB8888,
                                 shown.data(), 320 * 4),
            0);
  for (int q = 0; q < 4; ++q)
    EXPECT_EQ(shown[(60 + q / 2 * 120) * 320 + 80 + q % 2 * 160] & 0xFFFFFF, colours[q]) << q;

  // Real key presses reach the key states.
  if (std::system("command -v xdotool > /dev/null") != 0) GTEST_SKIP() << "no xdotool";
  ASSERT_TRUE(
      pump_until(*platform, [&] { return SDL_GetWindowFlags(window) & SDL_WINDOW_INPUT_FOCUS; }));
  KeyStates keys{};
  auto read = [&] {
    platform->read_keys(keys);
    return true;
  };
  ASSERT_TRUE(run_with_retries("xdotool keydown p keydown KP_Enter keydown Up"));
  EXPECT_TRUE(pump_until(*platform,
                         [&] { return read() && keys[key::kP] && keys[0x9C] && keys[key::kUp]; }));
  EXPECT_FALSE(keys[0x1C]) << "keypad Enter is not Return";
  EXPECT_FALSE(keys[0x48]) << "the Up arrow is not keypad 8";
  ASSERT_TRUE(run_with_retries("xdotool keyup p keyup KP_Enter keyup Up"));
  EXPECT_TRUE(pump_until(*platform, [&] { return read() && !keys[key::kP]; }));
}

TEST(SdlPlatform, QuitWindowCloseAndSigtermRequestClosing) {
  for (int source = 0; source < 3; ++source) {
    auto platform = make_platform();
    ASSERT_TRUE(platform) << SDL_GetError();
    struct sigaction action {};
    sigaction(SIGTERM, nullptr, &action);
    ASSERT_NE(action.sa_handler, SIG_DFL) << "SDL did not take SIGTERM over";
    ASSERT_TRUE(platform->open_window(64, 48, "ORVANTE"));
    SDL_Event event{};
    event.type = source == 0 ? SDL_QUIT : SDL_WINDOWEVENT;
    event.window.event = SDL_WINDOWEVENT_CLOSE;
    event.window.windowID = SDL_GetWindowID(platform->window());
    if (source < 2) SDL_PushEvent(&event);
    if (source == 2) std::raise(SIGTERM);  // SDL turns it into SDL_QUIT
    if (source == 1) {
      while (!platform->close_requested()) ASSERT_NE(platform->wait_event(-1), 0);
    }
    EXPECT_TRUE(pump_until(*platform, [&] { return platform->close_requested(); })) << source;
  }
}

TEST(SdlPlatform, KeysMapToTheirOwnPhysicalKeysAndClockReadingsDoNotOverflow) {
  const std::uint64_t day_ns = 86'400ull * 1'000'000'000;  // counter * 1e9 would overflow
  EXPECT_EQ(counter_to_ns(day_ns, 1'000'000'000), std::int64_t(day_ns));
  EXPECT_EQ(counter_to_ns(86'400ull * 10'000'000 + 1, 10'000'000), std::int64_t(day_ns) + 100);
  // An extended key and the keypad key with the same low seven bits are different keys.
  const int keys[] = {key::kEscape, key::kP, key::kSpace, key::kUp, key::kPageDown,
                      key::kF12,    0x48,    0x9C,        0xB5,     -1};
  const SDL_Scancode scancodes[] = {
      SDL_SCANCODE_ESCAPE,    SDL_SCANCODE_P,      SDL_SCANCODE_SPACE, SDL_SCANCODE_UP,
      SDL_SCANCODE_PAGEDOWN,  SDL_SCANCODE_F12,    SDL_SCANCODE_KP_8,  SDL_SCANCODE_KP_ENTER,
      SDL_SCANCODE_KP_DIVIDE, SDL_SCANCODE_UNKNOWN};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(scancode_of_key(keys[i]), scancodes[i]) << keys[i];
  std::set<SDL_Scancode> seen;
  for (int key = 0; key < key::kCount; ++key) {
    SDL_Scancode scancode = scancode_of_key(key);
    if (scancode == SDL_SCANCODE_UNKNOWN) continue;
    EXPECT_TRUE(seen.insert(scancode).second) << "key " << key << " repeats a scancode";
  }
}

TEST(SdlPlatform, JoystickAxesAreScaledAndButtonsNumberedFromOne) {
  auto platform = make_platform();
  ASSERT_TRUE(platform) << SDL_GetError();
  ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0) << SDL_GetError();
  if (SDL_NumJoysticks() != 0) GTEST_SKIP() << "a real joypad is attached";
  EXPECT_FALSE(platform->open_joystick());
  int device = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 2, 10, 0);
  ASSERT_GE(device, 0) << SDL_GetError();
  SDL_Joystick* pad = SDL_JoystickOpen(device);
  ASSERT_TRUE(pad && platform->open_joystick());
  SDL_JoystickSetVirtualAxis(pad, 0, -32768);
  SDL_JoystickSetVirtualAxis(pad, 1, 16384);
  SDL_JoystickSetVirtualButton(pad, 0, 1);
  SDL_JoystickSetVirtualButton(pad, 9, 1);
  JoystickState state;
  platform->read_joystick(state);
  EXPECT_EQ(std::pair(state.axis_x, state.axis_y), std::pair(-1000, 500));
  EXPECT_TRUE(state.buttons[0] && state.buttons[9]) << "SDL button 0 is the game's button 1";
  EXPECT_FALSE(state.buttons[1]);
  SDL_JoystickClose(pad);
}

TEST(SdlPlatform, AudioCallbackSamplesReachTheDevice) {
  // The test signal: a ramp on the left channel, its negation on the right.
  auto sample = [](int i) {
    return std::int16_t(i % 2 == 0 ? (i / 2) % 30000 : -((i / 2) % 30000));
  };
  std::string path = ::testing::TempDir() + "orv_disk_audio.raw";
  ScopedEnv driver("SDL_AUDIODRIVER", "disk");
  ScopedEnv file("SDL_DISKAUDIOFILE", path.c_str());
  auto platform = make_platform();
  ASSERT_TRUE(platform) << SDL_GetError();
  std::atomic<int> calls = 0;
  int next = 0;  // touched by the audio thread only
  ASSERT_TRUE(platform->open_audio([&](std::int16_t* samples, int frames) {
    for (int i = 0; i < frames * kAudioChannels; ++i) samples[i] = sample(next++);
    ++calls;
  })) << SDL_GetError();
  for (int waited_ms = 0; calls < 3 && waited_ms < 5000; waited_ms += 5) SDL_Delay(5);
  platform.reset();  // closes the device, then the file; the callback must not run after this
  std::ifstream in(path, std::ios::binary);
  std::vector<std::int16_t> samples(4096);
  in.read(reinterpret_cast<char*>(samples.data()), std::streamsize(samples.size() * 2));
  ASSERT_EQ(in.gcount(), std::streamsize(samples.size() * 2));
  std::remove(path.c_str());
  for (int i = 0; i < int(samples.size()); ++i) ASSERT_EQ(samples[i], sample(i)) << i;
}

TEST(SdlPlatform, WithoutSoundOrDialogsTheGameGoesOnSafely) {
  ScopedEnv audio("SDL_AUDIODRIVER", "no_such_driver");
  ScopedEnv video("SDL_VIDEODRIVER", "dummy");
  ScopedEnv display("DISPLAY", nullptr);  // no X11 box to fall back to either
  auto platform = make_platform();
  ASSERT_TRUE(platform) << SDL_GetError();
  EXPECT_FALSE(platform->open_audio([](std::int16_t*, int) {}));
  EXPECT_EQ(platform->message_box("ERROR ", "Continue?", BoxButtons::kYesNo), BoxAnswer::kNo);
  ASSERT_TRUE(platform->open_window(64, 48, "ORVANTE"));
  EXPECT_EQ(platform->message_box("ERROR ", "No file", BoxButtons::kOk), BoxAnswer::kOk);
  EXPECT_EQ(platform->message_box("ERROR ", "Continue?", BoxButtons::kYesNo), BoxAnswer::kNo);
}

}  // namespace
}  // namespace orv::media
