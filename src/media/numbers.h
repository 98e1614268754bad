// Reading numbers from text the way the game's data files expect.
#pragma once

#include <cstdint>
#include <string>

namespace orv::media {

// Leading blanks and tabs skipped, then an optional "-" or "+", then digits up to the first
// non-digit; no digits gives 0. Values beyond 32 bits saturate.
std::int32_t val(const std::string& text);

// A decimal floating-point number ("." as decimal point, exponent allowed) after leading blanks;
// trailing text is ignored; nothing readable, infinities and NaN give 0.0.
float valf(const std::string& text);

// Signed decimal text of an integer.
std::string str(std::int64_t n);

// Rounds to the nearest integer, halves to even, saturating at the 32-bit limits; NaN gives 0.
std::int32_t round_even(double value);

// An accumulated rotation angle in degrees turned on by step, kept within one turn so that it
// never loses precision however long it turns (the rotation of 3D sprites).
float turn_degrees(float angle, double step);

// a + b, held at the 32-bit limits instead of wrapping round: the counters of the game (score,
// time, remaining count) add values that data files choose freely.
std::int32_t saturating_add(std::int32_t a, std::int64_t b);

}  // namespace orv::media
