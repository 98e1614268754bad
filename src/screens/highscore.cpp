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
#include "screens/game_recording.h"
#include "screens/score_table.h"
#include "screens/screen_loop.h"
#include "screens/screen_texts.h"
#include "sound/music.h"
#include "text/text_drawing.h"

namespace orv {
namespace {

// The table is read from a distance: its rows are as tall as the head-up display's lines
// (zoom 1.0), one a line from below the online line on.
constexpr float kTableTop = 0.38f;
constexpr float kTableZoom = 1.0f;
constexpr float kPromptTop = 0.65f;
constexpr float kMargin = 0.02f;  // of the screen width, kept free on both sides
constexpr float kLeastRowStep = 0.03f;

struct HighscoreTexts {
  std::string global_line;
  std::string player_line;
  // Names the day's table after its game, larger than the online line it replaces.
  std::string online_line = screen_text::kOnlineHighscore;
  float online_zoom = 0.4f;
  std::string not_kept_line;  // why the game just played is not in the table; empty when it is
  std::vector<std::string> table_rows;
};

// The rows, centred as a block and kept inside the screen: a row too wide for it loses the end
// of its name. Returns the height below the last row.
float draw_table(Game& g, const std::vector<std::string>& rows, float top) {
  const float w = g.frame.screen_width;
  const float h = g.frame.screen_height;
  const float room = w * (1.0f - 2 * kMargin);
  float widest = 0.0f;
  for (const std::string& row : rows)
    widest = std::max(widest, text_width(g.text, row, kTableZoom, 1));
  const float left = std::clamp((w - widest) / 2, w * kMargin, w * 0.3f);
  const float step =
      std::max(line_height(g.text, kTableZoom), h * kLeastRowStep);  // a font without A
  float y = top;
  for (std::string row : rows) {
    while (row.size() > 1 && left + text_width(g.text, row, kTableZoom, 1) > w * kMargin + room)
      row.erase(row.size() - 2, 1);  // the character before the closing "|"
    draw_text(g, row, left, y, {.zoom = kTableZoom, .alpha = 240});
    y += step;
  }
  return y;
}

void draw_highscore_texts(Game& g, const HighscoreTexts& texts, int fade_in_alpha) {
  const float w = g.frame.screen_width;
  const float h = g.frame.screen_height;
  const float left = w * 0.3f;
  draw_text(g, screen_text::kTitle, w * 0.4f, h * 0.2f, {.alpha = fade_in_alpha});
  draw_text(g, texts.global_line, left, h * 0.25f);
  draw_text(g, texts.player_line, left, h * 0.3f, {.zoom = 0.8f, .alpha = 240});
  draw_text(g, texts.online_line, left, h * 0.35f, {.zoom = texts.online_zoom, .alpha = 240});
  // The reason a game is not kept stands between the online line and the table.
  float table_top = h * kTableTop;
  if (!texts.not_kept_line.empty()) {
    draw_text(g, texts.not_kept_line, left, table_top, {.zoom = 0.4f, .alpha = 240});
    table_top += line_height(g.text, 0.4f) * 1.5f;
  }
  const float below_table = draw_table(g, texts.table_rows, table_top);
  const float prompt_y = std::max(h * kPromptTop, below_table + line_height(g.text, 0.8f) * 0.5f);
  draw_text(g, continue_prompt(g.frame), left, prompt_y, {.zoom = 0.8f, .alpha = fade_in_alpha});
  draw_text(g, screen_text::kNotice, left, h * 0.9f, {.zoom = 0.4f});
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
  if (g.frame.replaying || g.tape.mode != TapeMode::kLive) return screen_text::kReplayNotKept;
  if (g.frame.play.mode == PlayMode::kPractice) return screen_text::kPracticeNotKept;
  if (g.world.level_keys_used) return screen_text::kLevelKeysNotKept;
  return nullptr;
}

// The table a game enters and shows: the day's table after the day's game, the best scores
// after any other (a practice game shows them without entering).
std::string kept_table_path(const Game& g) {
  const PlayModeState& play = g.frame.play;
  if (play.mode == PlayMode::kDaily)
    return daily_table_path(g.config.highscore_file, play.daily_date);
  return g.config.highscore_file;
}

// Adds the game just played to the table at path and returns the table. A damaged file is set
// aside; a table that cannot be saved is still shown.
ScoreTable keep_score(Game& g, const std::string& path, std::optional<std::size_t>& place) {
  std::optional<ScoreEntry> entry;
  if (g.world.score > 0 && not_kept_reason(g) == nullptr) {
    entry =
        ScoreEntry{g.world.score, g.world.level,
                   media::format_date("%yyyy-%mm-%dd", g.media.sys.date()), g.world.player_name};
    // The folder is made when the first score is kept.
    const std::string error = g.media.user_folders.create(path.substr(0, path.rfind('/') + 1));
    if (!error.empty()) g.media.sys.notice(error);
  }
  std::optional<std::string> record;
  if (entry && g.tape.tape != nullptr) record = media::format_game_record(finished_game_record(g));
  KeptScores kept = keep_score_in_table(path, entry, record);
  if (!kept.set_aside_as.empty())
    g.media.sys.notice("damaged score table moved to " + kept.set_aside_as);
  if (!kept.error.empty()) g.media.sys.notice(kept.error);
  place = kept.place;
  return std::move(kept.table);
}

HighscoreTexts highscore_texts(Game& g) {
  std::int32_t best = g.world.score;
  HighscoreTexts texts;
  if (g.frame.play.mode == PlayMode::kDaily) {
    texts.online_line = screen_text::kDailyTable + g.frame.play.daily_date + "|";
    texts.online_zoom = 0.6f;
  }
  if (const std::string path = kept_table_path(g); !path.empty()) {
    std::optional<std::size_t> place;
    const ScoreTable table = keep_score(g, path, place);
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
  // A verified or demo game ends here, without the screen and out of every table.
  if (end_played_game(g)) return;
  const HighscoreTexts texts = highscore_texts(g);
  run_screen_loop(g, kScoreTrack,
                  [&](int fade_in_alpha) { draw_highscore_texts(g, texts, fade_in_alpha); });
  g.frame.menu_active = false;
}

}  // namespace orv
