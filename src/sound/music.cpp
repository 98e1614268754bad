#include "sound/music.h"

#include <algorithm>

#include "game/game.h"

namespace orv {
namespace {

void stop_all_music(Game& g) {
  media::Sound& sound = g.media.sound;
  for (SoundEntry& track : g.assets.music) {
    if (!sound.is_sound(track.sound)) continue;
    sound.stop_sound(track.sound);
    sound.free_sound(track.sound);
    track.sound = {};
  }
}

bool start(Game& g, SoundEntry& track) {
  track.sound = g.media.sound.load_music(track.path);
  if (!track.sound) return false;
  g.media.sound.play_sound(track.sound, true);
  return true;
}

bool is_screen_track(const SoundEntry& track) {
  return track.name == kMenuTrack || track.name == kScoreTrack;
}

// Steps through the list, wrapping round, until random(10) gives 0: the first track is the
// likeliest choice. The steps pass over the screens' tracks, so a level never plays the title's
// or the highscore's music, unless the list holds nothing else; the draws are the same either
// way, and with them the labyrinth built after the choice.
std::size_t random_track(Game& g) {
  const std::vector<SoundEntry>& music = g.assets.music;
  const bool skip = !std::all_of(music.begin(), music.end(), is_screen_track);
  const std::size_t count = music.size();
  std::size_t i = count - 1;
  do {
    do i = (i + 1) % count;
    while (skip && is_screen_track(music[i]));
  } while (g.media.sys.random(10) != 0);
  return i;
}

}  // namespace

void play_music(Game& g, const std::string& name) {
  stop_all_music(g);
  std::vector<SoundEntry>& music = g.assets.music;
  if (name.empty()) {
    if (!music.empty()) start(g, music[random_track(g)]);
    return;
  }
  for (SoundEntry& track : music)
    if (track.name == name && start(g, track)) return;
}

}  // namespace orv
