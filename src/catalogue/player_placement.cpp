#include "catalogue/player_placement.h"

#include "game/game.h"

namespace orv {

void load_player_sprite(Game& g) {
  media::Graphics& gfx = g.media.gfx;
  Player& p = g.world.player;
  gfx.transparent_sprite_colour(media::kNewSprites, media::rgb(255, 255, 255));
  const media::SpriteId sprite = gfx.load_sprite(g.config.cursor);
  if (!sprite) return;  // the player keeps what it had
  if (p.sprite3d) gfx.free_sprite3d(p.sprite3d);
  if (gfx.is_sprite(p.sprite)) gfx.free_sprite(p.sprite);
  p.sprite = sprite;
  p.sprite3d = gfx.create_sprite3d(sprite);
  p.blend_source = media::blend::kOne;
  p.blend_destination = media::blend::kSourceAlpha;
  p.rotation_step = 16;
}

void place_player(Game& g, int x, int y) {
  g.world.player.x = float(x) * g.config.tile_width;
  g.world.player.y = float(y) * g.config.tile_height;
}

}  // namespace orv
