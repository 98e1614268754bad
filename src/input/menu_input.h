// The input of the menus: presses rather than held keys, with a held direction repeating, from
// the keyboard (the player's bindings) and the pad alike.
#pragma once

#include <cstdint>

namespace orv {

struct Game;

struct MenuInput {
  bool up = false, down = false, left = false, right = false;  // pressed, or repeating
  bool confirm = false;  // Return, the bomb keys (Space, A) or pad button A
  bool enter = false;    // Return or pad button A alone (where letters are typed)
  bool back = false;     // the quit key (Escape) or pad Back
  bool pad_b = false;    // pad button B (where it means back, beside Escape)
  bool erase = false;    // Backspace
  int typed = -1;        // the character of a letter, digit or sign key just pressed; -1 none
  int key = -1;          // the first key just pressed, of any kind; -1 none
};

// Takes this frame's snapshots and says what was pressed since the last call.
MenuInput read_menu_input(Game& g);
// Counts what is held now as seen: a key that opened a menu does not act in it.
void start_menu_input(Game& g);

// A held direction repeats after this many frames, then every kMenuRepeatEvery frames.
constexpr int kMenuRepeatAfter = 20;
constexpr int kMenuRepeatEvery = 5;

}  // namespace orv
