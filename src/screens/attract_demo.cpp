// The title's demo.
#include "screens/attract_demo.h"

#include <algorithm>

#include "game/game.h"
#include "input/autopilot.h"
#include "media/files/paths.h"
#include "screens/game_recording.h"

namespace orv {
namespace {

constexpr const char* kDemoFolder = "DEMO/";

bool any_input(const Game& g) {
  const media::Input& in = g.media.input;
  if (in.keyboard_pushed(media::key::kAny)) return true;
  if (in.joystick_axis_x() != 0 || in.joystick_axis_y() != 0) return true;
  for (int b = 1; b <= 32; ++b)
    if (in.joystick_button(b)) return true;
  return false;
}

void scan_demo_files(Game& g) {
  TapeState& t = g.tape;
  t.demo_files_scanned = true;
  g.media.folders.for_each_file(g.frame.start_directory + kDemoFolder, "*.txt",
                                [&t](const std::string& name) { t.demo_files.push_back(name); });
  std::sort(t.demo_files.begin(), t.demo_files.end());
}

// The next recording of this data set, in turn; nullopt when none is.
std::optional<media::GameRecord> next_demo_record(Game& g) {
  TapeState& t = g.tape;
  for (std::size_t tried = 0; tried < t.demo_files.size(); ++tried) {
    const std::string& name = t.demo_files[t.next_demo++ % t.demo_files.size()];
    const auto bytes = media::read_whole_file(g.frame.start_directory + kDemoFolder + name,
                                              media::kGameRecordLimit);
    if (!bytes) continue;
    auto record = media::parse_game_record(std::string(bytes->begin(), bytes->end()));
    if (record && record->data_set == g.frame.data_set_key) {
      g.media.sys.notice(std::string("demo: ") + kDemoFolder + name);
      return record;
    }
  }
  return std::nullopt;
}

// The autopilot's keys: the arrow towards the best cell to paint once the level is built.
media::KeyStates autopilot_keys(const Game& g) {
  media::KeyStates keys{};
  if (g.frame.built_level != g.world.level || g.world.level < 1) return keys;
  const std::optional<int> arrow = autopilot_arrow(g, Aim::kGreedy);
  if (arrow && *arrow >= 0 && *arrow < media::key::kCount) keys[std::size_t(*arrow)] = true;
  return keys;
}

// The autopilot plays with the game's own keys, from the data set's seed and a fresh level
// clock, so the same data set always shows the same demo.
void start_live_demo(Game& g) {
  media::GameRecord start;
  start.start = {{"level-clock", 0}, {"step-counter", 0}};
  for (const std::vector<int>& keys : default_key_bindings()) start.bindings.push_back(keys);
  g.tape.mode = TapeMode::kDemo;
  start_played_game(g, start, false);
  g.media.sys.random_seed(g.config.world_random);
  g.tape.tape->play_steered([&g] { return autopilot_keys(g); });
  g.media.sys.notice("demo: the autopilot plays");
}

}  // namespace

bool demo_due(Game& g) {
  if (g.tape.tape == nullptr) return false;
  if (any_input(g)) {
    g.tape.idle_frames = 0;
    return false;
  }
  if (++g.tape.idle_frames < kIdleFramesBeforeDemo) return false;
  if (!g.tape.demo_files_scanned) scan_demo_files(g);
  g.tape.idle_frames = 0;
  g.tape.played = next_demo_record(g);
  return true;
}

bool start_demo(Game& g) {
  if (g.tape.tape == nullptr) return false;
  if (!g.tape.played) {
    start_live_demo(g);
    return true;
  }
  g.tape.mode = TapeMode::kDemo;
  start_played_game(g, *g.tape.played, false);
  return true;
}

}  // namespace orv
