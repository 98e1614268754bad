// Dates, message boxes, sleeping and threads.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>

#include "media/system.h"
#include "support/input_fake_platform.h"

namespace orv::media {
namespace {

using testing::InputFakePlatform;

struct DateCase {
  const char* mask;
  const char* expected;
};

class Date : public ::testing::TestWithParam<DateCase> {};

TEST_P(Date, Format) {
  EXPECT_EQ(format_date(GetParam().mask, LocalTime{2026, 3, 7, 4, 5, 9}), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(, Date,
                         ::testing::Values(DateCase{"%yyyy%mm%dd%hh%ii%ss", "20260307040509"},
                                           DateCase{"%yyyy/%yy %yyy", "2026/26 26y"},
                                           DateCase{"at %hh:%ii, %dd%dd", "at 04:05, 0707"},
                                           DateCase{"%y %m %x %% %ss%", "%y %m %x %% 09%"}));

struct BoxCase {
  int flags;
  BoxAnswer answer;
  BoxButtons buttons;
  int result;
};

class SystemMessage : public ::testing::TestWithParam<BoxCase> {};

TEST_P(SystemMessage, ShowsTheButtonsTellsTheAnswerAndLogs) {
  InputFakePlatform platform;
  platform.answers.push_back(GetParam().answer);
  System sys(platform);
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(sys.message_requester("ERROR ", "No level", GetParam().flags), GetParam().result);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "ERROR : No level\n");
  EXPECT_EQ(platform.boxes, std::vector<BoxButtons>{GetParam().buttons});
}

INSTANTIATE_TEST_SUITE_P(, SystemMessage,
                         ::testing::Values(BoxCase{0, BoxAnswer::kOk, BoxButtons::kOk, 1},
                                           BoxCase{4, BoxAnswer::kYes, BoxButtons::kYesNo, 1},
                                           BoxCase{4, BoxAnswer::kNo, BoxButtons::kYesNo, 0}));

TEST(SystemDelay, SleepsThroughThePlatformInSlicesThatAnswerACloseRequest) {
  InputFakePlatform platform;
  System sys(platform);
  for (int ms : {15, 0, -3, 120}) sys.delay(ms);
  EXPECT_EQ(platform.sleeps,
            (std::vector<std::int64_t>{15'000'000, 50'000'000, 50'000'000, 20'000'000}));
  int closes = 0;
  sys.on_close_request([&closes] { ++closes; });
  platform.close = true;
  sys.delay(10);
  EXPECT_EQ(closes, 1);
}

TEST(SystemThreads, WaitsForTheProcedureOnce) {
  InputFakePlatform platform;
  System sys(platform);
  std::atomic<int> seen{0};
  auto slow = [&seen](int arg) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    seen = arg;
  };
  Handle t = sys.create_thread(slow, 42);
  ASSERT_NE(t, 0);
  sys.wait_thread(t);
  EXPECT_EQ(seen.load(), 42);
  for (Handle h : {t, 0, 999}) sys.wait_thread(h);  // no live thread: returns at once
  EXPECT_EQ(sys.create_thread(nullptr, 1), 0);
}

TEST(SystemThreads, ThreadStillRunningWhenTheSystemGoesIsLeftToFinish) {
  InputFakePlatform platform;
  auto go = std::make_shared<std::atomic<bool>>(false);
  auto done = std::make_shared<std::atomic<bool>>(false);
  System(platform).create_thread(
      [go, done](int) {
        while (!*go) std::this_thread::yield();
        *done = true;
      },
      0);
  *go = true;
  for (int i = 0; i < 5000 && !*done; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  EXPECT_TRUE(*done);
}

}  // namespace
}  // namespace orv::media
