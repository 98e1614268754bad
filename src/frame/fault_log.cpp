// The error log: seven lines per caught fault, appended, never truncated.
#include "frame/fault_log.h"

#include <string>

#include "game/errors.h"
#include "game/game.h"
#include "media/numbers.h"
#include "media/system/format_date.h"

namespace orv {

void write_log_entry(Game& g, const std::string& error_type) {
  media::Files& files = g.media.files;
  media::FileId log = files.open_file(g.config.log_path + g.config.log_file);
  if (!log) return;
  while (!files.eof(log)) files.read_string(log);
  files.write_string_line(log, "KORVEL ENGINE ERROR AND WARNING LOG:");
  files.write_string_line(
      log, "DATESTAMP:" + media::format_date("%dd/%mm/%yyyy", g.media.sys.date()) +
               " TIMESTAMP:" + media::format_date("%hh:%ii:%ss", g.media.sys.date()));
  files.write_string_line(log, "MAP_ID:" + media::str(g.world.level));
  files.write_string_line(log, "ERROR TYPE:" + error_type);
  files.write_string_line(log, std::string("MODULE:") + g.frame.fault_module);
  files.write_string_line(log, "AT LINE:" + media::str(g.frame.fault_line));
  files.write_string_line(log, " ");
  files.close_file(log);
}

void log_fault(Game& g, media::FaultKind kind) {
  write_log_entry(g, media::fault_text(kind));
  if (kind == media::FaultKind::kIntegerDivideByZero) report_error(g, kErrorDivision);
}

}  // namespace orv
