// Dates, message boxes, sleeping and threads.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>

#include "media/platform_headless/headless_platform.h"
#include "media/system.h"

namespace orv::media {
namespace {

TEST(SystemDate, FormatReplacesEachFieldZeroPadded) {
  const std::pair<const char*, const char*> masks[] = {{"%yyyy%mm%dd%hh%ii%ss", "20260307040509"},
                                                       {"%yyyy/%yy %yyy", "2026/26 26y"},
                                                       {"at %hh:%ii, %dd%dd", "at 04:05, 0707"},
                                                       {"%y %m %x %% %ss%", "%y %m %x %% 09%"}};
  for (auto [mask, expected] : masks)
    EXPECT_EQ(format_date(mask, LocalTime{2026, 3, 7, 4, 5, 9}), expected);
}

TEST(SystemMessage, ShowsTheButtonsTellsTheAnswerAndLogs) {
  HeadlessPlatform platform;
  System sys(platform);
  const std::tuple<int, BoxAnswer, BoxButtons, int> cases[] = {
      {0, BoxAnswer::kOk, BoxButtons::kOk, 1},
      {4, BoxAnswer::kYes, BoxButtons::kYesNo, 1},
      {4, BoxAnswer::kNo, BoxButtons::kYesNo, 0}};
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

TEST(SystemThreads, WaitIsOnceAndARunningThreadOutlivesTheSystem) {
  using namespace std::chrono_literals;
  HeadlessPlatform platform;
  auto state = std::make_shared<std::atomic<int>>(0);
  {
    System sys(platform);
    Handle t = sys.create_thread(
        [state](int arg) {
          std::this_thread::sleep_for(20ms);  // long enough that only a real wait sees 42
          *state = arg;
        },
        42);
    ASSERT_NE(t, 0);
    sys.wait_thread(t);
    EXPECT_EQ(state->load(), 42);
    for (Handle h : {t, 0, 999}) sys.wait_thread(h);  // no live thread: returns at once
    EXPECT_EQ(sys.create_thread(nullptr, 1), 0);
    sys.create_thread(
        [state](int) {
          while (*state != 1) std::this_thread::yield();
          *state = 2;
        },
        0);
  }
  *state = 1;  // the system is gone; its thread goes on
  for (int i = 0; i < 5000 && *state != 2; ++i) std::this_thread::sleep_for(1ms);
  EXPECT_EQ(state->load(), 2);
}

}  // namespace
}  // namespace orv::media
