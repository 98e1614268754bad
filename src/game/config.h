// The settings read from DATA/ini.txt. Read once at start-up, then only read.
#pragma once

#include <cstdint>
#include <string>

#include "media/graphics.h"

namespace orv {

struct Config {
  // Folders and files. Path settings already start with the start directory.
  std::string sound_fx_path;               // SOUNDFXPATH: sound effects (*.ogg)
  std::string music_folder;                // INGAMEMUSIC: music folder, as written
  std::string effect_sprites_path;         // EGFXPATH: effect sprite pictures
  std::int32_t effect_sprite_copies = 50;  // EGFXMAX: extra copies of each effect sprite
  std::string font_path;                   // FONTPATH: glyph pictures
  std::string font_character_list;         // FONTSYSTEM: character list file
  std::string screenshot_prefix;           // SCRSAVE: screenshot name prefix, as written
  std::string window_title;                // APPNAME: window title
  std::string level_file_prefix;           // APPENTRY: first part of the level file name
  std::string level_set_name;              // APPSTART: second part; also the tile folder name
  std::string tile_graphics_path;          // TOPOGFX: tile graphics
  std::string picture_extension;           // GFXCODEC: picture file extension, e.g. ".png"
  std::string log_path;                    // LOGPATH: folder of the error log
  std::string log_file;                    // LOGFILE: file name of the error log
  std::string tile_definitions_path;       // RGBCODEPATH: tile definition folder, as written
  std::string object_definitions_path;     // WORLDGFX: object definitions and graphics
  std::string load_screen;                 // LOADSCREEN: intro loading picture pattern with one "#"
  std::string cursor;                      // CURSOR: the player's picture
  std::string level_base_file;             // SELFCREATEBASE: base file of generated levels
  std::string screen_sprites_path;         // SCREGFXPATH: screen sprite pictures, as written
  std::int32_t screen_sprite_copies = 50;  // SCREGFXMAX: extra copies of each screen sprite
  std::string load_intro_screen;  // LOADINTROSCREEN: picture behind the title and highscore
  std::string highscore_file;     // HIGHSCOREFILE: score table below the per-user data folder

  // Screen and pacing.
  std::int32_t frame_pause_ms = 0;  // MULTITASK: ms pause per frame and event wait
  std::uint8_t multicore = 1;       // MULTICORE: 1 = no polling by the game thread
  std::int32_t design_width = 1;    // RESBASEW
  std::int32_t design_height = 1;   // RESBASEH
  float grab_zoom_factor = 1.0f;    // FULLSCREENZOOM
  std::uint8_t world_drawing = 0;   // WINDOWMODE / USESPRITE3D: draw the world each frame
  std::uint8_t smooth = 1;          // SMOOTH: filtered screen capture pass
  std::int32_t world_refresh = 60;  // WORLDREFRESH: frames per time unit, minus one
  // Window or fullscreen at start; not a key of the file (the command line chooses it).
  media::DisplayMode display_mode = media::DisplayMode::kWindow;

  // World and levels.
  float tile_width = -1.0f;                 // RESOLUTION
  float tile_height = -1.0f;                // RESOLUTION
  std::uint8_t extended_level_step = 0;     // USEEXTENDEDTOPO
  std::int32_t max_group_a_enemies = 0;     // MAXFOE
  std::int32_t world_random = 0;            // WORLDRANDOM
  std::int32_t max_x = 1;                   // MAPSIZE (largest column index)
  std::int32_t max_y = 1;                   // MAPSIZE (largest row index)
  std::uint8_t generate_levels = 0;         // USESELFCREATEBASE
  std::int32_t level_building_choices = 0;  // LABSWITCH
  std::string game_mode = "DEFAULT";        // GAMEMODE: "HARDCORE" is the hard variant
  std::int32_t step_delay = 0;              // 255 - CURSORSPEED (clamped to 0..255); 0 without it

  // Sound names (of the sound list).
  std::string timer_sound;             // TIMERSOUND
  std::string step_sound;              // DEFTILESOUND
  std::string fixed_tile_sound;        // FIXEDTILESOUND
  std::string pink_tile_fixed_sound;   // PINKTILEFIXEDSOUND
  std::string explosion_sound;         // EXPLOSIONSOUND
  std::string intro_sound1;            // QUENDRAL1
  std::string intro_sound;             // QUENDRAL
  std::string fixed_tile_wiped_sound;  // REMOVETILE
};

// The tile size used when RESOLUTION gives none of at least one pixel (missing, 0, not a
// number, negative or a fraction of a pixel): such a size would make the view millions of
// cells wide, or turn it inside out.
constexpr float kDefaultTileSize = 32.0f;

}  // namespace orv
