// The game's entry point: the command line, the real platform, the media services, the game.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "frame/command_line.h"
#include "frame/data_folder_choice.h"
#include "frame/main_loop.h"
#include "frame/start_up.h"
#include "game/errors.h"
#include "game/game.h"
#include "media/files/data_folder.h"
#include "media/files/file_replace.h"
#include "media/files/paths.h"
#include "media/input_recording.h"
#include "media/media.h"
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

std::optional<orv::media::Recording> read_recording(const std::string& file) {
  const auto bytes = orv::media::read_whole_file(file, kRecordingLimit);
  if (!bytes) return std::nullopt;
  return orv::media::parse_recording(std::string(bytes->begin(), bytes->end()));
}

// A recorded or replayed game starts the random generator from the recording's seed; any other
// from the clock, as it always has.
int play(orv::media::Platform& platform, const orv::CommandLine& line,
         std::optional<std::int32_t> seed) {
  orv::media::Media media(platform);
  orv::Game game(media);
  if (seed) media.sys.random_seed(*seed);
  game.frame.replaying = !line.replay_file.empty();
  game.frame.play.daily_at_start = line.daily;
  game.config.display_mode = line.display_mode.value_or(orv::media::DisplayMode::kWindow);
  game.frame.display_chosen = line.display_mode.has_value();
  game.frame.recorded_input = !line.record_file.empty() || !line.replay_file.empty();
  try {
    orv::enter_data_folder(game, line.data_folder, {installed_data(), ORV_SOURCE_DATA});
    orv::start_up(game);
    orv::main_loop(game);
  } catch (const orv::ProgramEnd& end) {
    return end.exit_code;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  orv::media::keep_large_blocks_returnable();
  orv::CommandLine line = orv::parse_command_line({argv + 1, argv + argc});
  if (auto status = answer_command_line(line)) return *status;
  // The game moves into its data folder: the recording is named from where it was started.
  if (!line.record_file.empty())
    line.record_file = std::filesystem::absolute(line.record_file).string();

  using Recorder = orv::media::InputRecordingPlatform;
  orv::media::Recording recording;
  if (!line.replay_file.empty()) {
    auto replay = read_recording(line.replay_file);
    if (!replay) {
      print(stderr, "orvante: " + line.replay_file + " is not a recording\n");
      return 1;
    }
    recording = std::move(*replay);
  }
  auto sdl = orv::media::make_sdl_platform();
  if (!sdl) {
    std::fprintf(stderr, "ERROR : the video system could not be started\n");
    return 1;
  }
  std::optional<Recorder> recorder;
  if (!line.replay_file.empty()) recorder.emplace(*sdl, Recorder::Mode::kReplay, recording.events);
  if (!line.record_file.empty()) {
    recorder.emplace(*sdl, Recorder::Mode::kRecord);
    recording.seed = std::int32_t(sdl->now_ns() / 1'000'000);
  }
  std::optional<std::int32_t> seed;
  if (recorder) seed = recording.seed;
  const int status =
      play(recorder ? static_cast<orv::media::Platform&>(*recorder) : *sdl, line, seed);
  if (!line.record_file.empty()) {
    recording.events = recorder->events();
    if (!orv::media::replace_file(line.record_file, orv::media::format_recording(recording)))
      print(stderr, "orvante: could not write the recording " + line.record_file + "\n");
  }
  return status;
}
