// The patterns that fix painted floor: a painted cell that closes one of four small
// neighbourhoods of the same colour becomes fixed.
#pragma once

namespace orv {

struct Game;

// Blue paint on cell (x, y) becomes fixed floor when it closes a pattern: it scores the fixed
// floor's value and counts one down from the remaining count.
void fix_blue_patterns(Game& g, int x, int y);
// Pink paint on cell (x, y) becomes fixed pink floor when it closes a pattern.
void fix_pink_patterns(Game& g, int x, int y);

}  // namespace orv
