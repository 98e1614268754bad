// Replacing a file as a whole, so that a crash or a full disk never leaves half of it.
#pragma once

#include <string>
#include <string_view>

namespace orv::media {

// The temporary files of replace_file are named path + kTemporaryMark + six characters.
inline constexpr std::string_view kTemporaryMark = ".tmp-";
bool is_temporary_name(std::string_view name);

// Writes bytes to a temporary file beside path, flushes it to the disk and renames it over
// path. On any failure the temporary file is removed, path keeps its old content and false is
// returned.
bool replace_file(const std::string& path, const std::string& bytes);

// Renames a damaged file out of the way, to path + ".damaged", or when that name is taken
// ".damaged-2", "-3" and so on (an earlier damaged file is never replaced), and returns the new
// name; empty when it could not be renamed.
std::string set_file_aside(const std::string& path);

}  // namespace orv::media
