// The media services: everything the game reaches of the machine, grouped by kind.
#pragma once

#include "media/files.h"
#include "media/files/user_folders.h"
#include "media/folders.h"
#include "media/graphics.h"
#include "media/input.h"
#include "media/platform.h"
#include "media/sound.h"
#include "media/system.h"

namespace orv::media {

class Media {
 public:
  explicit Media(Platform& platform, std::string home = {})
      : platform(platform),
        folders(std::move(home)),
        gfx(platform),
        sound(platform),
        input(platform),
        sys(platform) {}

  // What to do once the desktop asks the game to close: checked at every flip, event wait and
  // delay, so every loop of the game (menus and pauses included) ends cleanly.
  void on_close_request(const std::function<void()>& handler) {
    gfx.on_close_request(handler);
    sys.on_close_request(handler);
  }

  // Called on the thread a caught fault has just pulled out of its work: releases what the
  // abandoned work held of the media services (the mixer's lock).
  void recover_after_fault() { sound.recover_after_fault(); }

  Platform& platform;
  Files files;
  Folders folders;
  UserFolders user_folders;  // tests replace it with one on an environment of their own
  Graphics gfx;
  Sound sound;
  Input input;
  System sys;
};

}  // namespace orv::media
