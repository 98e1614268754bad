#include "media/platform_headless/headless_platform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orv::media {
namespace {

// Key states of the given keys at each of the next `frames` frames, presenting after each read.
std::vector<std::string> key_timeline(HeadlessPlatform& platform, std::vector<int> keys,
                                      int frames) {
  std::vector<std::string> timeline;
  KeyStates states{};
  for (int i = 0; i < frames; ++i) {
    platform.read_keys(states);
    std::string row;
    for (int key : keys) row += states[key] ? 'X' : '.';
    timeline.push_back(row);
    platform.present(nullptr, 0, 0);
  }
  return timeline;
}

TEST(HeadlessPlatform, KeyScriptsAreEvaluatedAtTheCurrentFrame) {
  HeadlessPlatform platform;
  platform.hold_key(key::kP, 2);
  platform.release_key(key::kP, 4);
  platform.tap_key(key::kSpace, 1, 2);
  // Scheduled out of order: the hold at frame 3 still ends at frame 5.
  platform.release_key(key::kUp, 5);
  platform.hold_key(key::kUp, 3);
  platform.hold_key(-1, 0);  // not a key: ignored
  platform.hold_key(key::kCount, 0);

  std::vector<std::string> expected = {"...", ".X.", "XX.", "X.X", "..X", "..."};
  EXPECT_EQ(key_timeline(platform, {key::kP, key::kSpace, key::kUp}, 6), expected);
}

TEST(HeadlessPlatform, UnframedKeyChangesStartAtTheCurrentFrame) {
  HeadlessPlatform platform;
  for (int i = 0; i < 3; ++i) platform.present(nullptr, 0, 0);
  platform.hold_key(key::kEscape);
  platform.tap_key(key::kA, -1, 2);
  EXPECT_EQ(key_timeline(platform, {key::kEscape, key::kA}, 3),
            (std::vector<std::string>{"XX", "XX", "X."}));

  // A release in the same frame as a hold wins because it came later.
  platform.hold_key(key::kB);
  platform.release_key(key::kB);
  KeyStates states{};
  platform.read_keys(states);
  EXPECT_FALSE(states[key::kB]);
}

TEST(HeadlessPlatform, JoystickFollowsItsScriptOnlyWhenPresent) {
  HeadlessPlatform platform;
  JoystickState right;
  right.axis_x = 1000;
  right.buttons[1] = true;
  platform.set_joystick_state(right, 1);
  platform.set_joystick_state(JoystickState{}, 2);

  JoystickState state;
  EXPECT_FALSE(platform.open_joystick());
  platform.present(nullptr, 0, 0);
  platform.read_joystick(state);
  EXPECT_EQ(state.axis_x, 0) << "an absent joypad reads as centred";

  platform.set_joystick(true);
  EXPECT_TRUE(platform.open_joystick());
  platform.read_joystick(state);
  EXPECT_EQ(state.axis_x, 1000);
  EXPECT_TRUE(state.buttons[1]);
  platform.present(nullptr, 0, 0);
  platform.read_joystick(state);
  EXPECT_EQ(state.axis_x, 0);
  EXPECT_FALSE(state.buttons[1]);
}

TEST(HeadlessPlatform, ClockMovesOnlyWhenTheGameSleepsOrWaits) {
  HeadlessPlatform platform;
  EXPECT_EQ(platform.now_ns(), 0);
  platform.sleep_ns(1500);
  platform.sleep_ns(-20);
  EXPECT_EQ(platform.now_ns(), 1500);
  EXPECT_EQ(platform.wait_event(16), 0);
  EXPECT_EQ(platform.now_ns(), 1500 + 16'000'000);
  EXPECT_EQ(platform.wait_event(0), 0);
  EXPECT_EQ(platform.wait_event(-1), 0);  // must return although nothing ever arrives
  EXPECT_EQ(platform.now_ns(), 1500 + 16'000'000);
  platform.present(nullptr, 0, 0);
  EXPECT_EQ(platform.now_ns(), 1500 + 16'000'000);
}

TEST(HeadlessPlatform, MessageBoxesTakeQueuedAnswersThenSafeDefaults) {
  HeadlessPlatform platform;
  platform.queue_box_answer(BoxAnswer::kYes);
  EXPECT_EQ(platform.message_box("ERROR ", "continue?", BoxButtons::kYesNo), BoxAnswer::kYes);
  EXPECT_EQ(platform.message_box("ERROR ", "continue?", BoxButtons::kYesNo), BoxAnswer::kNo);
  EXPECT_EQ(platform.message_box("ERROR ", "no file", BoxButtons::kOk), BoxAnswer::kOk);
  ASSERT_EQ(platform.boxes().size(), 3u);
  EXPECT_EQ(platform.boxes()[2].text, "no file");
  EXPECT_EQ(platform.boxes()[2].buttons, BoxButtons::kOk);
}

TEST(HeadlessPlatform, PresentKeepsACopyAndCountsFrames) {
  HeadlessPlatform platform;
  EXPECT_FALSE(platform.open_screen(4, 2)) << "no screen without a window";
  ASSERT_TRUE(platform.open_window(4, 2, "ORVANTE"));
  ASSERT_TRUE(platform.open_screen(4, 2));

  std::vector<Pixel> buffer(8, argb(255, 1, 2, 3));
  buffer[5] = argb(0, 200, 100, 50);
  platform.present(buffer.data(), 4, 2);
  buffer[5] = 0;  // the game draws the next frame into the same buffer
  EXPECT_EQ(platform.frame(), 1);
  ASSERT_EQ(platform.last_presented().width, 4);
  EXPECT_EQ(platform.last_presented().at(1, 1), argb(0, 200, 100, 50));
  EXPECT_EQ(platform.last_presented().at(0, 0), argb(255, 1, 2, 3));
}

TEST(HeadlessPlatform, ScriptedFailuresOfWindowScreenAndAudio) {
  HeadlessPlatform platform;
  platform.set_window_available(false);
  EXPECT_FALSE(platform.open_window(640, 480, "ORVANTE"));
  EXPECT_FALSE(platform.window_open());
  platform.set_window_available(true);
  platform.set_screen_available(false);
  EXPECT_TRUE(platform.open_window(640, 480, "ORVANTE"));
  EXPECT_FALSE(platform.open_screen(640, 480));

  platform.set_audio_available(false);
  EXPECT_FALSE(platform.open_audio([](std::int16_t* s, int frames) {
    for (int i = 0; i < frames * kAudioChannels; ++i) s[i] = 7;
  }));
  std::vector<std::int16_t> out(8, 99);
  platform.render_audio(out.data(), 4);
  EXPECT_EQ(out, std::vector<std::int16_t>(8, 0)) << "no device: silence";
}

TEST(HeadlessPlatform, AudioAndSoundStartsAreObservable) {
  HeadlessPlatform platform;
  int calls = 0;
  ASSERT_TRUE(platform.open_audio([&](std::int16_t* s, int frames) {
    ++calls;
    for (int i = 0; i < frames * kAudioChannels; ++i) s[i] = std::int16_t(i);
  }));
  std::vector<std::int16_t> out(6, 0);
  platform.render_audio(out.data(), 3);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(out[5], 5);

  platform.present(nullptr, 0, 0);
  platform.sound_started(7, true);
  platform.present(nullptr, 0, 0);
  platform.sound_started(3, false);
  ASSERT_EQ(platform.sound_starts().size(), 2u);
  EXPECT_EQ(platform.sound_starts()[0].sound, 7);
  EXPECT_TRUE(platform.sound_starts()[0].loop);
  EXPECT_EQ(platform.sound_starts()[0].frame, 1);
  EXPECT_EQ(platform.sound_starts()[1].frame, 2);
}

}  // namespace
}  // namespace orv::media
