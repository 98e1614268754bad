// Checks a data folder the way the game reads it.
#pragma once

#include <string>
#include <vector>

#include "report.h"

namespace orv::check {

struct CheckResult {
  bool readable = false;  // false when the folder or its DATA/ini.txt cannot be read
  std::vector<Finding> findings;
};

// folder: the data folder (the game's start directory), with or without its trailing "/".
CheckResult check_data_folder(std::string folder);

}  // namespace orv::check
