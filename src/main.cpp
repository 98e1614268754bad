// The game's entry point: the command line, the real platform, the media services, the game.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "frame/command_line.h"
#include "frame/data_folder_choice.h"
#include "frame/kept_games.h"
#include "frame/main_loop.h"
#include "frame/start_up.h"
#include "game/errors.h"
#include "game/game.h"
#include "media/files/data_folder.h"
#include "media/files/file_replace.h"
#include "media/files/paths.h"
#include "media/game_record.h"
#include "media/game_tape.h"
#include "media/input_recording.h"
#include "media/media.h"
#include "media/platform_headless/headless_platform.h"
#include "media/platform_sdl/sdl_factory.h"

namespace {

// A recording larger than this is no recording of a game.
constexpr std::size_t kRecordingLimit = 256 * 1024 * 1024;

// The data folder installed with the game, seen from the installed program.
std::string installed_data() {
  const std::string folder = orv::media::executable_folder();
  if (folder.empty()) return {};
  return std::filesystem::path(folder + ORV_DATA_FROM_BINDIR).lexically_normal().string();
}

void print(FILE* stream, const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stream);
}

// Answers --help, --version and a command line the game does not understand; nullopt when the
// game is to be played.
std::optional<int> answer_command_line(const orv::CommandLine& line) {
  using Action = orv::CommandLine::Action;
  const orv::media::UserFolders user;
  switch (line.action) {
    case Action::kHelp:
      print(stdout,
            orv::help_text({installed_data(), ORV_SOURCE_DATA, user.state_folder(),
                            user.pictures_folder(), user.data_folder(), user.config_folder()}));
      return 0;
    case Action::kVersion:
      print(stdout, "orvante " ORV_VERSION "\n");
      return 0;
    case Action::kUsageError:
      print(stderr, "orvante: " + line.error + "\n" + orv::usage_text());
      return orv::kExitUsage;
    case Action::kPlay:
      break;
  }
  return std::nullopt;
}

std::optional<std::string> read_text(const std::string& file, std::size_t limit) {
  const auto bytes = orv::media::read_whole_file(file, limit);
  if (!bytes) return std::nullopt;
  return std::string(bytes->begin(), bytes->end());
}

// What --replay plays: a recorded session or one kept game.
struct Replay {
  orv::media::Recording session;
  std::optional<orv::media::GameRecord> game;
};

std::optional<Replay> read_replay(const std::string& file) {
  const auto text = read_text(file, kRecordingLimit);
  if (!text) return std::nullopt;
  Replay replay;
  replay.game = orv::media::parse_game_record(*text);
  if (replay.game) return replay;
  auto session = orv::media::parse_recording(*text);
  if (!session) return std::nullopt;
  replay.session = std::move(*session);
  return replay;
}

// A recorded or replayed session starts the random generator from the recording's seed; any
// other from the clock, as it always has. Every game's input is kept by the tape.
int play(orv::media::TapePlatform& tape, const orv::CommandLine& line,
         std::optional<std::int32_t> seed, const std::optional<orv::media::GameRecord>& kept) {
  orv::media::Media media(tape);
  orv::Game game(media);
  game.tape.tape = &tape;
  if (seed) media.sys.random_seed(*seed);
  game.frame.replaying = !line.replay_file.empty();
  game.frame.play.daily_at_start = line.daily;
  game.config.display_mode = line.display_mode.value_or(orv::media::DisplayMode::kWindow);
  game.frame.display_chosen = line.display_mode.has_value();
  game.frame.recorded_input = !line.record_file.empty() || !line.replay_file.empty();
  if (kept) {
    game.tape.mode = orv::TapeMode::kWatch;
    game.tape.played = kept;
  }
  try {
    orv::enter_data_folder(game, line.data_folder, {installed_data(), ORV_SOURCE_DATA});
    orv::start_up(game);
    orv::main_loop(game);
  } catch (const orv::ProgramEnd& end) {
    return end.exit_code;
  }
  return 0;
}

int verify(const orv::CommandLine& line) {
  const auto text = read_text(line.verify_file, orv::media::kGameRecordLimit);
  const auto record = text ? orv::media::parse_game_record(*text) : std::nullopt;
  if (!record) {
    print(stderr, "orvante: " + line.verify_file + " is not a kept game\n");
    return 1;
  }
  orv::media::HeadlessPlatform headless;
  headless.set_desktop(orv::recorded_desktop(*record));
  headless.keep_presented(false);
  const orv::TaskOutcome outcome = orv::verify_kept_game(headless, *record, line.data_folder,
                                                         {installed_data(), ORV_SOURCE_DATA});
  print(outcome.exit_code == 0 ? stdout : stderr, outcome.text);
  return outcome.exit_code;
}

int export_score(const orv::CommandLine& line) {
  const std::string here = std::filesystem::current_path().string() + "/";
  orv::media::HeadlessPlatform headless;
  const orv::TaskOutcome outcome =
      orv::export_kept_score(headless, std::stoi(line.export_score), here, line.data_folder,
                             {installed_data(), ORV_SOURCE_DATA});
  print(outcome.exit_code == 0 ? stdout : stderr, outcome.text);
  return outcome.exit_code;
}

}  // namespace

int main(int argc, char** argv) {
  orv::media::keep_large_blocks_returnable();
  orv::CommandLine line = orv::parse_command_line({argv + 1, argv + argc});
  if (auto status = answer_command_line(line)) return *status;
  // The game moves into its data folder: the recording is named from where it was started.
  if (!line.record_file.empty())
    line.record_file = std::filesystem::absolute(line.record_file).string();

  if (!line.verify_file.empty()) return verify(line);
  if (!line.export_score.empty()) return export_score(line);

  using Recorder = orv::media::InputRecordingPlatform;
  std::optional<Replay> replay;
  if (!line.replay_file.empty()) {
    replay = read_replay(line.replay_file);
    if (!replay) {
      print(stderr, "orvante: " + line.replay_file + " is not a recording\n");
      return 1;
    }
  }
  using orv::media::Presenter;
  const Presenter presenter = line.renderer == "gpu"        ? Presenter::kGpu
                              : line.renderer == "software" ? Presenter::kSoftware
                                                            : Presenter::kAuto;
  auto sdl = orv::media::make_sdl_platform(presenter);
  if (!sdl) {
    std::fprintf(stderr, "ERROR : the video system could not be started\n");
    return 1;
  }
  orv::media::Recording recording;
  std::optional<Recorder> recorder;
  if (!line.record_file.empty()) {
    recorder.emplace(*sdl, Recorder::Mode::kRecord);
    recording.seed = std::int32_t(sdl->now_ns() / 1'000'000);
  }
  orv::media::TapePlatform tape(recorder ? static_cast<orv::media::Platform&>(*recorder) : *sdl);
  std::optional<std::int32_t> seed;
  if (recorder) seed = recording.seed;
  // A recorded session plays from its first frame on, the player watching.
  if (replay && !replay->game) {
    seed = replay->session.seed;
    tape.start_game();
    tape.play({replay->session.events, {}}, true);
  }
  const int status = play(tape, line, seed, replay ? replay->game : std::nullopt);
  if (!line.record_file.empty()) {
    recording.events = recorder->events();
    if (!orv::media::replace_file(line.record_file, orv::media::format_recording(recording)))
      print(stderr, "orvante: could not write the recording " + line.record_file + "\n");
  }
  return status;
}
