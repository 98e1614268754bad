// A game with a small screen and the test font, for the screens around play.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "media/keys.h"
#include "support/ogg_writer.h"
#include "support/screen_game.h"

namespace orv::test {

class ScreenTest : public ::testing::Test {
 protected:
  static constexpr int kWidth = 200;
  static constexpr int kHeight = 200;

  void SetUp() override {
    open_test_screen(t.game, kWidth, kHeight);
    t.game.config.load_intro_screen.clear();
    t.game.frame.menu_active = false;
  }
  // Presses START (P on the keyboard, button 10 on the joypad) from the given frame on.
  void press_start_at(std::int64_t frame) {
    if (!t.game.frame.joypad_present) return t.platform.hold_key(media::key::kP, frame);
    media::JoystickState pad;
    pad.buttons[9] = true;
    t.platform.set_joystick_state(pad, frame);
  }
  // Lets START go from the given frame on.
  void release_start_at(std::int64_t frame) {
    if (!t.game.frame.joypad_present) return t.platform.release_key(media::key::kP, frame);
    t.platform.set_joystick_state({}, frame);
  }
  // Keeps a copy of every presented frame (screens of these tests are small).
  std::vector<media::Image>& keep_frames() {
    t.platform.on_present = [this](const media::Image& f, std::int64_t) { frames.push_back(f); };
    return frames;
  }
  // Starts the sound output and writes a short OGG tone into the game's folder.
  std::string tone_file() {
    t.media.sound.init_sound();
    const media::Bytes ogg = media::test::write_ogg({.seconds = 0.1});
    return t.dir.write("tone.ogg", std::string(ogg.begin(), ogg.end()));
  }

  ScreenGame t;
  std::vector<media::Image> frames;
};

}  // namespace orv::test
