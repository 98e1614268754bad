#include "bot/bot_player.h"

#include "media/keys.h"

namespace orv::bot {
namespace {

// On a screen waiting for START, P goes down for two frames in every kStartPeriod.
constexpr std::int64_t kStartPeriod = 40;

}  // namespace

void BotPlatform::present(const media::Pixel* /*pixels*/, int /*width*/, int /*height*/) {
  // The bot reads the game, never the picture: the frame is counted without keeping a copy.
  HeadlessPlatform::present(nullptr, 0, 0);
  if (game_ == nullptr) return;
  const Game& g = *game_;
  if (g.frame.menu_active) {
    if (in_play_) {  // the highscore screen: the time has run out
      in_play_ = false;
      current_.timed_out = true;
      if (on_game_end) on_game_end(current_);
    }
    hold_only(std::nullopt);
    press_start();
  } else if (g.frame.built_level == g.world.level && g.world.level >= 1) {
    play(g);
  }
  forget_past_key_changes();
  if (on_frame) on_frame();
}

void BotPlatform::press_start() {
  if (frame() % kStartPeriod == 0) hold_key(media::key::kP);
  if (frame() % kStartPeriod == 2) release_key(media::key::kP);
}

void BotPlatform::play(const Game& g) {
  release_key(media::key::kP);
  if (!in_play_) {
    in_play_ = true;
    current_ = GameResult{};
    begin_level(g);
  }
  if (g.world.level > level_) {
    current_.completed.push_back({level_, goal_, start_time_, time_,
                                  std::max(g.world.score, g.world.score_target),
                                  frame() - level_start_frame_});
    begin_level(g);
  }
  time_ = g.world.time;
  // The HUD shows the level's goal and time once its build is done; frames shown by the build's
  // progress bar show none yet.
  if (goal_ <= 0) goal_ = g.world.remaining, start_time_ = time_;
  const CellPosition cell = cell_under_player(g);
  if (!(cell == cell_)) {
    cell_ = cell;
    rest_until_ = frame() + std::int64_t(pace_ - 1) * (g.config.step_delay + 1);
  }
  const bool resting = rest_after_ > 0 && current_.completed.size() >= rest_after_;
  hold_only(frame() < rest_until_ || resting ? std::nullopt : autopilot_arrow(g, aim_));
}

void BotPlatform::begin_level(const Game& g) {
  level_ = g.world.level;
  goal_ = 0;
  level_start_frame_ = frame();
}

void BotPlatform::hold_only(std::optional<int> arrow) {
  if (arrow == held_) return;
  if (held_) release_key(*held_);
  if (arrow) hold_key(*arrow);
  held_ = arrow;
}

}  // namespace orv::bot
