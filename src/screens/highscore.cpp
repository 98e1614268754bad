// The highscore screen: the score of the game just played, shown when the time has run out,
// and with HIGHSCOREFILE the table of the best scores kept.
#include "screens/highscore.h"

#include <algorithm>
#include <string>
#include <vector>

#include "game/game.h"
#include "media/files/user_folders.h"
#include "media/numbers.h"
#include "media/system/format_date.h"
#include "screens/score_table.h"
#include "screens/screen_loop.h"
#include "screens/screen_texts.h"
#include "sound/music.h"
#include "text/text_drawing.h"

namespace orv {
namespace {

// The table's rows fill the free space between the online line and the prompt.
constexpr float kTableTop = 0.4f;
constexpr float kTableRowStep = 0.022f;

struct HighscoreTexts {
  std::string global_line;
  std::string player_line;
  std::string not_kept_line;  // why the game just played is not in the table; empty when it is
  std::vector<std::string> table_rows;
};

void draw_highscore_texts(Game& g, const HighscoreTexts& texts, int fade_in_alpha) {
  const float w = g.frame.screen_width;
  const float h = g.frame.screen_height;
  const float left = w * 0.3f;
  draw_text(g, screen_text::kTitle, w * 0.4f, h * 0.2f, 1.0f, 0.0f, fade_in_alpha, 1.0f, 0, 0);
  draw_text(g, texts.global_line, left, h * 0.25f, 1.0f, 0.0f, 255, 1.0f, 0, 0);
  draw_text(g, texts.player_line, left, h * 0.3f, 0.8f, 0.0f, 240, 1.0f, 0, 0);
  draw_text(g, screen_text::kOnlineHighscore, left, h * 0.35f, 0.4f, 0.0f, 240, 1.0f, 0, 0);
  if (!texts.not_kept_line.empty())
    draw_text(g, texts.not_kept_line, left, h * 0.375f, 0.4f, 0.0f, 240, 1.0f, 0, 0);
  for (std::size_t i = 0; i < texts.table_rows.size(); ++i) {
    const float y = h * (kTableTop + kTableRowStep * float(i));
    draw_text(g, texts.table_rows[i], left, y, 0.4f, 0.0f, 240, 1.0f, 0, 0);
  }
  draw_text(g, continue_prompt(g), left, h * 0.65f, 0.8f, 0.0f, fade_in_alpha, 1.0f, 0, 0);
  draw_text(g, screen_text::kNotice, left, h * 0.9f, 0.4f, 0.0f, 255, 1.0f, 0, 0);
}

// "|" and "\" steer the text cursor; in a name they are only characters.
std::string shown_name(std::string name) {
  std::replace_if(
      name.begin(), name.end(), [](char c) { return c == '|' || c == '\\'; }, ' ');
  return name;
}

// One row a kept score; the score just reached is marked with ">".
std::vector<std::string> table_rows(const ScoreTable& table, std::optional<std::size_t> mine) {
  std::vector<std::string> rows;
  for (std::size_t i = 0; i < table.size(); ++i) {
    const ScoreEntry& e = table[i];
    rows.push_back(std::string(mine == i ? "> " : "  ") + media::str(std::int32_t(i + 1)) + ".  " +
                   media::str(e.score) + "  LEVEL " + media::str(e.level) + "  " + e.date + "  " +
                   shown_name(e.name) + "|");
  }
  return rows;
}

// Why the game just played does not enter the table; nullptr when it does.
const char* not_kept_reason(const Game& g) {
  if (g.frame.replaying) return screen_text::kReplayNotKept;
  if (g.world.level_keys_used) return screen_text::kLevelKeysNotKept;
  return nullptr;
}

// Adds the game just played to the table on disk and returns the table. A damaged file is set
// aside; a table that cannot be saved is still shown.
ScoreTable keep_score(Game& g, std::optional<std::size_t>& place) {
  const std::string& path = g.config.highscore_file;
  std::optional<ScoreEntry> entry;
  if (g.world.score > 0 && not_kept_reason(g) == nullptr) {
    entry =
        ScoreEntry{g.world.score, g.world.level,
                   media::format_date("%yyyy-%mm-%dd", g.media.sys.date()), g.world.player_name};
    // The folder is made when the first score is kept.
    const std::string error = g.media.user_folders.create(path.substr(0, path.rfind('/') + 1));
    if (!error.empty()) g.media.sys.notice(error);
  }
  KeptScores kept = keep_score_in_table(path, entry);
  if (!kept.set_aside_as.empty())
    g.media.sys.notice("damaged score table moved to " + kept.set_aside_as);
  if (!kept.error.empty()) g.media.sys.notice(kept.error);
  place = kept.place;
  return std::move(kept.table);
}

HighscoreTexts highscore_texts(Game& g) {
  std::int32_t best = g.world.score;
  HighscoreTexts texts;
  if (!g.config.highscore_file.empty()) {
    std::optional<std::size_t> place;
    const ScoreTable table = keep_score(g, place);
    if (!table.empty()) best = std::max(best, table.front().score);
    texts.table_rows = table_rows(table, place);
    if (const char* reason = not_kept_reason(g); reason != nullptr && g.world.score > 0)
      texts.not_kept_line = reason;
  }
  const std::string score = media::str(g.world.score);
  texts.global_line = screen_text::kGlobalHighscore + media::str(best) + "|";
  texts.player_line =
      screen_text::kPlayer + g.world.player_name + screen_text::kPlayerScore + score + "|";
  return texts;
}

}  // namespace

void show_highscore(Game& g) {
  const HighscoreTexts texts = highscore_texts(g);
  run_screen_loop(g, kScoreTrack,
                  [&](int fade_in_alpha) { draw_highscore_texts(g, texts, fade_in_alpha); });
  g.frame.menu_active = false;
}

}  // namespace orv
