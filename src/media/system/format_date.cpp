// Date masks such as "%yyyy%mm%dd%hh%ii%ss".
#include "media/system/format_date.h"

#include <array>
#include <cstdio>
#include <string_view>

namespace orv::media {
namespace {

struct Field {
  std::string_view token;
  int LocalTime::*part;
  int width;
  int modulo;
};

// "%yyyy" comes before "%yy" so that the longer token wins.
constexpr std::array<Field, 7> kFields{{
    {"%yyyy", &LocalTime::year, 4, 10000},
    {"%yy", &LocalTime::year, 2, 100},
    {"%mm", &LocalTime::month, 2, 100},
    {"%dd", &LocalTime::day, 2, 100},
    {"%hh", &LocalTime::hour, 2, 100},
    {"%ii", &LocalTime::minute, 2, 100},
    {"%ss", &LocalTime::second, 2, 100},
}};

std::string padded(int value, int width, int modulo) {
  value %= modulo;
  if (value < 0) value += modulo;
  char text[8];
  std::snprintf(text, sizeof text, "%0*d", width, value);
  return text;
}

// The field whose token starts text, if any.
const Field* field_at(std::string_view text) {
  for (const Field& f : kFields)
    if (text.starts_with(f.token)) return &f;
  return nullptr;
}

}  // namespace

std::string format_date(const std::string& mask, const LocalTime& time) {
  std::string out;
  std::string_view rest = mask;
  while (!rest.empty()) {
    if (const Field* field = field_at(rest)) {
      out += padded(time.*(field->part), field->width, field->modulo);
      rest.remove_prefix(field->token.size());
    } else {
      out += rest.front();
      rest.remove_prefix(1);
    }
  }
  return out;
}

}  // namespace orv::media
