#include "sound/named_sounds.h"

#include "game/game.h"

namespace orv {

void play_named_sound(Game& g, const std::string& name, bool loop) {
  for (const SoundEntry& s : g.assets.sounds) {
    if (s.name != name) continue;
    if (s.loaded) g.media.sound.play_sound(s.sound, loop);
    return;
  }
}

}  // namespace orv
