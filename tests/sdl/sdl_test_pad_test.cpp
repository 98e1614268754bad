// The scripted virtual pad of the end-to-end tests: its scripts are taken whole or not at all.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "media/platform_sdl/sdl_test_pad.h"

namespace orv::media {
namespace {

TEST(TestPadScript, ReadsButtonsInFrameOrderSkippingComments) {
  std::vector<TestPadStep> steps;
  ASSERT_TRUE(parse_test_pad_script("# title\n20 UP up\r\n\n10 UP down\n10 BACK down\n", steps));
  std::vector<std::tuple<std::int64_t, int, bool>> read;
  for (const TestPadStep& s : steps) read.emplace_back(s.frame, s.button, s.down);
  EXPECT_EQ(read, (decltype(read){{10, SDL_CONTROLLER_BUTTON_DPAD_UP, true},
                                  {10, SDL_CONTROLLER_BUTTON_BACK, true},
                                  {20, SDL_CONTROLLER_BUTTON_DPAD_UP, false}}));
}

TEST(TestPadScript, RefusesTheWholeScriptForAnyBadLine) {
  const char* bad[] = {"10 Z down", "10 A pressed",     "-1 A down", "A 10 down",  "10 A down up",
                       "10 A",      "99999999999 A up", "10 a down", "1e3 A down", "10 A\tdown x"};
  for (const char* line : bad) {
    std::vector<TestPadStep> steps;
    EXPECT_FALSE(parse_test_pad_script(std::string("5 A down\n") + line + "\n", steps)) << line;
    EXPECT_TRUE(steps.empty()) << line;
  }
}

}  // namespace
}  // namespace orv::media
