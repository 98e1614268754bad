// The player name entry: typed on the keyboard, or picked letter by letter with the pad (Up and
// Down change the letter under the cursor, Left and Right move it, A confirms, Back cancels).
#include "screens/name_entry.h"

#include "game/game.h"
#include "screens/options_pages.h"

namespace orv {
namespace {

bool drawable(const Game& g, std::uint8_t c) {
  return valid_name_character(c) && (c == ' ' || g.text.glyphs[c].sprite);
}

// Up (+1) or Down (-1) on the letter under the cursor; past the end a new letter begins.
void turn_letter(const Game& g, OptionsState& s, int step) {
  const std::string alphabet = name_alphabet(g);
  if (alphabet.empty()) return;
  if (s.cursor == int(s.name.size())) {
    if (s.name.size() >= kMaxPlayerName) return;
    s.name += step > 0 ? alphabet[std::min<std::size_t>(1, alphabet.size() - 1)] : alphabet.back();
    return;
  }
  const std::size_t at = alphabet.find(s.name[std::size_t(s.cursor)]);
  const std::size_t n = alphabet.size();
  const std::size_t next =
      at == std::string::npos ? 0 : (step > 0 ? (at + 1) % n : (at + n - 1) % n);
  s.name[std::size_t(s.cursor)] = alphabet[next];
}

void type_character(const Game& g, OptionsState& s, int c) {
  if (!drawable(g, std::uint8_t(c))) return;
  if (s.cursor < int(s.name.size())) {
    s.name[std::size_t(s.cursor)] = char(c);
  } else if (s.name.size() < kMaxPlayerName) {
    s.name += char(c);
  } else {
    return;
  }
  ++s.cursor;
}

void finish(Game& g, OptionsState& s) {
  std::string name = s.name;
  while (!name.empty() && name.back() == ' ') name.pop_back();
  while (!name.empty() && name.front() == ' ') name.erase(name.begin());
  g.settings.player_name = name;
  g.world.player_name = name.empty() ? g.world.login_name : name;
  s.page = OptionsPage::kList;
}

// The name with the cursor shown: the letter under it in brackets, or "_" past the end.
std::string shown_name(const OptionsState& s) {
  if (s.cursor >= int(s.name.size())) return s.name + "_";
  const std::size_t at = std::size_t(s.cursor);
  return s.name.substr(0, at) + "(" + s.name[at] + ")" + s.name.substr(at + 1);
}

}  // namespace

std::string name_alphabet(const Game& g) {
  std::string alphabet = " ";
  auto add = [&](int from, int to) {
    for (int c = from; c <= to; ++c)
      if (c != ' ' && drawable(g, std::uint8_t(c)) && alphabet.find(char(c)) == std::string::npos)
        alphabet += char(c);
  };
  add('A', 'Z');
  add('a', 'z');
  add('0', '9');
  add(0x20, 0xFF);
  return alphabet;
}

void draw_name_entry(Game& g, const OptionsState& s) {
  draw_options_line(g, 1.0f, "PLAYER NAME", shown_name(s), true);
  draw_options_line(g, 3.0f, "TYPE IT, OR UP AND DOWN CHANGE A LETTER", "", false);
  draw_options_line(g, 4.0f, "AND LEFT AND RIGHT MOVE TO ANOTHER", "", false);
  draw_options_line(g, 5.0f, "RETURN OR A KEEPS IT, ESCAPE OR BACK DOES NOT", "", false);
}

void handle_name_entry(Game& g, OptionsState& s, const MenuInput& in) {
  if (in.back) {
    s.page = OptionsPage::kList;
    return;
  }
  if (in.enter) return finish(g, s);
  if (in.erase && s.cursor > 0) {
    s.name.erase(std::size_t(--s.cursor), 1);
    return;
  }
  if (in.typed >= 0) return type_character(g, s, in.typed);
  if (in.up) turn_letter(g, s, +1);
  if (in.down) turn_letter(g, s, -1);
  if (in.left && s.cursor > 0) --s.cursor;
  if (in.right && s.cursor < int(s.name.size()) && s.cursor < int(kMaxPlayerName)) ++s.cursor;
}

}  // namespace orv
