// Helpers for the tests of the SDL platform, which run inside an X server (Xvfb).
#pragma once

#include <SDL.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "media/platform_sdl/sdl_platform.h"

namespace orv::media::testing {

// Sets (or with nullptr removes) an environment variable until the end of the scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    value ? setenv(name, value, 1) : unsetenv(name);
  }
  ~ScopedEnv() { old_ ? setenv(name_.c_str(), old_->c_str(), 1) : unsetenv(name_.c_str()); }

 private:
  std::string name_;
  std::optional<std::string> old_;
};

inline std::unique_ptr<SdlPlatform> make_platform() {
  return std::unique_ptr<SdlPlatform>(static_cast<SdlPlatform*>(make_sdl_platform().release()));
}

// Pumps events until the condition holds, giving up after a generous five seconds.
inline bool pump_until(SdlPlatform& platform, const std::function<bool()>& condition) {
  for (int waited_ms = 0; waited_ms < 5000 && !condition(); waited_ms += 5) {
    platform.pump_events();
    SDL_Delay(5);
  }
  return condition();
}

// Runs a command until it succeeds, five times at most: a busy Xvfb now and then refuses a new
// connection for a moment.
inline bool run_with_retries(const std::string& command) {
  for (int attempt = 0; attempt < 5; ++attempt) {
    if (std::system(command.c_str()) == 0) return true;
    SDL_Delay(50);
  }
  return false;
}

}  // namespace orv::media::testing
