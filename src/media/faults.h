// Catching processor faults (division by zero, invalid memory access, illegal instruction,
// stack overflow, floating-point traps) so the game can log them and go on.
//
// A fault inside FaultTrap::run abandons the function that was running and returns a
// description of the fault; execution continues after the call. The signal handlers are
// process-wide by nature; the only state they share is a per-thread pointer to the active
// recovery point.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace orv::media {

enum class FaultKind {
  kIntegerDivideByZero,
  kAccessViolation,
  kPrivilegedInstruction,
  kIllegalInstruction,
  kStackOverflow,
  kFloatDenormal,
  kFloatDivideByZero,
  kFloatInexact,
  kFloatInvalid,
  kFloatOverflow,
  kFloatUnderflow,
  kBreakpoint,
  kSingleStep,
  kUnknown,
};

// The log text of a fault kind.
const char* fault_text(FaultKind kind);

class FaultTrap {
 public:
  // Installs the signal handlers and an alternate signal stack for this thread. Safe to call
  // more than once.
  static void install();
  // Runs fn. Returns nullopt when it finished normally, or the kind of fault that ended it.
  // Exceptions thrown by fn pass through unchanged.
  static std::optional<FaultKind> run(const std::function<void()>& fn);
};

}  // namespace orv::media
