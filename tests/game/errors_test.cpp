#include "game/errors.h"

#include <gtest/gtest.h>

#include <string>

#include "game/game.h"
#include "support/test_game.h"

namespace orv {
namespace {

// An error the game cannot go on from ends the program, but only after the player was told.
TEST(Errors, AKnownErrorEndsTheProgramAfterItsMessage) {
  for (int code : {kErrorScreen, kErrorWindow, kErrorLevelFile, kErrorBaseFile}) {
    test::TestGame t;
    EXPECT_THROW(report_error(t.game, code), ProgramEnd) << code;
    EXPECT_EQ(t.platform.boxes().size(), 1u) << code;
  }
}

// A code the game does not know is reported, with its number, and play goes on.
TEST(Errors, AnUnknownCodeIsReportedWhilePlayGoesOn) {
  test::TestGame t;
  EXPECT_NO_THROW(report_error(t.game, 1));
  ASSERT_EQ(t.platform.boxes().size(), 1u);
  EXPECT_NE(t.platform.boxes()[0].text.find('1'), std::string::npos);
}

}  // namespace
}  // namespace orv
