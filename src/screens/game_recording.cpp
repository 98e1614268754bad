// Keeping each game's recording and playing one back.
#include "screens/game_recording.h"

#include "game/errors.h"
#include "game/game.h"
#include "game/play_mode.h"
#include "media/system/format_date.h"
#include "screens/paused_replay.h"

namespace orv {
namespace {

// A verify gives up this many frames after the claimed end of the game.
constexpr std::int64_t kFramesPastClaim = 600;

// Everything of the game's state that a new game takes over from before it began, by name.
struct StartValue {
  const char* name;
  std::int64_t (*get)(const Game&);
  void (*set)(Game&, std::int64_t);
};

const StartValue kStartValues[] = {
    {"random", [](const Game& g) { return std::int64_t(g.media.sys.random_state()); },
     [](Game& g, std::int64_t v) { g.media.sys.set_random_state(std::uint64_t(v)); }},
    // The seed the game's levels were built from: the day's one in a daily game, so its
    // recording plays the same labyrinth on any day.
    {"world-random", [](const Game& g) { return std::int64_t(level_world_random(g)); },
     [](Game& g, std::int64_t v) { g.config.world_random = std::int32_t(v); }},
    {"level", [](const Game& g) { return std::int64_t(g.world.level); },
     [](Game& g, std::int64_t v) { g.world.level = std::int32_t(v); }},
    {"bombs", [](const Game& g) { return std::int64_t(g.world.bombs); },
     [](Game& g, std::int64_t v) { g.world.bombs = std::int32_t(v); }},
    {"level-clock", [](const Game& g) { return std::int64_t(g.frame.frame_counter); },
     [](Game& g, std::int64_t v) { g.frame.frame_counter = std::int32_t(v); }},
    {"step-counter", [](const Game& g) { return std::int64_t(g.input.step_counter); },
     [](Game& g, std::int64_t v) { g.input.step_counter = std::int32_t(v); }},
    {"action-latch", [](const Game& g) { return std::int64_t(g.input.action_latch); },
     [](Game& g, std::int64_t v) { g.input.action_latch = ActionLatch(std::uint8_t(v)); }},
    {"action-armed", [](const Game& g) { return std::int64_t(g.input.action_armed); },
     [](Game& g, std::int64_t v) { g.input.action_armed = v != 0; }},
    {"held-back", [](const Game& g) { return std::int64_t(g.input.held_back); },
     [](Game& g, std::int64_t v) { g.input.held_back = Command(std::int32_t(v)); }},
    // The screen's size steers the view; it is opened before the game starts (a verify gives
    // its headless platform a desktop of this size), so it is only noted here.
    {"screen-width", [](const Game& g) { return std::int64_t(g.frame.screen_width); },
     [](Game&, std::int64_t) {}},
    {"screen-height", [](const Game& g) { return std::int64_t(g.frame.screen_height); },
     [](Game&, std::int64_t) {}},
};

bool played_back(const TapeState& tape) {
  return tape.mode != TapeMode::kLive;
}

}  // namespace

void begin_kept_game(Game& g) {
  g.tape.start.clear();
  for (const StartValue& v : kStartValues) g.tape.start.emplace_back(v.name, v.get(g));
  if (g.tape.tape != nullptr) g.tape.tape->start_game();
}

media::GameRecord finished_game_record(const Game& g) {
  media::GameRecord r;
  r.data_set = g.frame.data_set_key;
  r.name = g.world.player_name;
  r.date = media::format_date("%yyyy-%mm-%dd", g.media.sys.date());
  r.start = g.tape.start;
  for (const std::vector<int>& keys : g.input.keys) r.bindings.push_back(keys);
  r.claim = {g.world.score, g.world.level, g.tape.tape ? g.tape.tape->game_frame() : 0};
  if (g.tape.tape != nullptr) r.input = g.tape.tape->kept();
  return r;
}

void start_played_game(Game& g, const media::GameRecord& record, bool watch_controls) {
  g.tape.own_keys = g.input.keys;
  g.tape.own_world_random = g.config.world_random;
  for (const StartValue& v : kStartValues)
    for (const auto& [name, value] : record.start)
      if (name == v.name) v.set(g, value);
  for (std::size_t c = 0; c < g.input.keys.size() && c < record.bindings.size(); ++c)
    g.input.keys[c] = record.bindings[c];
  g.tape.start = record.start;
  g.tape.outcome.reset();
  if (g.tape.tape == nullptr) return;
  g.tape.tape->start_game();
  g.tape.tape->play(record.input, watch_controls);
  if (watch_controls)
    g.tape.tape->mark_paused([&g](std::vector<media::Pixel>& picture, int width, int height) {
      mark_paused_picture(g, picture, width, height);
    });
  // The game's input starts from what the recording held at its start, as the game it came
  // from had seen it on the title.
  g.media.input.examine_keyboard();
  g.media.input.examine_joystick();
}

void check_played_game(Game& g) {
  media::TapePlatform* tape = g.tape.tape;
  if (tape == nullptr || !played_back(g.tape)) return;
  if (g.tape.mode == TapeMode::kVerify && g.tape.played &&
      tape->game_frame() > g.tape.played->claim.frames + kFramesPastClaim) {
    g.tape.outcome = PlayedOutcome{{g.world.score, g.world.level, tape->game_frame()}, false};
    end_program(g, 1);
  }
  if (g.tape.mode == TapeMode::kDemo && tape->live_input_seen()) {
    stop_demo(g);
    g.frame.title_requested = true;
    // The key that ended the demo does not start a game on the title.
    g.input.held_back = Command::kStart;
  }
}

bool end_played_game(Game& g) {
  if (!played_back(g.tape)) return false;
  const std::int64_t frames = g.tape.tape ? g.tape.tape->game_frame() : 0;
  if (g.tape.mode == TapeMode::kVerify) {
    g.tape.outcome = PlayedOutcome{{g.world.score, g.world.level, frames}, true};
    end_program(g, 0);
  }
  if (g.tape.mode == TapeMode::kDemo) {
    stop_demo(g);
    return true;
  }
  // A watched replay shows its highscore screen; from there on the player has the keys.
  if (g.tape.tape != nullptr) g.tape.tape->take_over();
  return false;
}

void stop_demo(Game& g) {
  g.tape.mode = TapeMode::kLive;
  g.input.keys = g.tape.own_keys;
  g.config.world_random = g.tape.own_world_random;
  if (g.tape.tape != nullptr) g.tape.tape->take_over();
  g.tape.idle_frames = 0;
}

}  // namespace orv
