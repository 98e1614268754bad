// Message boxes, sleeping, the local and UTC date and the game's own random numbers.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "media/platform.h"
#include "media/system/random.h"

namespace orv::media {

// Buttons of message_requester.
constexpr int kRequesterOk = 0;
constexpr int kRequesterYesNo = 4;

// Keeps every block of a megabyte or more (pictures, screens, level grids) mapped on its own,
// so that freeing it gives the memory back. The C library otherwise starts serving such
// blocks from its heap once one has been freed, where freed memory mostly stays with the
// process: a game that builds a new level of a hundred megabytes would keep much of the old
// one's memory as well. Called once, at start-up.
void keep_large_blocks_returnable();

class System {
 public:
  explicit System(Platform& platform) : platform_(platform) {}

  // kRequesterOk shows OK, kRequesterYesNo Yes and No. Returns 1 for OK or Yes, 0 for No.
  // The text is also written to stderr.
  int message_requester(const std::string& title, const std::string& text, int flags);
  // A line for the player on stderr, such as where the game writes its files.
  void notice(const std::string& text);
  // Sleeps; a close request from the desktop calls the close handler (see Media).
  void delay(int ms);
  void on_close_request(std::function<void()> handler) { close_handler_ = std::move(handler); }
  LocalTime date() { return platform_.local_time(); }
  LocalTime utc_date() { return platform_.utc_time(); }
  std::int32_t random(std::int32_t max) { return random_.next(max); }
  void random_seed(std::int32_t seed) { random_.seed(seed); }
  std::uint64_t random_state() const { return random_.state(); }
  void set_random_state(std::uint64_t state) { random_.set_state(state); }

 private:
  Platform& platform_;
  std::function<void()> close_handler_;
  Random random_;
};

}  // namespace orv::media
