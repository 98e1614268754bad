// Dates, message boxes and sleeping.
#include <gtest/gtest.h>

#include "media/platform_headless/headless_platform.h"
#include "media/system.h"
#include "media/system/format_date.h"

namespace orv::media {
namespace {

TEST(SystemDate, FormatReplacesEachFieldZeroPadded) {
  const LocalTime time{2026, 3, 7, 4, 5, 9};
  EXPECT_EQ(format_date("%yyyy%mm%dd%hh%ii%ss", time), "20260307040509");
  EXPECT_EQ(format_date("%yyyy/%yy %yyy %y %x %ss%", time), "2026/26 26y %y %x 09%");
}

TEST(SystemMessage, TheRequesterLogsItsTextAsItAsks) {
  HeadlessPlatform platform;
  System sys(platform);
  const std::tuple<int, BoxAnswer, BoxButtons, int> cases[] = {
      {0, BoxAnswer::kOk, BoxButtons::kOk, 1}, {4, BoxAnswer::kNo, BoxButtons::kYesNo, 0}};
  for (auto [flags, answer, buttons, result] : cases) {
    platform.queue_box_answer(answer);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(sys.message_requester("ERROR ", "No level", flags), result);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "ERROR : No level\n");
    EXPECT_EQ(platform.boxes().back().buttons, buttons);
  }
}

TEST(SystemDelay, SleepsInSlicesThatEachAnswerACloseRequest) {
  HeadlessPlatform platform;
  System sys(platform);
  for (int ms : {15, 0, -3}) sys.delay(ms);
  EXPECT_EQ(platform.now_ns(), 15'000'000);
  int closes = 0;
  sys.on_close_request([&closes] { ++closes; });
  platform.request_close();
  sys.delay(120);
  EXPECT_EQ(platform.now_ns(), 135'000'000);
  EXPECT_EQ(closes, 3);
}

}  // namespace
}  // namespace orv::media
