// The player's name: the one the settings give, else the last folder of the user's home folder.
#include "frame/player_name.h"

#include "game/game.h"

namespace orv {

void read_player_name(Game& g) {
  std::string home = g.media.folders.home_directory();
  if (!home.empty()) home.pop_back();  // the trailing separator
  std::size_t cut = home.rfind('/');
  if (cut != std::string::npos) g.world.login_name = home.substr(cut + 1);
  g.world.player_name =
      g.settings.player_name.empty() ? g.world.login_name : g.settings.player_name;
}

}  // namespace orv
