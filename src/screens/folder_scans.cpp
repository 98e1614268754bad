// The folder scans of start-up.
#include "screens/folder_scans.h"

#include <algorithm>
#include <vector>

#include "catalogue/object_kinds.h"
#include "catalogue/object_list.h"
#include "game/game.h"
#include "media/numbers.h"

namespace orv {
namespace {

using media::round_even;

// More copies of a drift sprite picture than this are not made, whatever EGFXMAX and
// SCREGFXMAX say: each copy is a picture of its own.
constexpr std::int32_t kMostDriftCopies = 1000;

void free_sounds(Game& g, std::vector<SoundEntry>& list) {
  media::Sound& sound = g.media.sound;
  for (const SoundEntry& s : list) {
    if (!sound.is_sound(s.sound)) continue;
    sound.stop_sound(s.sound);
    sound.free_sound(s.sound);
  }
  list.clear();
}

void free_drift_sprites(Game& g, DriftSpriteList& list) {
  for (const DriftSprite& d : list)
    if (d.sprite3d) g.media.gfx.free_sprite3d(d.sprite3d);
  list.clear();
}

void scan_drift_sprites(Game& g, DriftSpriteList& list, const std::string& folder,
                        std::int32_t count, float spread) {
  free_drift_sprites(g, list);
  std::vector<std::string> names;
  g.media.folders.for_each_file(folder, "*.png",
                                [&names](const std::string& n) { names.push_back(n); });
  if (names.empty()) return;
  media::Graphics& gfx = g.media.gfx;
  media::System& sys = g.media.sys;
  const std::int32_t h = round_even(g.frame.screen_height * spread);
  const std::int32_t w = round_even(g.frame.screen_width * spread);
  for (std::int32_t pass = 0; pass <= std::min(count, kMostDriftCopies); ++pass) {
    for (const std::string& n : names) {
      gfx.transparent_sprite_colour(media::kNewSprites, media::rgb(0, 0, 0));
      DriftSprite d;
      d.sprite3d = gfx.create_sprite3d(gfx.load_sprite(folder + n));
      d.y = float(sys.random(h));
      d.x = float(sys.random(w));
      d.velocity_x = float(sys.random(5) + 1);
      d.velocity_y = float(sys.random(5) + 1);
      list.push_back(d);
    }
  }
}

// The tile picture of that file name: with colour assist on, its patterned twin in the ASSIST
// folder inside the tile folder when there is one.
media::SpriteId load_tile_picture(Game& g, const std::string& name) {
  media::Graphics& gfx = g.media.gfx;
  const std::string& folder = g.config.tile_graphics_path;
  if (g.settings.colour_assist) {
    const media::SpriteId assist = gfx.load_sprite(folder + kColourAssistFolder + name);
    if (assist) return assist;
  }
  return gfx.load_sprite(folder + name);
}

}  // namespace

void reload_tile_pictures(Game& g) {
  media::Graphics& gfx = g.media.gfx;
  for (TileGraphic& t : g.assets.tile_graphics) {
    for (media::Sprite3dId* shared : {&t.sprite3d, &t.natural_sprite3d}) {
      if (*shared && gfx.is_sprite3d(*shared)) gfx.free_sprite3d(*shared);
      *shared = {};
    }
    if (t.sprite && gfx.is_sprite(t.sprite)) gfx.free_sprite(t.sprite);
    t.sprite = load_tile_picture(g, t.file);
  }
  // Cells point at the freed drawables: the level is built again before it is shown.
  g.frame.built_level = -1;
}

void scan_tile_graphics(Game& g) {
  ORV_FAULT_SITE(g, "io_control");
  AssetsState& a = g.assets;
  const std::string& folder = g.config.tile_graphics_path;
  g.media.folders.for_each_file(
      folder, "*" + g.config.picture_extension, [&](const std::string& n) {
        const TileGraphic t{load_tile_picture(g, n), n};
        // Lookups take the first graphic of a name.
        a.tile_graphic_index.emplace(g.world.names.intern(n), a.tile_graphics.size());
        a.tile_graphics.push_back(t);
      });
}

void scan_sounds(Game& g) {
  ORV_FAULT_SITE(g, "io_control");
  free_sounds(g, g.assets.sounds);
  const std::string& folder = g.config.sound_fx_path;
  g.media.folders.for_each_file(folder, "*.ogg", [&g, &folder](const std::string& n) {
    SoundEntry s;
    s.path = folder + n;
    s.sound = g.media.sound.load_sound(s.path);
    s.name = n;
    s.loaded = bool(s.sound);
    g.assets.sounds.push_back(std::move(s));
  });
}

void scan_music(Game& g) {
  ORV_FAULT_SITE(g, "io_control");
  free_sounds(g, g.assets.music);
  const std::string& folder = g.config.music_folder;
  g.media.folders.for_each_file(folder, "*.ogg", [&g, &folder](const std::string& n) {
    SoundEntry s;
    s.path = folder + n;
    s.name = n;
    g.assets.music.push_back(std::move(s));
  });
}

void scan_effect_sprites(Game& g) {
  ORV_FAULT_SITE(g, "io_control");
  scan_drift_sprites(g, g.assets.effect_sprites, g.config.effect_sprites_path,
                     g.config.effect_sprite_copies, 1.0f);
}

void scan_screen_sprites(Game& g) {
  ORV_FAULT_SITE(g, "io_control");
  scan_drift_sprites(g, g.assets.screen_sprites, g.config.screen_sprites_path,
                     g.config.screen_sprite_copies, 0.8f);
}

void clear_catalogues(Game& g) {
  free_sounds(g, g.assets.sounds);
  g.levels.edges.clear();
  clear_placed_objects(g);
  clear_object_kinds(g);
}

}  // namespace orv
