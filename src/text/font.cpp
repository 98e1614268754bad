// Loading the bitmap font into the glyph table.
#include "text/font.h"

#include <array>
#include <cstdint>
#include <string>

#include "game/game.h"
#include "media/files/paths.h"
#include "media/numbers.h"

namespace orv {
namespace {

// Where a character of the list takes its picture from and which slot it fills.
struct GlyphSource {
  std::string image_name;
  std::uint8_t slot;
};

// Punctuation and symbol characters whose pictures have names of their own (a file system
// would not take most of them as file names).
const char* symbol_image_name(std::uint8_t c) {
  switch (c) {
    case '.':
      return "POINT";
    case '?':
      return "ASK";
    case '[':
      return "FLOPPY";
    case ']':
      return "FLOPPYB";
    case '-':
      return "MINUS";
    case '"':
      return "FUEL";
    case '(':
      return "LEFT";
    case ')':
      return "RIGHT";
    case ':':
      return "POINTPOINT";
    case '*':
      return "STERN";
    case '&':
      return "BOMB";
    case 0xF6:  // o umlaut
    case 0xD6:  // O umlaut
      return "NOBOMB";
    case 0xC4:  // A umlaut
    case 0xE4:  // a umlaut
      return "HERZ";
    case '@':
      return "LIFE";
    case '+':
      return "PLUS";
    default:
      return nullptr;
  }
}

GlyphSource glyph_source(std::uint8_t c) {
  if (const char* name = symbol_image_name(c)) return {name, c};
  // u umlaut (either case) and sharp s only load the plain letters once more.
  if (c == 0xFC || c == 0xDC) return {"_u", 'u'};
  if (c == 0xDF) return {"S", 'S'};
  // Lower-case letters share the folder with the capitals, so they carry a "_" prefix.
  if (c >= 'a' && c <= 'z') return {std::string("_") + char(c), c};
  return {std::string(1, char(c)), c};
}

void release_glyph(media::Graphics& gfx, Glyph& glyph) {
  if (gfx.is_sprite3d(glyph.sprite3d)) gfx.free_sprite3d(glyph.sprite3d);
  if (gfx.is_sprite(glyph.sprite)) gfx.free_sprite(glyph.sprite);
  glyph = Glyph{};
}

void load_glyph(Game& g, const GlyphSource& source) {
  media::Graphics& gfx = g.media.gfx;
  Glyph& glyph = g.text.glyphs[source.slot];
  // A failed load must not leave a 3D sprite behind whose picture is gone, so the slot is
  // emptied completely first.
  release_glyph(gfx, glyph);
  gfx.transparent_sprite_colour(media::kNewSprites, media::rgb(255, 255, 255));
  // "/" and "\\" in the character list would name pictures outside the font folder.
  if (!media::is_plain_name(source.image_name)) return;
  glyph.sprite = gfx.load_sprite(g.config.font_path + "\\" + source.image_name + ".png");
  if (!glyph.sprite) return;
  const float scale = g.frame.display_scale;
  glyph.height = float(gfx.sprite_height(glyph.sprite)) * scale;
  glyph.width = float(gfx.sprite_width(glyph.sprite)) * scale;
  glyph.sprite3d = gfx.create_sprite3d(glyph.sprite);
  if (glyph.sprite3d) {
    gfx.zoom_sprite3d(glyph.sprite3d, float(media::round_even(glyph.width)),
                      float(media::round_even(glyph.height)));
  }
}

}  // namespace

std::string glyph_picture_name(std::uint8_t c) {
  return glyph_source(c).image_name;
}

void free_font(Game& g) {
  for (Glyph& glyph : g.text.glyphs) release_glyph(g.media.gfx, glyph);
}

void load_font(Game& g) {
  ORV_FAULT_SITE(g, "FONT_ENGINE");
  free_font(g);
  media::Files& files = g.media.files;
  const media::FileId list = files.read_file(g.config.font_character_list);
  if (!list) return;
  const std::string characters = files.read_string(list);
  files.close_file(list);
  // Each slot always loads the same picture, so a character listed again (or a second
  // character for the same slot) is loaded once: a long list costs at most 256 loads.
  std::array<bool, kGlyphCount> loaded{};
  for (char c : characters) {
    const GlyphSource source = glyph_source(std::uint8_t(c));
    if (loaded[source.slot]) continue;
    loaded[source.slot] = true;
    load_glyph(g, source);
  }
}

}  // namespace orv
