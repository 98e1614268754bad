#include "font_check.h"

#include <map>

#include "data_check.h"
#include "game/game.h"
#include "game_texts.h"
#include "picture_check.h"
#include "text/font.h"

namespace orv::check {
namespace {

std::string glyph_path(const DataCheck& c, unsigned char ch) {
  return c.g.config.font_path + "\\" + glyph_picture_name(ch) + ".png";
}

// The sizes of the glyph pictures that load, by picture name.
std::map<std::string, PictureSize> check_glyphs(DataCheck& c, const std::string& list) {
  std::map<std::string, PictureSize> sizes;
  for (unsigned char ch : list) {
    const std::string name = glyph_picture_name(ch);
    if (sizes.contains(name)) continue;
    const std::string path = glyph_path(c, ch);
    if (find_path(path) == Found::kMissing) {
      c.report.add(c.g.config.font_character_list, 1,
                   "character " + quoted(std::string(1, char(ch))) + " has no glyph picture " +
                       quoted(name + ".png"));
      continue;
    }
    if (auto size = check_picture(c, path)) sizes[name] = *size;
  }
  return sizes;
}

void check_layout_glyphs(DataCheck& c, const std::map<std::string, PictureSize>& sizes) {
  const std::string& list = c.g.config.font_character_list;
  if (!sizes.contains("A"))
    c.report.add(list, 1, "no glyph for A: its height is the height of every line of text");
  if (!sizes.contains("I"))
    c.report.add(list, 1, "no glyph for I: its width is the width of a space");
  const auto bomb = sizes.find("BOMB");
  const auto empty = sizes.find("NOBOMB");
  if (bomb != sizes.end() && empty != sizes.end() && bomb->second.width != empty->second.width) {
    c.report.add(glyph_path(c, '&'), 0,
                 "BOMB is " + std::to_string(bomb->second.width) + " pixels wide, NOBOMB " +
                     std::to_string(empty->second.width) +
                     ": the bomb stock is drawn over the empty slots and needs equal widths");
  }
}

}  // namespace

void check_font(DataCheck& c) {
  media::Files& files = c.g.media.files;
  const media::FileId f = files.read_file(c.g.config.font_character_list);
  if (!f) return;  // reported with FONTSYSTEM
  const std::string list = files.read_string(f);
  files.close_file(f);
  std::string lacking;
  for (char ch : game_text_characters())
    if (list.find(ch) == std::string::npos) lacking += ch;
  if (!lacking.empty()) {
    c.report.add(c.g.config.font_character_list, 1,
                 "the list lacks characters of the game's own texts: " + quoted(lacking));
  }
  check_layout_glyphs(c, check_glyphs(c, list));
}

}  // namespace orv::check
