// One step of the player: walk on the screen, or scroll the view past the screen's middle.
#include "input/player_step.h"

#include "game/coordinates.h"
#include "game/game.h"
#include "media/numbers.h"
#include "sound/named_sounds.h"

namespace orv {
namespace {

using media::round_even;

// The movement direction of a step that goes nowhere.
constexpr std::int32_t kDirectionStill = 20;

struct Step {
  int x = 0;  // whole tiles first, then pixels: an int, so tiles of any width fit
  int y = 0;
};

Step step_of(std::uint8_t direction) {
  switch (direction) {
    case kHeldLeft:
      return {-1, 0};
    case kHeldRight:
      return {1, 0};
    case kHeldUp:
      return {0, -1};
    case kHeldDown:
      return {0, 1};
    default:
      return {};
  }
}

std::int32_t movement_direction(Step step) {
  if (step.x == -1) return kDirectionLeft;
  if (step.x == 1) return kDirectionRight;
  if (step.y == -1) return kDirectionUp;
  if (step.y == 1) return kDirectionDown;
  return kDirectionStill;
}

// Towards the right or the bottom: scroll once the step would pass the screen's middle.
void forward(float& position, float& origin, int step, float screen_size) {
  if (position + float(step) > screen_size / 2)
    origin += 1;
  else
    position += float(step);
}

// Towards the left or the top: scroll, but never below the first column or row.
void back(float& position, float& origin, int step, bool scrolls) {
  if (!scrolls) {
    position += float(step);
    return;
  }
  origin -= 1;
  if (origin < 1) {
    position += float(step);
    origin = 1;
  }
}

void scroll_or_move(Game& g, Step tiles, std::int32_t direction) {
  WorldState& w = g.world;
  Player& p = w.player;
  const Step pixels{round_even(tiles.x * g.config.tile_width),
                    round_even(tiles.y * g.config.tile_height)};
  const float half_w = g.frame.screen_width / 2;
  const float half_h = g.frame.screen_height / 2;
  switch (direction) {
    case kDirectionRight:
      forward(p.x, w.view_origin_x, pixels.x, g.frame.screen_width);
      break;
    case kDirectionDown:
      forward(p.y, w.view_origin_y, pixels.y, g.frame.screen_height);
      break;
    case kDirectionLeft:
      back(p.x, w.view_origin_x, pixels.x, p.x < half_w);
      break;
    case kDirectionUp:
      back(p.y, w.view_origin_y, pixels.y, p.y <= half_h);
      break;
    default:
      break;
  }
}

}  // namespace

void move_player(Game& g, std::uint8_t direction) {
  Step step = step_of(direction);
  const CellPosition here = cell_under_player(g);
  if (g.world.grid.at(here.x + step.x, here.y + step.y).collision != 0) step = {};
  const std::int32_t moving = movement_direction(step);
  if (moving == kDirectionStill) return;
  play_named_sound(g, g.config.def_tile_sound, false);
  scroll_or_move(g, step, moving);
}

}  // namespace orv
