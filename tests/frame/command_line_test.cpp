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

class CommandLineTable : public ::testing::TestWithParam<LineCase> {};

TEST_P(CommandLineTable, GivesTheActionValuesOrOneLineError) {
  const LineCase& c = GetParam();
  const CommandLine line = parse_command_line(c.args);
  EXPECT_EQ(line.action, c.action);
  EXPECT_EQ(line.data_folder, c.data);
  EXPECT_EQ(line.record_file, c.record);
  EXPECT_EQ(line.replay_file, c.replay);
  EXPECT_EQ(line.display_mode, c.mode);
  EXPECT_EQ(line.error, c.error);
  EXPECT_EQ(line.error.find('\n'), std::string::npos);
}

constexpr auto kPlay = Action::kPlay;
constexpr auto kError = Action::kUsageError;
constexpr auto kFull = DisplayMode::kFullscreen;
constexpr auto kWin = DisplayMode::kWindow;

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandLineTable,
    ::testing::Values(
        LineCase{{}, kPlay, "", "", "", std::nullopt, ""},
        LineCase{{"--help"}, Action::kHelp, "", "", "", std::nullopt, ""},
        LineCase{{"-h"}, Action::kHelp, "", "", "", std::nullopt, ""},
        LineCase{{"--version"}, Action::kVersion, "", "", "", std::nullopt, ""},
        // --help ends the reading: what follows it does not matter.
        LineCase{{"--help", "--bogus"}, Action::kHelp, "", "", "", std::nullopt, ""},
        LineCase{{"--data", "/d", "--fullscreen"}, kPlay, "/d", "", "", kFull, ""},
        LineCase{{"--data=/d e"}, kPlay, "/d e", "", "", std::nullopt, ""},
        LineCase{{"--fullscreen", "--window"}, kPlay, "", "", "", kWin, ""},
        LineCase{{"--window", "--fullscreen"}, kPlay, "", "", "", kFull, ""},
        LineCase{{"--record", "r.txt"}, kPlay, "", "r.txt", "", std::nullopt, ""},
        LineCase{{"--replay=p.txt", "--window"}, kPlay, "", "", "p.txt", kWin, ""},
        LineCase{{"--bogus"}, kError, "", "", "", std::nullopt, "unknown option --bogus"},
        LineCase{{"level.ai42"}, kError, "", "", "", std::nullopt, "unknown option level.ai42"},
        LineCase{{"--data"}, kError, "", "", "", std::nullopt, "--data needs a value"},
        LineCase{{"--record="}, kError, "", "", "", std::nullopt, "--record needs a value"},
        LineCase{{"--window=1"}, kError, "", "", "", std::nullopt, "--window takes no value"},
        LineCase{{"--record", "a", "--replay", "b"},
                 kError,
                 "",
                 "",
                 "",
                 std::nullopt,
                 "--record and --replay cannot be used together"}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(CommandLineDaily, IsAFlagThatGoesWithEveryOtherOptionButTakesNoValue) {
  const CommandLine line = parse_command_line({"--daily", "--record", "r.txt", "--window"});
  EXPECT_EQ(std::tuple(line.action, line.daily, line.record_file),
            std::tuple(kPlay, true, "r.txt"));
  EXPECT_FALSE(parse_command_line({"--window"}).daily);
  EXPECT_EQ(parse_command_line({"--daily=2026-12-08"}).error, "--daily takes no value");
}

TEST(CommandLineRenderer, TakesSoftwareOrGpuAndNothingElse) {
  EXPECT_EQ(parse_command_line({"--renderer", "gpu"}).renderer, "gpu");
  EXPECT_EQ(parse_command_line({"--renderer=software", "--window"}).renderer, "software");
  EXPECT_EQ(parse_command_line({}).renderer, "");
  EXPECT_EQ(parse_command_line({"--renderer", "opengl"}).error, "--renderer takes software or gpu");
  EXPECT_EQ(parse_command_line({"--renderer"}).error, "--renderer needs a value");
}

TEST(CommandLineHelp, HasEveryOptionOnALineAndEveryPlace) {
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
TEST(CommandLineKeptGames, VerifyAndExportTakeTheirValuesAndExcludeEachOther) {
  const CommandLine verify = parse_command_line({"--data", "d", "--verify=game.txt"});
  EXPECT_EQ(verify.action, Action::kPlay);
  EXPECT_EQ(verify.verify_file, "game.txt");
  EXPECT_EQ(parse_command_line({"--export-score", "3"}).export_score, "3");
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
