#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "sdl/sdl_test_support.h"

namespace orv::media {
namespace {

using testing::make_platform;
using testing::ScopedEnv;

// The test signal: a ramp on the left channel, its negation on the right.
std::int16_t test_sample(int i) {
  int frame = (i / 2) % 30000;
  return std::int16_t(i % 2 == 0 ? frame : -frame);
}

TEST(SdlPlatform, AudioCallbackSamplesReachTheDevice) {
  std::string path = ::testing::TempDir() + "orv_disk_audio.raw";
  ScopedEnv driver("SDL_AUDIODRIVER", "disk");
  ScopedEnv file("SDL_DISKAUDIOFILE", path.c_str());
  auto platform = make_platform();
  ASSERT_TRUE(platform) << SDL_GetError();
  std::atomic<int> calls = 0;
  int next = 0;  // touched by the audio thread only
  ASSERT_TRUE(platform->open_audio([&](std::int16_t* samples, int frames) {
    for (int i = 0; i < frames * kAudioChannels; ++i) samples[i] = test_sample(next++);
    ++calls;
  })) << SDL_GetError();
  for (int waited_ms = 0; calls < 3 && waited_ms < 5000; waited_ms += 5) SDL_Delay(5);
  platform.reset();  // closes the device, then the file; the callback must not run after this

  std::ifstream in(path, std::ios::binary);
  std::vector<std::int16_t> samples(4096);
  in.read(reinterpret_cast<char*>(samples.data()), std::streamsize(samples.size() * 2));
  ASSERT_EQ(in.gcount(), std::streamsize(samples.size() * 2));
  std::remove(path.c_str());
  for (int i = 0; i < int(samples.size()); ++i) ASSERT_EQ(samples[i], test_sample(i)) << i;
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
