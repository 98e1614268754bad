// The pages of the options screen: the list of settings, the player name entry and the key
// bindings. Each page draws itself and takes one frame's menu input.
#pragma once

#include <string>

#include "input/menu_input.h"

namespace orv {

struct Game;

enum class OptionsPage { kList, kName, kControls, kClosed };

struct OptionsState {
  OptionsPage page = OptionsPage::kList;
  int row = 0;           // the chosen line of the list
  int control = 0;       // the chosen control of the key bindings
  bool waiting = false;  // the chosen control waits for its new key
  std::string name;      // the name being entered
  int cursor = 0;        // where in it: 0 .. its length
};

// The rows of the list, in the order shown.
enum OptionsRow {
  kRowMusic,
  kRowEffects,
  kRowDisplay,
  kRowScaling,
  kRowIntro,
  kRowFocusPause,
  kRowColourAssist,
  kRowPlayerName,
  kRowControls,
  kOptionsRows
};

// One line of the options pages at row (0 the first, fractions allowed), its label and its value;
// the chosen line is drawn fully opaque and marked.
void draw_options_line(Game& g, float row, const std::string& label, const std::string& value,
                       bool chosen);

}  // namespace orv
