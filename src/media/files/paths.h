// Game paths. Paths may use "\" as a separator; when a path does not exist as written, its
// components are matched without regard to case.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "media/types.h"

namespace orv::media {

// Turns a game path into one the operating system understands: "\" becomes "/", and each
// component that does not exist as written is replaced by a case-insensitive match when the
// folder holds one.
std::string resolve_path(const std::string& path);

// The folder with a "/" at its end (an empty one becomes "/").
std::string with_slash(std::string folder);

// True when something (a file or a folder) exists at the path, as written.
bool file_exists(const std::string& path);

// True when a name read from data (a tile name, a glyph name, a file name from a folder listing)
// may be joined under a folder: it holds no "/" or "\" and is neither "." nor "..", so the path
// it makes names something inside that folder ("wall..png" does). Names that fail are treated as
// unknown by their callers.
bool is_plain_name(std::string_view name);

// Reads a whole file; nullopt when it cannot be read or is larger than max_bytes.
std::optional<Bytes> read_whole_file(const std::string& path, std::size_t max_bytes);

}  // namespace orv::media
