// Screen text with the shared text cursor.
#include "text/text_drawing.h"

#include "game/game.h"
#include "media/numbers.h"

namespace orv {
namespace {

constexpr std::uint8_t kNewLine = '\\';
constexpr std::uint8_t kCursorReset = '|';
constexpr std::uint8_t kLineHeightGlyph = 'A';
constexpr std::uint8_t kSpaceWidthGlyph = 'I';
constexpr float kLineHeightFactor = 1.2f;

float rounded(float value) {
  return float(media::round_even(value));
}

void draw_glyph_sprite(Game& g, const Glyph& glyph, float x, float y, float zoom, float angle,
                       int alpha, float spacing) {
  media::Graphics& gfx = g.media.gfx;
  // The drawable is shared by every occurrence of the character, so it is sized on every draw.
  gfx.zoom_sprite3d(glyph.sprite3d, rounded(glyph.width * zoom), rounded(glyph.height * zoom));
  if (angle != 0.0f) gfx.rotate_sprite3d(glyph.sprite3d, rounded(angle), media::kRotateRelative);
  TextState& t = g.text;
  gfx.display_sprite3d(glyph.sprite3d, rounded(t.cursor_x + x), rounded(t.cursor_y + y), alpha);
  t.cursor_x += glyph.width * zoom * spacing;
}

}  // namespace

void draw_glyph(Game& g, std::uint8_t code, float x, float y, float zoom, float angle, int alpha,
                float spacing) {
  if (zoom < 0.0f) zoom = 1.0f;
  TextState& t = g.text;
  switch (code) {
    case kNewLine:
      t.cursor_x = 0.0f;
      t.cursor_y += t.glyphs[kLineHeightGlyph].height * kLineHeightFactor * zoom;
      return;
    case kCursorReset:
      t.cursor_x = 0.0f;
      t.cursor_y = 0.0f;
      return;
    case ' ':
      t.cursor_x += t.glyphs[kSpaceWidthGlyph].width;
      return;
    default:
      if (t.glyphs[code].sprite3d) {
        draw_glyph_sprite(g, t.glyphs[code], x, y, zoom, angle, alpha, spacing);
      }
  }
}

float text_width(const TextState& font, std::string_view text, float zoom, float spacing) {
  if (zoom < 0.0f) zoom = 1.0f;
  const TextState& t = font;
  float width = 0.0f;
  for (char c : text) {
    const auto code = std::uint8_t(c);
    if (code == ' ') {
      width += t.glyphs[kSpaceWidthGlyph].width;
    } else if (code != kNewLine && code != kCursorReset && t.glyphs[code].sprite3d) {
      width += t.glyphs[code].width * zoom * spacing;
    }
  }
  return width;
}

float line_height(const TextState& font, float zoom) {
  return font.glyphs[kLineHeightGlyph].height * kLineHeightFactor * (zoom < 0.0f ? 1.0f : zoom);
}

void draw_text(Game& g, std::string_view text, float x, float y, const TextStyle& style) {
  if (style.blend_source != 0 || style.blend_destination != 0) {
    g.media.gfx.sprite3d_blending(style.blend_source, style.blend_destination);
  } else {
    g.media.gfx.sprite3d_blending(media::blend::kSourceAlpha, media::blend::kInverseSourceAlpha);
  }
  for (char c : text) {
    draw_glyph(g, std::uint8_t(c), x, y, style.zoom, style.angle, style.alpha, style.spacing);
  }
}

}  // namespace orv
