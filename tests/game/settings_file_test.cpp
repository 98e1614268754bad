// settings.txt: what is written is read back, a failed write keeps the old file, and bad lines
// are reported with their line numbers while the defaults stand in for them.
#include "game/settings_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <tuple>

#include "support/files_temp_folder.h"

namespace orv {
namespace {

Settings changed_settings() {
  Settings s;
  s.music_volume = 0, s.effects_volume = 7, s.display = media::DisplayMode::kFullscreen;
  s.scaling = media::Scaling::kSharp, s.intro_shown = false, s.focus_pause = false;
  s.colour_assist = true;
  s.player_name = "Ann \xC9lise 42";  // Latin-1 E acute
  return s;
}

Settings parsed(const std::string& text, std::string* errors = nullptr) {
  std::ostringstream out;
  Settings s = parse_settings(text, "settings.txt", out);
  if (errors) *errors = out.str();
  return s;
}

TEST(SettingsFile, EverySettingSurvivesAWriteThenARead) {
  const Settings s = changed_settings();
  std::string errors;
  EXPECT_EQ(parsed(format_settings(s), &errors), s);
  EXPECT_EQ(errors, "");
  EXPECT_EQ(parsed(format_settings(Settings{})), Settings{});

  media::testing::FilesTempFolder dir;
  const std::string path = dir / "orvante/settings.txt";  // the folder is made
  ASSERT_TRUE(save_settings_file(path, s));
  std::ostringstream out;
  EXPECT_EQ(read_settings_file(path, out), s);
  EXPECT_EQ(out.str(), "");
}

TEST(SettingsFile, AMissingFileSilentlyGivesTheGameAsItAlwaysWas) {
  const Settings s;
  EXPECT_EQ(std::tuple(s.music_volume, s.effects_volume, s.display, s.scaling),
            std::tuple(10, 10, media::DisplayMode::kWindow, media::Scaling::kSmooth));
  EXPECT_EQ(std::tuple(s.intro_shown, s.focus_pause, s.colour_assist, s.player_name),
            std::tuple(true, true, false, ""));
  media::testing::FilesTempFolder dir;
  std::ostringstream out;
  EXPECT_EQ(read_settings_file(dir / "settings.txt", out), Settings{});
  EXPECT_EQ(out.str(), "");
}

TEST(SettingsFile, AnyLineEndOrLetterCaseReads) {
  const Settings s = parsed("musicvolume\r\n3\r\nScaling\rsharp\nINTRO\nskipped");
  EXPECT_EQ(std::tuple(s.music_volume, s.scaling), std::tuple(3, media::Scaling::kSharp));
  EXPECT_FALSE(s.intro_shown);
}

TEST(SettingsFile, BadLinesAreReportedByNumberWhileTheDefaultsStay) {
  std::string errors;
  const Settings s = parsed(
      "MUSICVOLUME\n11\n"                // 1, 2: out of range
      "LOUDNESS\n5\n"                    // 3: unknown key
      "EFFECTSVOLUME\n4\n"               // 5, 6: fine
      "SCALING\nblurry\n"                // 7, 8: no such word
      "EFFECTSVOLUME\n-1\n"              // 9, 10: a later bad value keeps the earlier good one
      "PLAYERNAME\nA|B\n"                // 11, 12: a text control character
      "PLAYERNAME\n12345678901234567\n"  // 13, 14: 17 characters
      "DISPLAY\n",                       // 15: no value
      &errors);
  EXPECT_EQ(errors,
            "settings.txt:2: bad value \"11\" for MUSICVOLUME (0 to 10), default used\n"
            "settings.txt:3: unknown key \"LOUDNESS\", pair ignored\n"
            "settings.txt:8: bad value \"blurry\" for SCALING (SMOOTH or SHARP), default used\n"
            "settings.txt:10: bad value \"-1\" for EFFECTSVOLUME (0 to 10), default used\n"
            "settings.txt:12: bad value \"A|B\" for PLAYERNAME (up to 16 printable Latin-1 "
            "characters but | and \\), default used\n"
            "settings.txt:14: bad value \"12345678901234567\" for PLAYERNAME (up to 16 printable "
            "Latin-1 characters but | and \\), default used\n"
            "settings.txt:15: DISPLAY has no value, default used\n");
  Settings expected;
  expected.effects_volume = 4;
  EXPECT_EQ(s, expected);
}

TEST(SettingsFile, UnreadableFilesAreReportedNotTrusted) {
  std::string errors;
  parsed("PLAYERNAME\nA\x01\x7F", &errors);
  EXPECT_EQ(errors.rfind("settings.txt:2: bad value \"A\\x01\\x7F\" for PLAYERNAME", 0), 0u)
      << errors;
  media::testing::FilesTempFolder dir;
  dir.write("settings.txt", "MUSICVOLUME\n1\n" + std::string(100 * 1024, '\n'));
  std::ostringstream out;
  EXPECT_EQ(read_settings_file(dir / "settings.txt", out), Settings{});
  EXPECT_NE(out.str().find("settings.txt:1: not readable or larger than"), std::string::npos);
}

// The write stops half way, as on a full disk: the old file stays whole and no temporary file
// is left beside it.
TEST(SettingsFile, AWriteFailingHalfWayKeepsTheOldFile) {
  media::testing::FilesTempFolder dir;
  const std::string path = dir / "settings.txt";
  ASSERT_TRUE(save_settings_file(path, Settings{}));
  const std::string before = dir.read("settings.txt");
  EXPECT_FALSE(media::testing::write_with_size_limit(
      20, [&] { return save_settings_file(path, changed_settings()); }));
  EXPECT_EQ(dir.read("settings.txt"), before);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(SettingsFile, TheHelpNamesEveryKeyOnceWithItsDefault) {
  const std::string help = settings_help();
  for (const char* key : {"MUSICVOLUME", "EFFECTSVOLUME", "DISPLAY", "SCALING", "INTRO",
                          "FOCUSPAUSE", "COLOURASSIST", "PLAYERNAME"}) {
    EXPECT_NE(help.find(std::string("  ") + key + " "), std::string::npos) << key;
    EXPECT_NE(format_settings(Settings{}).find(std::string(key) + "\n"), std::string::npos);
  }
  EXPECT_EQ(std::count(help.begin(), help.end(), '\n'), 8);
}

}  // namespace
}  // namespace orv
