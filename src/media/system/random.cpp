// The game's random numbers. The generator is SplitMix64 (Steele, Lea and Flood, 2014):
//
//   state = state + 0x9E3779B97F4A7C15                      (mod 2^64)
//   z = state
//   z = (z xor (z >> 30)) * 0xBF58476D1CE4E5B9              (mod 2^64)
//   z = (z xor (z >> 27)) * 0x94D049BB133111EB              (mod 2^64)
//   output z xor (z >> 31)
//
// seed(s) sets the state to the 32 bits of s read as an unsigned number (so seed(-1) gives
// 0xFFFFFFFF). Before the first seed() the state is the steady clock in milliseconds.
//
// next(max) draws 64-bit outputs x until x >= 2^64 mod (max + 1) and returns x mod (max + 1).
// The outputs that are kept cover every remainder equally often, so the result is exactly
// uniform over 0..max. Nothing here depends on the standard library's distributions, so the
// same seed gives the same numbers with every compiler and library.
#include "media/system/random.h"

#include <chrono>
#include <climits>

namespace orv::media {

Random::Random() {
  auto since_start = std::chrono::steady_clock::now().time_since_epoch();
  state_ =
      std::uint64_t(std::chrono::duration_cast<std::chrono::milliseconds>(since_start).count());
}

void Random::seed(std::int32_t seed) {
  state_ = static_cast<std::uint32_t>(seed);
}

std::uint64_t Random::next_u64() {
  state_ += 0x9E3779B97F4A7C15u;
  std::uint64_t z = state_;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
  return z ^ (z >> 31);
}

std::int32_t Random::next(std::int32_t max) {
  if (max < 0) return INT32_MIN;
  const std::uint64_t range = std::uint64_t(max) + 1;
  const std::uint64_t skip_below = (0 - range) % range;  // 2^64 mod range
  std::uint64_t x = next_u64();
  while (x < skip_below) x = next_u64();
  return static_cast<std::int32_t>(x % range);
}

}  // namespace orv::media
