// The data folder search, and the move into the folder found.
#include "frame/data_folder_choice.h"

#include "game/errors.h"
#include "game/game.h"
#include "media/files/data_folder.h"

namespace orv {

void enter_data_folder(Game& g, const std::string& option, const BuiltInPlaces& places) {
  media::DataFolderPlaces search_places{option, "", g.media.folders.current_directory(),
                                        places.installed_data, places.source_data};
  if (auto value = g.media.user_folders.environment("ORVANTE_DATA"))
    search_places.environment = *value;
  const media::DataFolderSearch search = media::find_data_folder(search_places);
  if (search.folder && media::enter_folder(*search.folder)) {
    g.frame.installed_data = *search.folder == search_places.installed ||
                             *search.folder == search_places.installed + "/";
    if (*search.folder != search.looked.front())
      g.media.sys.notice("data folder: " + *search.folder);
    return;
  }
  std::string looked;
  for (const std::string& place : search.looked) looked += (looked.empty() ? "" : ", ") + place;
  g.frame.configuration_path = "DATA/ini.txt in any of: " + looked;
  report_error(g, kErrorNoDataFolder);
}

}  // namespace orv
