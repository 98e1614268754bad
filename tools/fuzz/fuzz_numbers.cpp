// The number readers of the data files against plain restatements of their rules: val (blanks,
// sign, digits, saturating), valf (finite, agrees with val on whole numbers), round_even (nearest,
// halves to even, saturating) and saturating_add (the exact sum held at the 32-bit limits).
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "media/numbers.h"

namespace {

using Limits = std::numeric_limits<std::int32_t>;

void check(bool ok) {
  if (!ok) __builtin_trap();
}

std::int32_t expected_val(const std::string& text) {
  std::size_t i = text.find_first_not_of(" \t");
  if (i == std::string::npos) return 0;
  const bool negative = text[i] == '-';
  if (text[i] == '-' || text[i] == '+') ++i;
  const std::size_t end = std::min(text.find_first_not_of("0123456789", i), text.size());
  std::string digits = text.substr(i, end - i);
  digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
  if (digits.empty()) return 0;
  if (digits.size() > 10) return negative ? Limits::min() : Limits::max();
  const std::int64_t n = std::stoll(digits) * (negative ? -1 : 1);
  return std::int32_t(std::clamp<std::int64_t>(n, Limits::min(), Limits::max()));
}

// Blanks, an optional sign and one to six digits: a number valf reads exactly.
bool whole_number(const std::string& text) {
  std::size_t i = text.find_first_not_of(" \t");
  if (i == std::string::npos) return false;
  if (text[i] == '+' || text[i] == '-') ++i;
  const std::size_t digits = text.size() - i;
  return digits >= 1 && digits <= 6 && text.find_first_not_of("0123456789", i) == std::string::npos;
}

void check_round_even(double value) {
  const std::int32_t r = orv::media::round_even(value);
  if (std::isnan(value)) return check(r == 0);
  if (value >= 2147483647.0) return check(r == Limits::max());
  if (value <= -2147483648.0) return check(r == Limits::min());
  const double diff = std::fabs(double(r) - value);
  check(diff <= 0.5);
  if (diff == 0.5) check(r % 2 == 0);
}

void check_saturating_add(std::int32_t a, std::int64_t b) {
  const __int128 sum = __int128(a) + b;
  const __int128 held = std::clamp<__int128>(sum, Limits::min(), Limits::max());
  check(orv::media::saturating_add(a, b) == std::int32_t(held));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  check(orv::media::val(text) == expected_val(text));
  const float f = orv::media::valf(text);
  check(std::isfinite(f));
  if (whole_number(text)) check(f == float(orv::media::val(text)));
  if (size >= 12) {
    double value;
    std::int32_t a;
    std::memcpy(&value, data, sizeof value);
    std::memcpy(&a, data + 8, sizeof a);
    check_round_even(value);
    check_saturating_add(a, std::int64_t(std::llround(std::fmod(value, 9e18))));
  }
  return 0;
}
