#include "game_texts.h"

#include <set>

#include "screens/screen_texts.h"

namespace orv::check {
namespace {

// The texts drawn by the head-up display, the dialogs, the level announcement and the game
// over sequence; the screens' texts come from their own table.
constexpr const char* kPlayTexts[] = {
    " ORVANTE IS AN ALPHA DEMO OF THE ORVANTE TEAM - NOT FOR SALE - ALL RIGHTS RESERVED |",
    " DEBUGGING: MULTITHREAD: ",
    " SCORE ",
    " TIME ",
    " \xF6\xF6\xF6 |",
    "&",
    " CRITCAL MASS ",
    " DIMENSION ",
    " PLAYER:",
    "  QUIT GAME ? |",
    "  PRESS B TO QUIT     |",
    "  PRESS X TO CONTINUE |",
    "  GAME PAUSED |",
    "  PRESS B TO RESTART  |",
    "  GAME OVER |",
    "0123456789",
};

}  // namespace

std::string game_text_characters() {
  namespace t = screen_text;
  std::set<unsigned char> chars;
  auto add = [&chars](const char* text) {
    for (const char* c = text; *c != '\0'; ++c)
      if (*c != ' ' && *c != '|' && *c != '\\') chars.insert(static_cast<unsigned char>(*c));
  };
  for (const char* text : kPlayTexts) add(text);
  for (const char* text :
       {t::kTitle, t::kKeyboardPrompt, t::kJoypadPrompt, t::kNotice, t::kGlobalHighscore,
        t::kPlayer, t::kPlayerScore, t::kOnlineHighscore, t::kPresenting, t::kAuthor})
    add(text);
  for (const char* text : t::kCredits) add(text);
  return std::string(chars.begin(), chars.end());
}

}  // namespace orv::check
