#include "catalogue/anchor.h"

#include "game/game.h"
#include "media/numbers.h"

namespace orv {

void anchor_offset(const Config& config, const ObjectKind& k, float w, float h, float& offset_x,
                   float& offset_y) {
  if (k.anchor == "CENTER") {
    offset_x = w / 2, offset_y = h / 2;
  } else if (k.anchor == "RIGHT") {
    offset_x = w, offset_y = 0;
  } else if (k.anchor == "BOTTOMLEFT") {
    offset_x = 0, offset_y = h;
  } else if (k.anchor == "BOTTOMRIGHT") {
    offset_x = w, offset_y = h;
  }
  if (k.centred_in_cell == 1) {
    offset_x += config.tile_width / 2;
    offset_y += config.tile_height / 2;
  }
}

KindSprite make_kind_sprite(Game& g, const ObjectKind& k) {
  media::Graphics& gfx = g.media.gfx;
  KindSprite made;
  made.sprite3d = gfx.create_sprite3d(k.sprite);
  made.width = float(gfx.sprite_width(k.sprite));
  made.height = float(gfx.sprite_height(k.sprite));
  gfx.zoom_sprite3d(made.sprite3d, float(media::round_even(made.width)),
                    float(media::round_even(made.height)));
  return made;
}

}  // namespace orv
