// Verifying and exporting kept games.
#include "frame/kept_games.h"

#include <algorithm>

#include "frame/main_loop.h"
#include "frame/start_up.h"
#include "frame/system_setup.h"
#include "frame/user_files.h"
#include "game/errors.h"
#include "game/game.h"
#include "media/files/file_replace.h"
#include "media/game_tape.h"
#include "media/media.h"
#include "screens/score_table.h"

namespace orv {
namespace {

std::string claim_text(const media::GameClaim& c) {
  return "score " + std::to_string(c.score) + ", level " + std::to_string(c.level) + ", frames " +
         std::to_string(c.frames);
}

// What differs between the claim and what the game reached, as "score 120 (claimed 130)".
std::string differences(const media::GameClaim& reached, const media::GameClaim& claim) {
  std::string out;
  const auto add = [&out](const char* what, std::int64_t got, std::int64_t claimed) {
    if (got == claimed) return;
    if (!out.empty()) out += ", ";
    out += std::string(what) + " " + std::to_string(got) + " (claimed " + std::to_string(claimed) +
           ")";
  };
  add("score", reached.score, claim.score);
  add("level", reached.level, claim.level);
  add("frames", reached.frames, claim.frames);
  return out;
}

TaskOutcome judge(const Game& g, const media::GameRecord& record) {
  const TapeState& t = g.tape;
  if (g.frame.data_set_key.empty())
    return {1, "needs the data set " + record.data_set + "; no data could be read\n"};
  if (t.other_data_set)
    return {1, "needs the data set " + record.data_set + "; the data found (" +
                   g.frame.start_directory + ") is the data set " + g.frame.data_set_key +
                   ": give the right one with --data DIR\n"};
  if (!t.outcome) return {1, "the game was left before its end: no score to compare\n"};
  const media::GameClaim& reached = t.outcome->reached;
  std::string text = claim_text(reached) + "\n";
  if (!t.outcome->ended)
    return {1, text + "differs from the claim: the game was still running after frame " +
                   std::to_string(reached.frames) + " (claimed its end at frame " +
                   std::to_string(record.claim.frames) + ")\n"};
  if (reached == record.claim) return {0, text + "matches the claim\n"};
  return {1, text + "differs from the claim: " + differences(reached, record.claim) + "\n"};
}

}  // namespace

media::DesktopInfo recorded_desktop(const media::GameRecord& record) {
  // Games kept before the screen size was noted were played on a screen of the data's size.
  constexpr int kLargest = 1 << 15;
  const auto size = [&record](const char* name) {
    const std::int64_t v = media::start_value(record, name, kLargest);
    return int(std::clamp<std::int64_t>(v, 1, kLargest));
  };
  return {size("screen-width"), size("screen-height")};
}

TaskOutcome verify_kept_game(media::Platform& platform, const media::GameRecord& record,
                             const std::string& data_option, const BuiltInPlaces& places) {
  media::TapePlatform tape(platform);
  media::Media media(tape);
  Game g(media);
  g.tape.tape = &tape;
  g.tape.mode = TapeMode::kVerify;
  g.tape.played = record;
  // Nobody sees a verified game: its pictures are not drawn, which makes it several times
  // faster (the rules never read a pixel).
  media.gfx.set_drawing(false);
  g.frame.replaying = true;
  g.frame.recorded_input = true;
  try {
    enter_data_folder(g, data_option, places);
    start_up(g);
    main_loop(g);
  } catch (const ProgramEnd&) {
  }
  return judge(g, record);
}

TaskOutcome export_kept_score(media::Platform& platform, int number, const std::string& out_folder,
                              const std::string& data_option, const BuiltInPlaces& places) {
  media::Media media(platform);
  Game g(media);
  try {
    enter_data_folder(g, data_option, places);
    note_start_places(g);
    read_configuration(g);
    open_input_and_sound(g);
    read_player_controls_and_settings(g);
    place_user_files(g);
  } catch (const ProgramEnd& end) {
    return {end.exit_code == 0 ? 1 : end.exit_code, "the data could not be read\n"};
  }
  if (g.config.highscore_file.empty()) return {1, "this data set keeps no best scores\n"};
  const ScoreTable table = load_score_table(g.config.highscore_file).table;
  if (number < 1 || std::size_t(number) > table.size())
    return {1, "the best scores (" + g.config.highscore_file + ") have " +
                   std::to_string(table.size()) + " entries, no entry " + std::to_string(number) +
                   "\n"};
  const ScoreEntry& entry = table[std::size_t(number) - 1];
  const auto text = load_game_record(g.config.highscore_file, entry);
  if (!text) return {1, "entry " + std::to_string(number) + " has no readable recording\n"};
  const std::string out = out_folder + "orvante-score-" + std::to_string(number) + ".txt";
  if (!media::replace_file(out, *text)) return {1, "could not write " + out + "\n"};
  return {0, "wrote entry " + std::to_string(number) + " (score " + std::to_string(entry.score) +
                 ", level " + std::to_string(entry.level) + ", " + entry.name + ") to " + out +
                 "\n"};
}

}  // namespace orv
