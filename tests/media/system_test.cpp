// Dates, message boxes, sleeping and threads.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "media/system.h"
#include "support/input_fake_platform.h"

namespace orv::media {
namespace {

using testing::InputFakePlatform;

struct DateCase {
  const char* name;
  const char* mask;
  LocalTime time;
  const char* expected;
};

void PrintTo(const DateCase& c, std::ostream* os) {
  *os << c.name;
}

class Date : public ::testing::TestWithParam<DateCase> {};

TEST_P(Date, Format) {
  EXPECT_EQ(format_date(GetParam().mask, GetParam().time), GetParam().expected);
}

constexpr LocalTime kMorning{2026, 3, 7, 4, 5, 9};
constexpr LocalTime kEvening{1999, 12, 31, 23, 59, 58};

INSTANTIATE_TEST_SUITE_P(
    , Date,
    ::testing::Values(DateCase{"ScreenshotName", "%yyyy%mm%dd%hh%ii%ss", kMorning,
                               "20260307040509"},
                      DateCase{"TwoDigitYear", "%yy-%mm", kEvening, "99-12"},
                      DateCase{"LongYearBeforeShort", "%yyyy/%yy", kMorning, "2026/26"},
                      DateCase{"TextAroundFields", "at %hh:%ii:%ss!", kEvening, "at 23:59:58!"},
                      DateCase{"RepeatedField", "%dd%dd", kMorning, "0707"},
                      DateCase{"UnknownTokensKept", "%y %m %x %%", kMorning, "%y %m %x %%"},
                      DateCase{"TrailingPercent", "%ss%", kMorning, "09%"},
                      DateCase{"ThreeYs", "%yyy", kMorning, "26y"},
                      DateCase{"Empty", "", kMorning, ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct BoxCase {
  const char* name;
  int flags;
  BoxAnswer answer;
  BoxButtons buttons;
  int result;
};

void PrintTo(const BoxCase& c, std::ostream* os) {
  *os << c.name;
}

class SystemMessage : public ::testing::TestWithParam<BoxCase> {};

TEST_P(SystemMessage, ShowsTheButtonsAndTellsTheAnswer) {
  InputFakePlatform platform;
  platform.answers.push_back(GetParam().answer);
  System sys(platform);
  ::testing::internal::CaptureStderr();
  int result = sys.message_requester("ERROR ", "Level file missing", GetParam().flags);
  std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(result, GetParam().result);
  ASSERT_EQ(platform.boxes.size(), 1u);
  EXPECT_EQ(platform.boxes[0].buttons, GetParam().buttons);
  EXPECT_EQ(platform.boxes[0].title, "ERROR ");
  EXPECT_EQ(platform.boxes[0].text, "Level file missing");
  EXPECT_EQ(err, "ERROR : Level file missing\n");
}

INSTANTIATE_TEST_SUITE_P(, SystemMessage,
                         ::testing::Values(BoxCase{"Ok", 0, BoxAnswer::kOk, BoxButtons::kOk, 1},
                                           BoxCase{"Yes", 4, BoxAnswer::kYes, BoxButtons::kYesNo,
                                                   1},
                                           BoxCase{"No", 4, BoxAnswer::kNo, BoxButtons::kYesNo, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SystemDelay, SleepsThroughThePlatform) {
  InputFakePlatform platform;
  System sys(platform);
  sys.delay(15);
  sys.delay(0);
  sys.delay(-3);
  EXPECT_EQ(platform.sleeps, (std::vector<std::int64_t>{15'000'000, 0, 0}));
}

TEST(SystemThreads, RunsTheProcedureWithItsArgumentAndWaits) {
  InputFakePlatform platform;
  System sys(platform);
  std::atomic<int> seen{0};
  Handle t = sys.create_thread(
      [&seen](int arg) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        seen = arg;
      },
      42);
  ASSERT_NE(t, 0);
  sys.wait_thread(t);
  EXPECT_EQ(seen.load(), 42);
  sys.wait_thread(t);  // no longer a live thread: returns at once
  sys.wait_thread(0);
  sys.wait_thread(999);
  EXPECT_EQ(sys.create_thread(nullptr, 1), 0);
}

TEST(SystemThreads, ThreadStillRunningAtTheEndDoesNotStopTheProgram) {
  InputFakePlatform platform;
  auto go = std::make_shared<std::atomic<bool>>(false);
  auto done = std::make_shared<std::atomic<bool>>(false);
  {
    System sys(platform);
    ASSERT_NE(sys.create_thread(
                  [go, done](int) {
                    while (!*go) std::this_thread::sleep_for(std::chrono::milliseconds(1));
                    *done = true;
                  },
                  0),
              0);
  }
  *go = true;
  for (int i = 0; i < 5000 && !*done; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  EXPECT_TRUE(*done);
}

}  // namespace
}  // namespace orv::media
