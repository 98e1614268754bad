// The player's key bindings file: good, missing and bad entries.
#include "input/controls_file.h"

#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

#include "input/input_test_support.h"
#include "media/key_names.h"

namespace orv {
namespace {

namespace key = media::key;

class ControlsFile : public test::InputTest {
 protected:
  // Writes controls.txt with the given lines, reads it and returns what was reported.
  std::string read(std::initializer_list<std::string> l) {
    path = t.dir.write("controls.txt", test::lines(l));
    std::ostringstream errors;
    read_controls_file(g, path, errors);
    return errors.str();
  }
  const std::vector<int>& keys(Control c) const { return g.input.keys[std::size_t(c)]; }

  std::string path;
};

TEST_F(ControlsFile, AKeyGoesOnlyToTheLastControlNamingIt) {
  EXPECT_EQ(read({"UP", "W", "left", "a, q", "LEFT", "KP4", "RIGHT", "d", "BOMB", "SPACE"}), "");
  EXPECT_EQ(keys(Control::kUp), std::vector<int>{0x11});
  EXPECT_EQ(keys(Control::kLeft), (std::vector<int>{key::kA, 0x10, 0x4B}));
  EXPECT_EQ(keys(Control::kBomb), std::vector<int>{key::kSpace}) << "A went to LEFT";
  EXPECT_EQ(keys(Control::kY), std::vector<int>{key::kY}) << "D went to RIGHT";
  EXPECT_EQ(keys(Control::kDown), std::vector<int>{key::kDown});
  EXPECT_EQ(keys(Control::kX), (std::vector<int>{key::kC, key::kX}));

  press(0x11);  // W
  EXPECT_EQ(g.input.held_direction, HeldDirection::kUp);
  press(key::kUp);
  EXPECT_EQ(g.input.held_direction, HeldDirection::kNone) << "the arrow is no longer bound";
}

TEST_F(ControlsFile, AMissingFileKeepsTheGamesKeys) {
  std::ostringstream errors;
  read_controls_file(g, t.dir.path() + "controls.txt", errors);
  EXPECT_EQ(std::tuple(g.input.keys, errors.str()), std::tuple(default_key_bindings(), ""));
}

TEST_F(ControlsFile, BadPairsAreIgnoredWithTheirLineNumbersReported) {
  const std::string errors = read({"UP", "W",               // 1, 2
                                   "JUMP", "SPACE",         // 3, 4
                                   "DOWN", "S NOPE",        // 5, 6
                                   "RIGHT", "",             // 7, 8
                                   "", "",                  // 9, 10: skipped quietly
                                   "SCREENSHOT", "F5 F12",  // 11, 12
                                   "QUIT"});                // 13, and no line 14
  EXPECT_EQ(errors, path + ":3: unknown control \"JUMP\", pair ignored\n" +  //
                        path + ":6: unknown key \"NOPE\", pair ignored\n" +  //
                        path + ":8: no key given, pair ignored\n" +          //
                        path + ":14: no key given, pair ignored\n");
  EXPECT_EQ(std::tuple(keys(Control::kUp), keys(Control::kDown), keys(Control::kRight)),
            std::tuple(std::vector{0x11}, std::vector{key::kDown}, std::vector{key::kRight}));
  EXPECT_EQ(keys(Control::kScreenshot), (std::vector<int>{0x3F, key::kF12}));
  EXPECT_EQ(keys(Control::kQuit), std::vector<int>{key::kEscape});
}

// A hostile file (random bytes, escape sequences included) gives at most ten findings and a
// count of the rest, with no byte on the terminal outside printable ASCII.
TEST_F(ControlsFile, FindingsOfAnyFileAreCappedPrintableLines) {
  std::string bytes;
  std::uint32_t state = 12345;
  for (int i = 0; i < 1 << 20; ++i) {
    state = state * 1664525u + 1013904223u;
    bytes += char(state >> 24);
  }
  path = t.dir.write("controls.txt", "UP\n\x1b[31mW\n" + bytes);
  std::ostringstream errors;
  read_controls_file(g, path, errors);
  const std::string told = errors.str();
  EXPECT_LE(std::count(told.begin(), told.end(), '\n'), 11);
  EXPECT_NE(told.find("unknown key \"\\x1B[31mW\""), std::string::npos) << told;
  EXPECT_NE(told.find(" more\n"), std::string::npos);
  for (char c : told) EXPECT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7f)) << int(c);
}

// Whatever keys the options screen binds, the file it rewrites reads back as exactly those
// bindings, from a file that named some controls (twice, even) or from none, and keeps the
// lines it cannot read.
TEST_F(ControlsFile, RewrittenFilesReadBackAsTheBindingsTheyWereWrittenFor) {
  const std::string starts[] = {"", "LEFT\nA\nNOSUCH\nQ\n", "UP\nW\nup\nI\nPAUSE\nP\n"};
  const int new_keys[] = {key::kA, key::kP, key::kSpace, 0x11, key::kEscape, key::kDown, 0x10};
  std::uint32_t seed = 7;
  for (const std::string& start : starts)
    for (int round = 0; round < 40; ++round) {
      g.input.keys = default_key_bindings();
      path = t.dir.write("controls.txt", start);
      std::ostringstream ignored;
      read_controls_file(g, path, ignored);
      for (int n = 0; n < 1 + round % 4; ++n) {
        seed = seed * 1103515245u + 12345u;
        rebind_control(g.input.keys, Control((seed >> 8) % kControlCount),
                       new_keys[(seed >> 20) % std::size(new_keys)]);
      }
      const KeyBindings bound = g.input.keys;
      ASSERT_TRUE(save_controls_file(g.input, path));
      const std::string written = t.dir.read("controls.txt");
      g.input.keys = default_key_bindings();
      std::ostringstream errors;
      read_controls_file(g, path, errors);
      ASSERT_EQ(g.input.keys, bound) << start << " became\n" << written;
      if (start.find("NOSUCH\nQ\n") != std::string::npos) {
        EXPECT_NE(written.find("NOSUCH\nQ\n"), std::string::npos);
      }
    }
}

TEST_F(ControlsFile, ARebindMovesTheKeyToItsNewControl) {
  rebind_control(g.input.keys, Control::kUp, key::kA);
  EXPECT_EQ(keys(Control::kUp), std::vector<int>{key::kA});
  EXPECT_EQ(keys(Control::kBomb), std::vector<int>{key::kSpace});
}

TEST_F(ControlsFile, EveryNameReadsBackAsTheFileWritesIt) {
  for (int c = 0; c < kControlCount; ++c) {
    const std::string name = control_name(Control(c));
    EXPECT_EQ(read({name, "F5"}), "") << name;
  }
  EXPECT_EQ(std::tuple(media::key_name(key::kSpace), media::key_by_name(media::key_name(0xC9)),
                       media::key_name(0xFF)),
            std::tuple("SPACE", 0xC9, ""));
}

}  // namespace
}  // namespace orv
