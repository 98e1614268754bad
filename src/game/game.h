// The game context: every piece of game state, grouped by the subsystem that owns it. One is
// created at start-up and passed by reference; tests create as many as they like.
#pragma once

#include "game/assets_state.h"
#include "game/catalogue_state.h"
#include "game/config.h"
#include "game/frame_state.h"
#include "game/input_state.h"
#include "game/levels_state.h"
#include "game/screens_state.h"
#include "game/settings.h"
#include "game/tape_state.h"
#include "game/text_state.h"
#include "game/world_state.h"
#include "media/media.h"

namespace orv {

struct Game {
  explicit Game(media::Media& m) : media(m) {}
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  media::Media& media;
  Config config;
  FrameState frame;
  InputState input;
  WorldState world;
  CatalogueState catalogue;
  LevelsState levels;
  TextState text;
  AssetsState assets;
  ScreensState screens;
  Settings settings;  // the player's own (settings.txt)
  TapeState tape;
};

}  // namespace orv
