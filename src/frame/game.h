// The game context: every piece of game state, grouped by the subsystem that owns it. One is
// created at start-up and passed by reference; tests create as many as they like.
#pragma once

#include "catalogue/catalogue_state.h"
#include "frame/config.h"
#include "frame/frame_state.h"
#include "input/input_state.h"
#include "levels/levels_state.h"
#include "media/media.h"
#include "screens/assets_state.h"
#include "screens/screens_state.h"
#include "text/text_state.h"
#include "world/world_state.h"

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
};

}  // namespace orv
