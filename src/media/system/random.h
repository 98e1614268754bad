// The game's random generator (the algorithm is described in random.cpp).
#pragma once

#include <cstdint>

namespace orv::media {

// The game's random generator, identical on every machine so that a seed always gives the same
// labyrinth. See random.cpp for the exact algorithm.
class Random {
 public:
  Random();  // seeded from the clock until seed() is called
  void seed(std::int32_t seed);
  // The whole state, to start a recorded game again exactly where it began.
  std::uint64_t state() const { return state_; }
  void set_state(std::uint64_t state) { state_ = state; }
  // Uniform over 0..max inclusive; for a negative max returns INT32_MIN.
  std::int32_t next(std::int32_t max);

 private:
  std::uint64_t next_u64();
  std::uint64_t state_ = 0;
};

}  // namespace orv::media
