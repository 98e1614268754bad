// Dates written by masks such as "%yyyy%mm%dd%hh%ii%ss".
#pragma once

#include <string>

#include "media/platform.h"

namespace orv::media {

// Replaces "%yyyy", "%yy", "%mm", "%dd", "%hh", "%ii" and "%ss" by the parts of the time.
std::string format_date(const std::string& mask, const LocalTime& time);

}  // namespace orv::media
