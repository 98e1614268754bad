#include "game/errors.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "game/game.h"
#include "support/test_game.h"

namespace orv {
namespace {

// Each code shows its text; those that end the program end it, an unknown code goes on.
TEST(Errors, EachCodeShowsItsTextAndOnlyAnUnknownCodeGoesOn) {
  const std::pair<int, std::string> cases[] = {
      {1, " Unknown error 1"},
      {kErrorScreen, " Could not open screen"},
      {kErrorWindow, " Could not open window"},
      {kErrorLevelFile, " Could not open topographic data"},
      {kErrorBaseFile, " Could not open:BASE.txt"}};
  for (const auto& [code, text] : cases) {
    test::TestGame t;
    t.game.config.self_create_base = "BASE.txt";
    if (code == 1)
      EXPECT_NO_THROW(report_error(t.game, code));
    else
      EXPECT_THROW(report_error(t.game, code), ProgramEnd) << code;
    ASSERT_EQ(t.platform.boxes().size(), 1u);
    EXPECT_EQ(t.platform.boxes()[0].text, text);
  }
}

}  // namespace
}  // namespace orv
