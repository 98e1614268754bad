// A game with a 1024 x 768 screen, tiles of 32 pixels and scripted keys, for the input tests.
#pragma once

#include "frame/system_setup.h"
#include "input/player_input.h"
#include "media/keys.h"
#include "support/world_fixture.h"

namespace orv::test {

class InputTest : public WorldTest {
 protected:
  InputTest() {
    t.platform.set_desktop({1920, 1080});
    g.config.design_width = 1024, g.config.design_height = 768;
    open_game_screen(g);
    g.frame.menu_active = false, g.world.view_origin_x = g.world.view_origin_y = 1;
  }

  // Reads the input of one frame, then ends the frame; returns the frame's command.
  Command frame() {
    read_input(g);
    g.media.gfx.flip_buffers();
    return g.input.command;
  }
  void frames(int n) {
    for (int i = 0; i < n; ++i) frame();
  }
  std::int64_t now() const { return t.platform.frame(); }
  void hold(int key) { t.platform.hold_key(key, now()); }
  void release(int key) { t.platform.release_key(key, now()); }
  // Holds the key through one frame and lets it go; returns the frame's command.
  Command press(int key) {
    hold(key);
    const Command command = frame();
    release(key);
    return command;
  }
};

}  // namespace orv::test
