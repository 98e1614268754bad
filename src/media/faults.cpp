#include "media/faults.h"

#include <pthread.h>
#include <setjmp.h>
#include <signal.h>

#include <cstdint>
#include <cstdlib>

namespace orv::media {
namespace {

struct Recovery {
  sigjmp_buf env;
  volatile FaultKind kind = FaultKind::kUnknown;
};

// The recovery point of the guarded call running on this thread, if any.
thread_local Recovery* t_recovery = nullptr;
// The lowest address of this thread's stack, to tell a stack overflow from other bad accesses.
thread_local std::uintptr_t t_stack_low = 0;

[[maybe_unused]] constexpr std::size_t kAltStackSize = 64 * 1024;
constexpr std::uintptr_t kGuardZone = 1024 * 1024;
constexpr int kSignals[] = {SIGFPE, SIGSEGV, SIGBUS, SIGILL};

FaultKind classify_fpe(int code) {
  switch (code) {
    case FPE_FLTDIV:
      return FaultKind::kFloatDivideByZero;
    case FPE_FLTOVF:
      return FaultKind::kFloatOverflow;
    case FPE_FLTUND:
      return FaultKind::kFloatUnderflow;
    case FPE_FLTRES:
      return FaultKind::kFloatInexact;
    case FPE_FLTINV:
      return FaultKind::kFloatInvalid;
    case FPE_FLTSUB:
      return FaultKind::kUnknown;
    default:
      return FaultKind::kIntegerDivideByZero;  // FPE_INTDIV, FPE_INTOVF, raise()
  }
}

FaultKind classify(int sig, const siginfo_t* info) {
  std::uintptr_t addr = reinterpret_cast<std::uintptr_t>(info->si_addr);
  switch (sig) {
    case SIGFPE:
      return classify_fpe(info->si_code);
    case SIGILL:
      return info->si_code == ILL_PRVOPC || info->si_code == ILL_PRVREG
                 ? FaultKind::kPrivilegedInstruction
                 : FaultKind::kIllegalInstruction;
    case SIGSEGV:
    case SIGBUS:
      if (t_stack_low != 0 && addr < t_stack_low + 64 * 1024 && addr + kGuardZone >= t_stack_low)
        return FaultKind::kStackOverflow;
      return FaultKind::kAccessViolation;
    default:
      return FaultKind::kUnknown;
  }
}

void on_fault(int sig, siginfo_t* info, void*) {
  Recovery* r = t_recovery;
  if (r == nullptr) {
    // Not inside a guarded call: let the fault take its normal course.
    ::signal(sig, SIG_DFL);
    ::raise(sig);
    return;
  }
  r->kind = classify(sig, info);
  siglongjmp(r->env, 1);
}

void remember_stack_bounds() {
  pthread_attr_t attr;
  if (pthread_getattr_np(pthread_self(), &attr) != 0) return;
  void* addr = nullptr;
  std::size_t size = 0;
  if (pthread_attr_getstack(&attr, &addr, &size) == 0)
    t_stack_low = reinterpret_cast<std::uintptr_t>(addr);
  pthread_attr_destroy(&attr);
}

// WebAssembly has no signal stacks; a fault there stops the program instead of signalling.
void install_alternate_stack() {
#ifndef __EMSCRIPTEN__
  stack_t current{};
  if (sigaltstack(nullptr, &current) == 0 && (current.ss_flags & SS_DISABLE) == 0) return;
  stack_t ss{};
  ss.ss_sp = std::malloc(kAltStackSize);  // lives as long as the thread
  if (ss.ss_sp == nullptr) return;
  ss.ss_size = kAltStackSize;
  sigaltstack(&ss, nullptr);
#endif
}

}  // namespace

const char* fault_text(FaultKind kind) {
  switch (kind) {
    case FaultKind::kIntegerDivideByZero:
      return "Attempted division by zero";
    case FaultKind::kAccessViolation:
      return "An attemped read or write to/from an address to which that process isn't allowed";
    case FaultKind::kPrivilegedInstruction:
      return "The instruction is not allowed in the current ring (inport, outport & control "
             "register manipulation usually)";
    case FaultKind::kIllegalInstruction:
      return "Try to execute an invalid instruction -such as MMX opcodes on a non MMX system";
    case FaultKind::kStackOverflow:
      return "Stack overflow.Can occur during errant recursion, or when a function creates a "
             "particularly large array on the stack.";
    case FaultKind::kFloatDenormal:
      return "FLOAT_DENORMAL_OPERAND One of the operands in a floating-point operation is too "
             "small to be represented in a floating-point value.";
    case FaultKind::kFloatDivideByZero:
      return "FLOAT_DIVIDE_BY_ZERO The thread tried to divide a floating-point value by zero.";
    case FaultKind::kFloatInexact:
      return "FLOAT_INEXACT_RESULT The accuracy of the last floating point operation is worse "
             "than usual as it is impossible to represent in the float accurately,";
    case FaultKind::kFloatInvalid:
      return "FLOAT_INVALID_OPERATION Any other floating-point exception.";
    case FaultKind::kFloatOverflow:
      return "FLOAT_OVERFLOW The result was too big to represent";
    case FaultKind::kFloatUnderflow:
      return "FLT_UNDERFLOW The result was too small to represent";
    case FaultKind::kBreakpoint:
      return "BREAKPOINT A breakpoint was encountered.";
    case FaultKind::kSingleStep:
      return "SINGLE_STEP The CPU has signalled that one instruction has been executed.Only of "
             "interest to Debuggers";
    case FaultKind::kUnknown:
      break;
  }
  return "UNKNOWN Error";
}

void FaultTrap::install() {
  remember_stack_bounds();
  install_alternate_stack();
  struct sigaction sa {};
  sa.sa_sigaction = &on_fault;
  sa.sa_flags = SA_SIGINFO | SA_ONSTACK;
  sigemptyset(&sa.sa_mask);
  for (int sig : kSignals) sigaction(sig, &sa, nullptr);
}

std::optional<FaultKind> FaultTrap::run(const std::function<void()>& fn) {
  Recovery recovery;
  Recovery* const outer = t_recovery;
  if (sigsetjmp(recovery.env, 1) != 0) {
    t_recovery = outer;
    return FaultKind(recovery.kind);
  }
  t_recovery = &recovery;
  try {
    fn();
  } catch (...) {
    t_recovery = outer;
    throw;
  }
  t_recovery = outer;
  return std::nullopt;
}

}  // namespace orv::media
