// The command line: each option, the forms of values, and what is a usage error.
#include "frame/command_line.h"

#include <gtest/gtest.h>

#include <tuple>

namespace orv {
namespace {

using Action = CommandLine::Action;
using media::DisplayMode;

struct LineCase {
  std::vector<std::string> args;
  Action action;
  std::string data, record, replay;
  std::optional<DisplayMode> mode;
  std::string error;
};

constexpr auto kPlay = Action::kPlay;
constexpr auto kError = Action::kUsageError;
constexpr auto kFull = DisplayMode::kFullscreen;
constexpr auto kWin = DisplayMode::kWindow;
constexpr std::optional<DisplayMode> kNone;

TEST(CommandLineTable, GivesTheActionValuesOrOneLineError) {
  const std::string kBoth = "--record and --replay cannot be used together";
  const LineCase cases[] = {
      {{}, kPlay, "", "", "", kNone, ""},
      {{"--help"}, Action::kHelp, "", "", "", kNone, ""},
      {{"-h"}, Action::kHelp, "", "", "", kNone, ""},
      {{"--version"}, Action::kVersion, "", "", "", kNone, ""},
      // --help ends the reading: what follows it does not matter.
      {{"--help", "--bogus"}, Action::kHelp, "", "", "", kNone, ""},
      {{"--data", "/d", "--fullscreen"}, kPlay, "/d", "", "", kFull, ""},
      {{"--data=/d e"}, kPlay, "/d e", "", "", kNone, ""},
      {{"--fullscreen", "--window"}, kPlay, "", "", "", kWin, ""},
      {{"--window", "--fullscreen"}, kPlay, "", "", "", kFull, ""},
      {{"--record", "r.txt"}, kPlay, "", "r.txt", "", kNone, ""},
      {{"--replay=p.txt", "--window"}, kPlay, "", "", "p.txt", kWin, ""},
      {{"--bogus"}, kError, "", "", "", kNone, "unknown option --bogus"},
      {{"level.ai42"}, kError, "", "", "", kNone, "unknown option level.ai42"},
      {{"--data"}, kError, "", "", "", kNone, "--data needs a value"},
      {{"--record="}, kError, "", "", "", kNone, "--record needs a value"},
      {{"--window=1"}, kError, "", "", "", kNone, "--window takes no value"},
      {{"--record", "a", "--replay", "b"}, kError, "", "", "", kNone, kBoth}};
  for (const LineCase& c : cases) {
    const CommandLine line = parse_command_line(c.args);
    EXPECT_EQ(std::tie(line.action, line.data_folder, line.record_file, line.replay_file,
                       line.display_mode, line.error),
              std::tie(c.action, c.data, c.record, c.replay, c.mode, c.error))
        << (c.args.empty() ? "" : c.args[0]) << " (" << c.args.size() << " words)";
    EXPECT_EQ(line.error.find('\n'), std::string::npos);
  }
}

TEST(CommandLineDaily, IsAFlagThatGoesWithEveryOtherOptionButTakesNoValue) {
  const CommandLine line = parse_command_line({"--daily", "--record", "r.txt", "--window"});
  EXPECT_EQ(std::tuple(line.action, line.daily, line.record_file),
            std::tuple(kPlay, true, "r.txt"));
  EXPECT_FALSE(parse_command_line({"--window"}).daily);
  EXPECT_EQ(parse_command_line({"--daily=2026-12-08"}).error, "--daily takes no value");
}

TEST(CommandLineRenderer, TakesOnlySoftwareOrGpu) {
  EXPECT_EQ(parse_command_line({"--renderer", "gpu"}).renderer, "gpu");
  EXPECT_EQ(parse_command_line({"--renderer=software", "--window"}).renderer, "software");
  EXPECT_EQ(parse_command_line({}).renderer, "");
  EXPECT_EQ(parse_command_line({"--renderer", "opengl"}).error, "--renderer takes software or gpu");
  EXPECT_EQ(parse_command_line({"--renderer"}).error, "--renderer needs a value");
}

TEST(CommandLineHelp, ListsEveryOptionOnItsLineWithEveryPlace) {
  const std::string help =
      help_text({"/inst/", "/src/", "/state/", "/pics/", "/scores/", "/config/"});
  for (const char* text :
       {"\n  --help ", "\n  --version ", "\n  --data DIR ", "\n  --fullscreen ", "\n  --window ",
        "\n  --record FILE ", "\n  --daily ", "\n  --replay FILE ", "/inst/", "/src/", "/state/",
        "/pics/", "/scores/", "orvante-check", "orvante-level", "/config/settings.txt",
        "/config/controls.txt", "\n  MUSICVOLUME ", "\n  PLAYERNAME "})
    EXPECT_NE(help.find(text), std::string::npos) << text;
  EXPECT_EQ(help.rfind(usage_text(), 0), 0u);
}

// The tasks on kept games take their values and exclude each other and playing.
TEST(CommandLineKeptGames, EachTaskTakesItsValueAloneWithoutAnother) {
  const CommandLine verify = parse_command_line({"--data", "d", "--verify=game.txt"});
  EXPECT_EQ(std::tuple(verify.action, verify.verify_file,
                       parse_command_line({"--export-score", "3"}).export_score),
            std::tuple(Action::kPlay, "game.txt", "3"));
  for (const std::vector<std::string>& bad : {std::vector<std::string>{"--export-score", "0"},
                                              {"--export-score", "x"},
                                              {"--export-score", "2", "--verify", "f"},
                                              {"--verify", "f", "--replay", "g"},
                                              {"--verify"}}) {
    const CommandLine line = parse_command_line(bad);
    EXPECT_EQ(line.action, Action::kUsageError) << bad.front() << " " << bad.back();
  }
  const std::string help = help_text({});
  for (const char* text : {"\n  --verify FILE ", "\n  --export-score N "})
    EXPECT_NE(help.find(text), std::string::npos) << text;
}

}  // namespace
}  // namespace orv
