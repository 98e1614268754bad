// One step of the player: walk on the screen, or scroll the view past the screen's middle.
#include "input/player_step.h"

#include "game/coordinates.h"
#include "game/game.h"
#include "media/numbers.h"
#include "sound/named_sounds.h"

namespace orv {
namespace {

using media::round_even;

struct Step {
  int x = 0;  // whole tiles first, then pixels: an int, so tiles of any width fit
  int y = 0;
};

Step step_of(HeldDirection direction) {
  switch (direction) {
    case HeldDirection::kLeft:
      return {-1, 0};
    case HeldDirection::kRight:
      return {1, 0};
    case HeldDirection::kUp:
      return {0, -1};
    case HeldDirection::kDown:
      return {0, 1};
    default:
      return {};
  }
}

Direction movement_direction(Step step) {
  if (step.x == -1) return Direction::kLeft;
  if (step.x == 1) return Direction::kRight;
  if (step.y == -1) return Direction::kUp;
  if (step.y == 1) return Direction::kDown;
  return Direction::kStill;
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

void scroll_or_move(Game& g, Step tiles, Direction direction) {
  WorldState& w = g.world;
  Player& p = w.player;
  const Step pixels{round_even(tiles.x * g.config.tile_width),
                    round_even(tiles.y * g.config.tile_height)};
  const float half_w = g.frame.screen_width / 2;
  const float half_h = g.frame.screen_height / 2;
  switch (direction) {
    case Direction::kRight:
      forward(p.x, w.view_origin_x, pixels.x, g.frame.screen_width);
      break;
    case Direction::kDown:
      forward(p.y, w.view_origin_y, pixels.y, g.frame.screen_height);
      break;
    case Direction::kLeft:
      back(p.x, w.view_origin_x, pixels.x, p.x < half_w);
      break;
    case Direction::kUp:
      back(p.y, w.view_origin_y, pixels.y, p.y <= half_h);
      break;
    default:
      break;
  }
}

}  // namespace

void move_player(Game& g, HeldDirection direction) {
  Step step = step_of(direction);
  const CellPosition here = cell_under_player(g);
  if (g.world.grid.at(here.x + step.x, here.y + step.y).collision != 0) step = {};
  const Direction moving = movement_direction(step);
  if (moving == Direction::kStill) return;
  play_named_sound(g, g.config.step_sound, false);
  scroll_or_move(g, step, moving);
}

}  // namespace orv
