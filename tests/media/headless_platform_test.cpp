// The scripted platform that the game tests run on.
#include "media/platform_headless/headless_platform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orv::media {
namespace {

// "X" or "." per key for each of the next `frames` frames, presenting after each reading.
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
  platform.release_key(key::kUp, 5);  // scheduled before the hold it ends
  platform.hold_key(key::kUp, 3);
  platform.hold_key(key::kCount, 0);  // not a key: ignored
  EXPECT_EQ(key_timeline(platform, {key::kP, key::kSpace, key::kUp}, 6),
            (std::vector<std::string>{"...", ".X.", "XX.", "X.X", "..X", "..."}));
  // Without a frame a change starts now; for the same frame the later call wins.
  platform.tap_key(key::kA, -1, 2);
  platform.hold_key(key::kB);
  platform.release_key(key::kB);
  EXPECT_EQ(key_timeline(platform, {key::kA, key::kB}, 3),
            (std::vector<std::string>{"X.", "X.", ".."}));
}

TEST(HeadlessPlatform, NothingEverArrivesAndUnansweredBoxesSayNo) {
  HeadlessPlatform platform;
  EXPECT_EQ(platform.wait_event(16) + platform.wait_event(-1), 0);
  EXPECT_EQ(platform.now_ns(), 16'000'000);
  EXPECT_EQ(platform.message_box("ERROR ", "go on?", BoxButtons::kYesNo), BoxAnswer::kNo);
  EXPECT_FALSE(platform.open_screen(4, 2)) << "no screen without a window";
}

}  // namespace
}  // namespace orv::media
