// Moving the files the game writes out of a data folder it may not write into.
#include "frame/user_files.h"

#include <string>

#include "frame/data_set_key.h"
#include "game/game.h"
#include "media/files/record_store.h"
#include "media/files/user_folders.h"

namespace orv {
namespace {

// The part of a path setting after its last separator: the file name, or the name prefix of
// SCRSAVE. Folders in front of it are dropped, so the name cannot leave the folder it is put
// in.
std::string last_part(const std::string& path) {
  const std::size_t cut = path.find_last_of("/\\");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

// Creates the folder; true when it exists afterwards. A failure is told, not fatal: the
// writes into it will then fail silently as writes into a missing folder do.
bool prepare_folder(Game& g, const std::string& folder) {
  const std::string error = g.media.user_folders.create(folder);
  if (!error.empty()) g.media.sys.notice(error);
  return error.empty();
}

void move_log_and_screenshots(Game& g) {
  const media::UserFolders& user = g.media.user_folders;
  const std::string state = user.state_folder();
  prepare_folder(g, state);
  g.config.log_path = state;
  g.config.log_file = last_part(g.config.log_file);
  g.media.sys.notice("error log: " + g.config.log_path + g.config.log_file);

  const std::string pictures = user.pictures_folder();
  prepare_folder(g, pictures);
  g.config.screenshot_prefix = pictures + last_part(g.config.screenshot_prefix);
  g.media.sys.notice("screenshots: " + pictures);
}

}  // namespace

void place_user_files(Game& g) {
  if (g.frame.installed_data || !media::folder_writable(g.frame.start_directory))
    move_log_and_screenshots(g);
  g.frame.data_set_key = data_set_key(g);
  const media::RecordStore records(g.media.user_folders.data_folder(), g.frame.data_set_key);
  const int stale = media::remove_stale_temporaries(records.folder());
  if (stale > 0)
    g.media.sys.notice("removed " + std::to_string(stale) + " unfinished saves in " +
                       records.folder());
  if (g.config.highscore_file.empty()) return;
  // The folder is made when the first score is kept.
  const std::string name = last_part(g.config.highscore_file);
  g.config.highscore_file = name.empty() ? std::string() : records.path_of(name);
  if (!name.empty()) g.media.sys.notice("best scores: " + g.config.highscore_file);
}

}  // namespace orv
