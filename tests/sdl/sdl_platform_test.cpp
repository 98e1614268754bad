// The SDL platform inside an X server (Xvfb): window, keys, closing, audio, boxes.
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
#include "sdl/sdl_test_support.h"

namespace orv::media {
namespace {

// Sets (or with nullptr removes) an environment variable for the scope.
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

// A busy Xvfb now and then refuses a new connection for a moment: five attempts.
bool run_with_retries(const std::string& command) {
  for (int attempt = 0; attempt < 5; ++attempt) {
    if (std::system(command.c_str()) == 0) return true;
    SDL_Delay(50);
  }
  return false;
}

TEST(SdlPlatform, TheWindowIsBorderlessCentredWithItsLatin1TitleInUtf8) {
  auto platform = make_platform();
  ASSERT_TRUE(platform) << SDL_GetError();
  DesktopInfo desktop = platform->desktop();
  ASSERT_TRUE(platform->open_window(320, 240, "ORVANTE \xC4"));
  SDL_Window* window = platform->window();
  int x = 0, y = 0, w = 0, h = 0;
  SDL_GetWindowPosition(window, &x, &y);
  SDL_GetWindowSize(window, &w, &h);
  EXPECT_EQ((std::vector{x, y, w, h}),
            (std::vector{(desktop.width - 320) / 2, (desktop.height - 240) / 2, 320, 240}));
  EXPECT_TRUE(SDL_GetWindowFlags(window) & SDL_WINDOW_BORDERLESS);
  EXPECT_STREQ(SDL_GetWindowTitle(window), "ORVANTE \xC3\x84");
}

TEST(SdlPlatform, RealKeyPressesReachTheKeyStates) {
  if (std::system("command -v xdotool > /dev/null") != 0) GTEST_SKIP() << "no xdotool";
  auto platform = make_platform();
  ASSERT_TRUE(platform && platform->open_window(320, 240, "ORVANTE")) << SDL_GetError();
  ASSERT_TRUE(platform->open_screen(80, 60));
  SDL_Window* window = platform->window();
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

// The pointer asked for while another window has the focus is taken as soon as the game window
// gains it, with no further request (the title menu and the highscore screen make none).
TEST(SdlPlatform, ThePointerIsTakenWhenTheFocusArrivesLater) {
  auto platform = make_platform();
  ASSERT_TRUE(platform && platform->open_window(64, 48, "ORVANTE")) << SDL_GetError();
  SDL_Window* other = SDL_CreateWindow("other", 0, 0, 32, 32, SDL_WINDOW_BORDERLESS);
  ASSERT_TRUE(other) << SDL_GetError();
  const auto focused = [](SDL_Window* w) { return SDL_GetWindowFlags(w) & SDL_WINDOW_INPUT_FOCUS; };
  SDL_SetWindowInputFocus(other);
  ASSERT_TRUE(
      pump_until(*platform, [&] { return focused(other) && !focused(platform->window()); }));
  platform->capture_mouse();
  EXPECT_FALSE(SDL_GetRelativeMouseMode()) << "no grab without the focus";
  SDL_SetWindowInputFocus(platform->window());
  EXPECT_TRUE(pump_until(*platform, [] { return SDL_GetRelativeMouseMode() == SDL_TRUE; }));
  SDL_DestroyWindow(other);
}

TEST(SdlPlatform, WindowCloseOrSigtermRequestsClosing) {
  for (bool signal : {false, true}) {
    auto platform = make_platform();
    ASSERT_TRUE(platform && platform->open_window(64, 48, "ORVANTE")) << SDL_GetError();
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = SDL_WINDOWEVENT_CLOSE;
    event.window.windowID = SDL_GetWindowID(platform->window());
    signal ? void(std::raise(SIGTERM)) : void(SDL_PushEvent(&event));  // SIGTERM: SDL_QUIT
    while (!signal && !platform->close_requested()) ASSERT_NE(platform->wait_event(-1), 0);
    EXPECT_TRUE(pump_until(*platform, [&] { return platform->close_requested(); })) << signal;
  }
}

TEST(SdlPlatform, SleepsEndAtOrAfterTheirDeadline) {
  auto platform = make_platform();
  ASSERT_TRUE(platform) << SDL_GetError();
  const std::int64_t deadline = platform->now_ns() + 3'000'000;
  platform->sleep_until_ns(deadline);
  EXPECT_GE(platform->now_ns(), deadline);
  platform->sleep_until_ns(deadline - 1'000'000'000);  // long past: returns at once
  platform->sleep_until_ns(0);
}

// An extended key and the keypad key with the same low seven bits are different keys.
TEST(SdlPlatform, EveryKeyMapsToAPhysicalKeyOfItsOwn) {
  EXPECT_EQ((std::vector{scancode_of_key(key::kUp), scancode_of_key(0x48), scancode_of_key(0xB5),
                         scancode_of_key(key::kF12), scancode_of_key(-1)}),
            (std::vector{SDL_SCANCODE_UP, SDL_SCANCODE_KP_8, SDL_SCANCODE_KP_DIVIDE,
                         SDL_SCANCODE_F12, SDL_SCANCODE_UNKNOWN}));
  std::set<SDL_Scancode> seen;
  for (int key = 0; key < key::kCount; ++key) {
    SDL_Scancode scancode = scancode_of_key(key);
    if (scancode == SDL_SCANCODE_UNKNOWN) continue;
    EXPECT_TRUE(seen.insert(scancode).second) << "key " << key << " repeats a scancode";
  }
}

TEST(SdlPlatform, AudioCallbackSamplesReachTheDevice) {
  auto sample = [](int i) { return std::int16_t((i % 2 ? -1 : 1) * (i / 2 % 30000)); };
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

// Stopping SDL's audio right after a failed open would wait for its device-watching thread,
// which sleeps 100 ms first: the first picture of a machine without sound came that much later.
TEST(SdlPlatform, AFailedAudioOpenLeavesSdlAudioStartedUntilThePlatformEnds) {
  ScopedEnv driver("SDL_AUDIODRIVER", "disk");
  ScopedEnv file("SDL_DISKAUDIOFILE", "/no/such/folder/orv_audio.raw");
  auto platform = make_platform();
  ASSERT_TRUE(platform) << SDL_GetError();
  EXPECT_FALSE(platform->open_audio([](std::int16_t*, int) {}));
  EXPECT_NE(SDL_WasInit(SDL_INIT_AUDIO), 0u);
  EXPECT_FALSE(platform->open_audio([](std::int16_t*, int) {}));
  platform.reset();
  EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
}

TEST(SdlPlatform, WithoutSoundOrDialogsTheGameGoesOnSafely) {
  ScopedEnv audio("SDL_AUDIODRIVER", "no_such_driver");
  ScopedEnv video("SDL_VIDEODRIVER", "dummy");
  ScopedEnv display("DISPLAY", nullptr);  // no X11 box to fall back to either
  auto platform = make_platform();
  ASSERT_TRUE(platform) << SDL_GetError();
  EXPECT_FALSE(platform->open_audio([](std::int16_t*, int) {}));
  ASSERT_TRUE(platform->open_window(64, 48, "ORVANTE"));
  EXPECT_EQ(platform->message_box("ERROR ", "No file", BoxButtons::kOk), BoxAnswer::kOk);
  EXPECT_EQ(platform->message_box("ERROR ", "Continue?", BoxButtons::kYesNo), BoxAnswer::kNo);
}

}  // namespace
}  // namespace orv::media
