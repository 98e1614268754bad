// The command-line tasks on kept games: checking a kept game by playing it again without a
// window, and writing the recording of a kept score to a file of its own.
#pragma once

#include <string>

#include "frame/data_folder_choice.h"
#include "media/game_record.h"
#include "media/platform.h"

namespace orv {

struct TaskOutcome {
  int exit_code = 0;
  std::string text;  // for the standard output (lines ending with "\n")
};

// The desktop a verify's headless platform needs so the game opens the screen it was played
// on (the screen is the desktop's size when that is smaller than the data's).
media::DesktopInfo recorded_desktop(const media::GameRecord& record);

// Plays the kept game on platform (a headless one: no window, sound or real time) from its
// start to the end of its time and compares what it reached with its claim: exit 0 when score,
// level and frames all match, 1 naming what differs, or naming the data set it needs when the
// data found is another.
TaskOutcome verify_kept_game(media::Platform& platform, const media::GameRecord& record,
                             const std::string& data_option, const BuiltInPlaces& places);

// Writes the recording of entry number (1 = the best) of the data set's best scores into
// out_folder (ending with "/") as "orvante-score-<number>.txt".
TaskOutcome export_kept_score(media::Platform& platform, int number, const std::string& out_folder,
                              const std::string& data_option, const BuiltInPlaces& places);

}  // namespace orv
