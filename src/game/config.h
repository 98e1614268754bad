// The settings read from DATA/ini.txt. Read once at start-up, then only read.
#pragma once

#include <cstdint>
#include <string>

#include "media/graphics.h"

namespace orv {

struct Config {
  // Folders and files. Path settings already start with the start directory.
  std::string sound_fx_path;       // SOUNDFXPATH: sound effects (*.ogg)
  std::string ingame_music;        // INGAMEMUSIC: music folder, as written
  std::string egfx_path;           // EGFXPATH: effect sprite pictures
  std::int32_t egfx_max = 50;      // EGFXMAX: extra copies of each effect sprite
  std::string font_path;           // FONTPATH: glyph pictures
  std::string font_system;         // FONTSYSTEM: character list file
  std::string scr_save;            // SCRSAVE: screenshot name prefix, as written
  std::string app_name;            // APPNAME: window title
  std::string app_entry;           // APPENTRY: first part of the level file name
  std::string app_start;           // APPSTART: second part; also the tile folder name
  std::string topo_gfx;            // TOPOGFX: tile graphics
  std::string gfx_codec;           // GFXCODEC: picture file extension, e.g. ".png"
  std::string log_path;            // LOGPATH: folder of the error log
  std::string log_file;            // LOGFILE: file name of the error log
  std::string rgb_code_path;       // RGBCODEPATH: tile definition folder, as written
  std::string world_gfx;           // WORLDGFX: object definitions and graphics
  std::string load_screen;         // LOADSCREEN: intro loading picture pattern with one "#"
  std::string cursor;              // CURSOR: the player's picture
  std::string self_create_base;    // SELFCREATEBASE: base file of generated levels
  std::string scre_gfx_path;       // SCREGFXPATH: screen sprite pictures, as written
  std::int32_t scre_gfx_max = 50;  // SCREGFXMAX: extra copies of each screen sprite
  std::string load_intro_screen;   // LOADINTROSCREEN: picture behind the title and highscore
  std::string highscore_file;      // HIGHSCOREFILE: score table below the per-user data folder

  // Screen and pacing.
  std::int32_t multitask = 0;       // MULTITASK: ms pause per frame and event wait
  std::uint8_t multicore = 1;       // MULTICORE: 1 = no polling by the game thread
  std::int32_t res_base_w = 1;      // RESBASEW
  std::int32_t res_base_h = 1;      // RESBASEH
  float full_screen_zoom = 1.0f;    // FULLSCREENZOOM
  std::uint8_t world_drawing = 0;   // WINDOWMODE / USESPRITE3D: draw the world each frame
  std::uint8_t smooth = 1;          // SMOOTH: filtered screen capture pass
  std::int32_t world_refresh = 60;  // WORLDREFRESH: frames per time unit, minus one
  // Window or fullscreen at start; not a key of the file (the command line chooses it).
  media::DisplayMode display_mode = media::DisplayMode::kWindow;

  // World and levels.
  float tile_width = -1.0f;               // RESOLUTION
  float tile_height = -1.0f;              // RESOLUTION
  std::uint8_t use_extended_topo = 0;     // USEEXTENDEDTOPO
  std::int32_t max_foe = 0;               // MAXFOE
  std::int32_t world_random = 0;          // WORLDRANDOM
  std::int32_t max_x = 1;                 // MAPSIZE (largest column index)
  std::int32_t max_y = 1;                 // MAPSIZE (largest row index)
  std::uint8_t use_self_create_base = 0;  // USESELFCREATEBASE
  std::int32_t lab_switch = 0;            // LABSWITCH
  std::string game_mode = "DEFAULT";      // GAMEMODE: "HARDCORE" is the hard variant
  std::int32_t step_delay = 0;            // 255 - CURSORSPEED (clamped to 0..255); 0 without it

  // Sound names (of the sound list).
  std::string timer_sound;            // TIMERSOUND
  std::string def_tile_sound;         // DEFTILESOUND
  std::string fixed_tile_sound;       // FIXEDTILESOUND
  std::string pink_tile_fixed_sound;  // PINKTILEFIXEDSOUND
  std::string explosion_sound;        // EXPLOSIONSOUND
  std::string quendral1;              // QUENDRAL1
  std::string quendral;               // QUENDRAL
  std::string remove_tile;            // REMOVETILE
};

// The tile size used when RESOLUTION gives none of at least one pixel (missing, 0, not a
// number, negative or a fraction of a pixel): such a size would make the view millions of
// cells wide, or turn it inside out.
constexpr float kDefaultTileSize = 32.0f;

}  // namespace orv
