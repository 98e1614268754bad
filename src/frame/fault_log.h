// The error log: seven lines per caught fault, appended, never truncated.
#pragma once

#include <string>

#include "media/faults.h"

namespace orv {

struct Game;

// Appends the seven-line entry of a fault to the error log; asks whether to go on after a
// division by zero.
void log_fault(Game& g, media::FaultKind kind);
// Appends a seven-line entry naming the error type to the error log, and asks nothing.
void write_log_entry(Game& g, const std::string& error_type);

}  // namespace orv
