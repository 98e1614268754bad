// Walking the files of a folder, as the asset scans and the object catalogue do.
#pragma once

#include <functional>
#include <string>

namespace orv {

struct Game;

// Calls fn with the name of every file (not folder) of the folder whose name matches the
// pattern ("*" or "*" + suffix), in the order the file system lists them. Returns false when
// the folder cannot be scanned.
bool for_each_file(Game& g, const std::string& folder, const std::string& pattern,
                   const std::function<void(const std::string& name)>& fn);

}  // namespace orv
