// The fixed texts of the intro, title and highscore screens. Text is Latin-1; every line
// begins with two spaces and ends with "|", which puts the text cursor back for the next line.
// With the shipped font (18 pixels a character at 1024 pixels wide) a credit line holds 51
// characters, leading spaces included. The notice line starts in the middle at zoom 0.6, but
// its spaces keep their full width: it has room for 512 pixels, 18 a space and 10.8 a glyph.
#pragma once

#include <array>

namespace orv::screen_text {

constexpr const char* kTitle = "  ORVANTE |";
constexpr const char* kKeyboardPrompt = "  PRESS  P  ON KEYBOARD TO CONTINUE|";
constexpr const char* kJoypadPrompt = "  PRESS START ON JOYPAD CONTINUE|";
constexpr const char* kKeyboardOptionsPrompt = "  PRESS  O  FOR OPTIONS|";
constexpr const char* kJoypadOptionsPrompt = "  PRESS Y ON JOYPAD FOR OPTIONS|";
// Offered on the title: practice from a level reached (when one beyond the first was) and the
// day's labyrinth (when the data set generates its labyrinths).
constexpr const char* kKeyboardPracticePrompt = "  PRESS  L  TO PRACTISE A LEVEL|";
constexpr const char* kJoypadPracticePrompt = "  PRESS LB ON JOYPAD TO PRACTISE A LEVEL|";
constexpr const char* kKeyboardDailyPrompt = "  PRESS  T  FOR THE DAILY LABYRINTH|";
constexpr const char* kJoypadDailyPrompt = "  PRESS RB ON JOYPAD FOR THE DAILY LABYRINTH|";
constexpr const char* kNotice = "  (C)2026 ORVANTE TEAM ALL RIGHTS RESERVED|";

constexpr const char* kGlobalHighscore = "  GLOBAL HIGHSCORE: ";
constexpr const char* kPlayer = "  PLAYER:";
constexpr const char* kPlayerScore = "   SCORE:   ";
// Said instead of keeping a game in the table of best scores.
constexpr const char* kReplayNotKept = "  A REPLAYED GAME IS NOT KEPT IN THE TABLE|";
constexpr const char* kLevelKeysNotKept = "  NOT KEPT: PAGE UP OR DOWN CHANGED THE LEVEL|";
constexpr const char* kPracticeNotKept = "  A PRACTICE GAME IS NOT KEPT IN A TABLE|";
// Over the table of the day's best games, followed by the date and "|".
constexpr const char* kDailyTable = "  BEST OF THE DAILY LABYRINTH ";
constexpr const char* kOnlineHighscore = "  ONLINE HIGHSCORE IS NOT IMPLEMENTED FOR NOW|";

// Page 1 of the intro, top to bottom; the seventh line is left empty.
constexpr std::array<const char*, 9> kCredits = {
    "  ALPHA PREVIEW OF THE NEXT ORVANTE TEAM GAME|",
    "  ALL RIGHTS RESERVED BY THE ORVANTE TEAM|",
    "  GAME CODE AND GRAPHICS (C) THE ORVANTE TEAM|",
    "  GAME CONCEPT AND REALISATION BY THE ORVANTE TEAM|",
    "  THE PLAYER USES THIS GAME AT HIS OWN RISK|",
    "  GAME MUSIC MADE WITH A MODULE TRACKER|",
    "  |",
    "  GFX + MUSIC (C) ORVANTE TEAM ALL RIGHTS RESERVED|",
    "  FONT SYSTEM AND TEXT ENGINE BY THE ORVANTE TEAM|",
};
// Pages 2 and 3 of the intro.
constexpr const char* kPresenting = "  THE ORVANTE TEAM PRESENTS:|";
constexpr const char* kAuthor = "  A ORVANTE TEAM GAME:|";

}  // namespace orv::screen_text
