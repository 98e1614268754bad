#include "media/numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace orv::media {
namespace {

std::size_t skip_blanks(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  return i;
}

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

std::int32_t val(const std::string& text) {
  std::size_t i = skip_blanks(text);
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  std::int64_t n = 0;
  for (; i < text.size() && is_digit(text[i]); ++i) {
    n = n * 10 + (text[i] - '0');
    if (n > std::int64_t(1) << 32) n = std::int64_t(1) << 32;  // saturate, keep going
  }
  if (negative) n = -n;
  if (n > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  if (n < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
  return std::int32_t(n);
}

float valf(const std::string& text) {
  // Accept only plain decimal syntax: sign, digits, ".", digits, exponent.
  std::size_t i = skip_blanks(text);
  std::size_t start = i;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  std::size_t digits = 0;
  while (i < text.size() && is_digit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && is_digit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return 0.0f;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '-' || text[j] == '+')) ++j;
    if (j < text.size() && is_digit(text[j])) {
      while (j < text.size() && is_digit(text[j])) ++j;
      i = j;
    }
  }
  std::string number = text.substr(start, i - start);
  float value = std::strtof(number.c_str(), nullptr);
  return std::isfinite(value) ? value : 0.0f;
}

std::string str(std::int64_t n) {
  return std::to_string(n);
}

std::int32_t round_even(double value) {
  if (std::isnan(value)) return 0;
  double r = std::nearbyint(value);  // the default rounding mode rounds halves to even
  if (r >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
  if (r <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
  return std::int32_t(r);
}

std::int32_t saturating_add(std::int32_t a, std::int64_t b) {
  using Limits = std::numeric_limits<std::int32_t>;
  // Any b beyond twice the 32-bit range saturates the same way, and the sum stays in 64 bits.
  constexpr std::int64_t kReach = std::int64_t(1) << 33;
  const std::int64_t sum = std::int64_t(a) + std::clamp(b, -kReach, kReach);
  return std::int32_t(std::clamp<std::int64_t>(sum, Limits::min(), Limits::max()));
}

float turn_degrees(float angle, double step) {
  return float(std::fmod(double(angle) + step, 360.0));
}

}  // namespace orv::media
