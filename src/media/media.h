// The media services: everything the game reaches of the machine, grouped by kind.
#pragma once

#include "media/files.h"
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
        files(std::move(home)),
        gfx(platform, files),
        sound(platform, files),
        input(platform),
        sys(platform) {}

  Platform& platform;
  Files files;
  Graphics gfx;
  Sound sound;
  Input input;
  System sys;
};

}  // namespace orv::media
