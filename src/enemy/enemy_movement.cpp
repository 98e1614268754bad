#include "enemy/enemy_movement.h"

#include "game/coordinates.h"
#include "game/game.h"
#include "media/numbers.h"
#include "rules/enemy_tiles.h"
#include "sound/named_sounds.h"

namespace orv {

namespace {

// What sets the two groups apart: where they may go and what their steps do to the tiles.
struct Group {
  bool walks_through_collision_1;  // otherwise only collision 0 is free; 2 and more never
  void (*tile_effect)(Game&, int, int);
};

constexpr Group kGroupA{false, paint_pink};
constexpr Group kGroupB{true, erase_paint};

bool chance(Game& g, int n) {
  return g.media.sys.random(n) == 0;
}

bool is_free(const WorldState& world, const Group& group, int x, int y) {
  const int collision = world.grid.at(x, y).collision;
  return group.walks_through_collision_1 ? collision < 2 : collision == 0;
}

// One step of a tile / steps pixels; no steps on an axis means no movement on it.
void step(Game& g, const Group& group, Enemy& e, int sign_x, int sign_y) {
  const int steps = sign_x != 0 ? e.steps_per_tile_x : e.steps_per_tile_y;
  if (steps == 0) return;
  if (sign_x != 0) {
    e.x = media::round_even(e.x + sign_x * double(g.config.tile_width) / steps);
  } else {
    e.y = media::round_even(e.y + sign_y * double(g.config.tile_height) / steps);
  }
  group.tile_effect(g, e.x, e.y);
  play_named_sound(g, g.config.step_sound, false);
}

struct Move {
  int dx, dy;
  Direction direction;
};

// In the order a random turn tries them.
constexpr Move kMoves[] = {{1, 0, Direction::kRight},
                           {-1, 0, Direction::kLeft},
                           {0, 1, Direction::kDown},
                           {0, -1, Direction::kUp}};

// Steps in the move's direction when the step chance allows and the neighbour is free.
bool try_move(Game& g, const Group& group, Enemy& e, const Move& m) {
  if (!chance(g, e.step_chance)) return false;
  const CellPosition c = cell_under_world_pixel(g.config, e.x, e.y);
  if (!is_free(g.world, group, c.x + m.dx, c.y + m.dy)) return false;
  step(g, group, e, m.dx, m.dy);
  e.direction = m.direction;
  return true;
}

// Keeps going the way the enemy last went.
void follow(Game& g, const Group& group, Enemy& e) {
  for (const Move& m : kMoves) {
    if (m.direction == e.direction) {
      try_move(g, group, e, m);
      return;
    }
  }
}

void wander(Game& g, const Group& group, Enemy& e) {
  if (!chance(g, e.turn_chance)) {
    follow(g, group, e);
    return;
  }
  for (const Move& m : kMoves) {
    if (try_move(g, group, e, m)) return;
  }
}

void move_enemy(Game& g, const Group& group, Enemy& e, int behaviour) {
  if (e.activity_chance < 0 || !chance(g, e.activity_chance)) return;
  if (behaviour == 2 || behaviour == 3 || behaviour == 4) return;
  wander(g, group, e);
}

}  // namespace

void move_enemy_a(Game& g, Enemy& enemy, int behaviour) {
  move_enemy(g, kGroupA, enemy, behaviour);
}
void move_enemy_b(Game& g, Enemy& enemy, int behaviour) {
  move_enemy(g, kGroupB, enemy, behaviour);
}

}  // namespace orv
