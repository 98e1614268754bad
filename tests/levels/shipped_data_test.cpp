// The shipped data set (data/) as the game meets it: what its levels play.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/object_kinds.h"
#include "frame/system_setup.h"
#include "frame/world_collections.h"
#include "game/game.h"
#include "levels/generation.h"
#include "screens/folder_scans.h"
#include "support/data_set.h"
#include "support/test_game.h"

namespace orv {
namespace {

const std::string kShippedData = std::string(ORV_SHIPPED_DATA) + "/";

// The music track that plays: the only one loaded.
std::string playing_track(const Game& g) {
  for (const SoundEntry& track : g.assets.music)
    if (track.sound != 0) return track.name;
  return "";
}

// The music of a level is drawn from the level's seed and the order of the music list, which is
// the byte order of the names on every machine; the draw passes over the title's and the
// highscore's tracks, so every level plays one of the in-game tracks.
TEST(ShippedData, LevelsPlayTheInGameTracks) {
  test::TestGame t;
  Game& g = t.game;
  test::CurrentDirectory here(kShippedData);
  g.frame.start_directory = kShippedData;
  g.frame.configuration_path = kShippedData + "DATA\\ini.txt";
  read_configuration(g);
  open_game_screen(g);
  create_world_collections(g);
  load_object_kinds(g);
  scan_music(g);
  std::vector<std::string> names;
  for (const SoundEntry& track : g.assets.music) names.push_back(track.name);
  EXPECT_EQ(names, (std::vector<std::string>{"game1.ogg", "game2.ogg", "game3.ogg", "menu.ogg",
                                             "score.ogg"}));
  build_first_level(g);
  for (int level = 1; level <= 10; ++level) {
    g.world.level = level;
    build_generated_level(g);
    EXPECT_TRUE(playing_track(g).starts_with("game"))
        << "level " << level << ": " << playing_track(g);
  }
}

}  // namespace
}  // namespace orv
