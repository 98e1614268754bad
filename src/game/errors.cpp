// Messages of expected failures and the program end.
#include "game/errors.h"

#include <string>

#include "game/game.h"
#include "media/messages.h"

namespace orv {
namespace {

struct Message {
  std::string text;
  int buttons = media::kRequesterOk;
  bool ends_program = true;
  int exit_code = kExitFatalError;
};

std::string log_file_note(const Config& config) {
  return " please read logfile:" + media::quoted_path(config.log_path + config.log_file) +
         "\n for more information";
}

Message message_for(const Game& g, int code) {
  switch (code) {
    case kErrorConfiguration:
      return {" Could not open " + media::quoted_path(g.frame.configuration_path)};
    case kErrorNoDataFolder:
      return {" Could not open " + media::quoted_path(g.frame.configuration_path)};
    case kErrorScreen:
      return {" Could not open screen"};
    case kErrorWindow:
      return {" Could not open window"};
    case kErrorDivision:
      return {" division by zero." + log_file_note(g.config) + "\n continue engine?",
              media::kRequesterYesNo};
    case kErrorLevelFile:
      return {" Could not open topographic data"};
    case kErrorBaseFile:
      return {" Could not open:" + media::quoted_path(g.config.level_base_file)};
    case kErrorRepeatedFaults:
      return {" engine stopped: " + std::to_string(kMaxFaultsInARow) + " faults in a row." +
                  log_file_note(g.config),
              media::kRequesterOk, true, kExitAfterFaults};
    case kErrorStartUpFault:
      return {" fault during start-up." + log_file_note(g.config), media::kRequesterOk, true,
              kExitAfterFaults};
    default:
      return {" Unknown error " + std::to_string(code), media::kRequesterOk, false};
  }
}

}  // namespace

void report_error(Game& g, int code) {
  Message m = message_for(g, code);
  int answer = g.media.sys.message_requester("ERROR ", m.text, m.buttons);
  if (m.buttons == media::kRequesterYesNo && answer == 1) return;  // Yes: go on
  if (m.ends_program) end_program(g, m.exit_code);
}

void end_program(Game&, int exit_code) {
  throw ProgramEnd{exit_code};
}

}  // namespace orv
