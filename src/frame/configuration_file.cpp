// Reading DATA/ini.txt: pairs of lines, a key line and a value line, matched exactly.
#include "frame/configuration_file.h"

#include <algorithm>
#include <variant>

#include "game/config.h"
#include "game/game.h"
#include "media/messages.h"
#include "media/numbers.h"

namespace orv {
namespace {

using media::val;
using media::valf;

using Field = std::variant<std::string Config::*, std::int32_t Config::*, std::uint8_t Config::*,
                           float Config::*, void (*)(Game&, const std::string&)>;

enum class Kind { kText, kPath, kInt, kFlag, kFloat, kSpecial, kUnused };

struct KeyDef {
  const char* name;
  Kind kind;
  Field field;
};

constexpr Field kNothing = static_cast<std::string Config::*>(nullptr);

void set_resolution(Game& g, const std::string& v) {
  g.config.tile_width = g.config.tile_height = valf(v);
}

void set_cursor_speed(Game& g, const std::string& v) {
  g.config.step_delay = 255 - std::clamp(val(v), 0, 255);
}

void set_world_random(Game& g, const std::string& v) {
  g.config.world_random = val(v);
  g.media.sys.random_seed(g.config.world_random);
}

void set_multicore(Game& g, const std::string& v) {
  g.config.multicore = std::uint8_t(val(v)) == 0 ? 0 : 1;
}

void set_map_size(Game& g, const std::string& v) {
  std::int32_t n = val(v);
  if (n > 1024) n = 1024;
  if (n < 0) n = 32;
  g.config.max_x = g.config.max_y = n;
}

void set_world_refresh(Game& g, const std::string& v) {
  g.config.world_refresh = val(v);
  g.frame.time_unit_length = g.config.world_refresh;
}

// In the order in which keys are tested; the names are distinct. Keys the game knows but does
// not use are read and dropped.
const KeyDef kKeys[] = {
    {"SOUNDFXPATH", Kind::kPath, &Config::sound_fx_path},
    {"INGAMEMUSIC", Kind::kText, &Config::music_folder},
    {"EGFXPATH", Kind::kPath, &Config::effect_sprites_path},
    {"EGFXMAX", Kind::kInt, &Config::effect_sprite_copies},
    {"FONTPATH", Kind::kPath, &Config::font_path},
    {"FONTSYSTEM", Kind::kPath, &Config::font_character_list},
    {"WINDOWMODE", Kind::kFlag, &Config::world_drawing},
    {"MULTITASK", Kind::kInt, &Config::frame_pause_ms},
    {"SAVEGFX", Kind::kUnused, kNothing},
    {"SCRSAVE", Kind::kText, &Config::screenshot_prefix},
    {"SAVEEVOLUTION", Kind::kUnused, kNothing},
    {"APPNAME", Kind::kText, &Config::window_title},
    {"GFXPATH", Kind::kUnused, kNothing},
    {"RESOLUTION", Kind::kSpecial, &set_resolution},
    {"TOPO", Kind::kUnused, kNothing},
    {"BASICGFX", Kind::kUnused, kNothing},
    {"USEEXTENDEDTOPO", Kind::kFlag, &Config::extended_level_step},
    {"APPENTRY", Kind::kText, &Config::level_file_prefix},
    {"APPSTART", Kind::kText, &Config::level_set_name},
    {"TOPOGFX", Kind::kPath, &Config::tile_graphics_path},
    {"GFXCODEC", Kind::kText, &Config::picture_extension},
    {"SYSTEMCORE", Kind::kUnused, kNothing},
    {"CORENAME", Kind::kUnused, kNothing},
    {"USESPRITE3D", Kind::kFlag, &Config::world_drawing},
    {"MAXFOE", Kind::kInt, &Config::max_group_a_enemies},
    {"LOGPATH", Kind::kPath, &Config::log_path},
    {"LOGFILE", Kind::kText, &Config::log_file},
    {"RGBCODEPATH", Kind::kText, &Config::tile_definitions_path},
    {"WORLDGFX", Kind::kPath, &Config::object_definitions_path},
    {"USELOGFILE", Kind::kUnused, kNothing},
    {"LOADSCREEN", Kind::kText, &Config::load_screen},
    {"LOADANIM", Kind::kUnused, kNothing},
    {"FULLSCREENZOOM", Kind::kFloat, &Config::grab_zoom_factor},
    {"RESBASEW", Kind::kInt, &Config::design_width},
    {"RESBASEH", Kind::kInt, &Config::design_height},
    {"CURSOR", Kind::kPath, &Config::cursor},
    {"CURSORSPEED", Kind::kSpecial, &set_cursor_speed},
    {"VEGIDENSE", Kind::kUnused, kNothing},
    {"USEFULLMATRIX", Kind::kUnused, kNothing},
    {"WORLDRANDOM", Kind::kSpecial, &set_world_random},
    {"MULTICORE", Kind::kSpecial, &set_multicore},
    {"MAPSIZE", Kind::kSpecial, &set_map_size},
    {"WORLDTEMPERATURE", Kind::kUnused, kNothing},
    {"WORLDREFRESH", Kind::kSpecial, &set_world_refresh},
    {"SELFCREATEBASE", Kind::kPath, &Config::level_base_file},
    {"USESELFCREATEBASE", Kind::kFlag, &Config::generate_levels},
    {"LABSWITCH", Kind::kInt, &Config::level_building_choices},
    {"SMOOTH", Kind::kFlag, &Config::smooth},
    {"GAMEMODE", Kind::kText, &Config::game_mode},
    {"VIEW", Kind::kUnused, kNothing},
    {"TIMERSOUND", Kind::kText, &Config::timer_sound},
    {"ENDTIMERSOUND", Kind::kUnused, kNothing},
    {"DEFTILESOUND", Kind::kText, &Config::step_sound},
    {"FIXEDTILESOUND", Kind::kText, &Config::fixed_tile_sound},
    {"PINKTILEFIXEDSOUND", Kind::kText, &Config::pink_tile_fixed_sound},
    {"BOMBPICKUPSOUND", Kind::kUnused, kNothing},
    {"EXPLOSIONSOUND", Kind::kText, &Config::explosion_sound},
    {"QUENDRAL1", Kind::kText, &Config::intro_sound1},
    {"QUENDRAL", Kind::kText, &Config::intro_sound},
    {"MENUMUSIC", Kind::kUnused, kNothing},
    {"SCREGFXPATH", Kind::kText, &Config::screen_sprites_path},
    {"SCREGFXMAX", Kind::kInt, &Config::screen_sprite_copies},
    {"LOADINTROSCREEN", Kind::kText, &Config::load_intro_screen},
    {"REMOVETILE", Kind::kText, &Config::fixed_tile_wiped_sound},
    {"USESCALER", Kind::kUnused, kNothing},
    {"HIGHSCOREFILE", Kind::kText, &Config::highscore_file},
};

void store(Game& g, const KeyDef& def, const std::string& value) {
  Config& c = g.config;
  switch (def.kind) {
    case Kind::kText:
      c.*std::get<std::string Config::*>(def.field) = value;
      break;
    case Kind::kPath:
      c.*std::get<std::string Config::*>(def.field) = g.frame.start_directory + value;
      break;
    case Kind::kInt:
      c.*std::get<std::int32_t Config::*>(def.field) = val(value);
      break;
    case Kind::kFlag:
      c.*std::get<std::uint8_t Config::*>(def.field) = std::uint8_t(val(value));
      break;
    case Kind::kFloat:
      c.*std::get<float Config::*>(def.field) = valf(value);
      break;
    case Kind::kSpecial:
      std::get<void (*)(Game&, const std::string&)>(def.field)(g, value);
      break;
    case Kind::kUnused:
      break;
  }
}

// A tile size below one pixel becomes the default; a negative MULTITASK, which would make
// the event wait of MULTICORE 0 wait for ever, becomes 0 (no pause, no wait).
void replace_unusable_settings(Config& c) {
  if (!(c.tile_width >= 1.0f)) c.tile_width = c.tile_height = kDefaultTileSize;
  c.frame_pause_ms = std::max(c.frame_pause_ms, 0);
}

ConfigurationValue value_of(Kind kind) {
  switch (kind) {
    case Kind::kText:
      return ConfigurationValue::kText;
    case Kind::kPath:
      return ConfigurationValue::kPath;
    case Kind::kUnused:
      return ConfigurationValue::kUnused;
    default:
      return ConfigurationValue::kNumber;
  }
}

}  // namespace

std::vector<ConfigurationKey> configuration_keys() {
  std::vector<ConfigurationKey> keys;
  for (const KeyDef& def : kKeys) keys.push_back({def.name, value_of(def.kind)});
  return keys;
}

bool apply_configuration_pair(Game& g, const std::string& key, const std::string& value) {
  if (key.empty()) return false;
  for (const KeyDef& def : kKeys) {
    if (key == def.name) {
      store(g, def, value);
      return true;
    }
  }
  return false;
}

bool read_configuration_file(Game& g, const std::string& path) {
  media::Files& files = g.media.files;
  media::FileId f = files.read_file(path);
  if (!f) return false;
  int known = 0;
  while (!files.eof(f)) {
    std::string key = files.read_string(f);
    std::string value = files.read_string(f);
    if (apply_configuration_pair(g, key, value)) ++known;
  }
  files.close_file(f);
  // An empty file, or some other text in its place, is most likely a mistake; the game still
  // runs, on the defaults.
  if (known == 0)
    g.media.sys.notice(media::quoted_path(path) +
                       " sets no key the game knows; using the defaults");
  replace_unusable_settings(g.config);
  return true;
}

}  // namespace orv
