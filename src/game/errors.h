// Error messages and the program end.
#pragma once

namespace orv {

struct Game;

// Thrown by end_program; main() catches it, lets the media services close and exits with it.
struct ProgramEnd {
  int exit_code = 0;
};

// Exit code of a program that ends because faults kept it from running.
constexpr int kExitAfterFaults = 1;
// Exit code of a program ended by an error that keeps it from running (no configuration,
// window, screen, level or base file).
constexpr int kExitFatalError = 1;
// Faulting frames in a row after which the game gives up instead of filling the log.
constexpr int kMaxFaultsInARow = 100;

// Error codes of report_error. Code 1 is not used: window events are polled on the game thread
// (the window layer wants them on the thread that made the window), so no event thread is
// started and none can fail to start.
enum ErrorCode {
  kErrorConfiguration = 0,   // DATA/ini.txt could not be opened: ends the program
  kErrorScreen = 2,          // drawable screen not opened: ends the program
  kErrorWindow = 3,          // window not opened: ends the program
  kErrorDivision = 5,        // division by zero: Yes goes on, No ends the program
  kErrorLevelFile = 6,       // level file not opened: ends the program
  kErrorBaseFile = 7,        // base file of generated levels not opened: ends the program
  kErrorRepeatedFaults = 8,  // every frame faulted, kMaxFaultsInARow in a row: ends the program
  kErrorStartUpFault = 9,    // a fault abandoned start-up: ends the program
  // No place of the data folder search holds DATA/ini.txt: the configuration path names the
  // places looked at; ends the program with kExitAfterFaults.
  kErrorNoDataFolder = 10,
};

// Shows the message box of the error (title "ERROR ") and, for codes that end the program,
// ends it. Returns only for the codes that go on.
void report_error(Game& g, int code);

// Ends the program, with exit code 0 unless told otherwise (the player chose to leave). Nothing
// is saved.
[[noreturn]] void end_program(Game& g, int exit_code = 0);

}  // namespace orv
