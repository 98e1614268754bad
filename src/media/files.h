// Files and paths. Paths may use "\" as a separator; when a path does not exist as written,
// its components are matched without regard to case.
#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "media/handle_table.h"
#include "media/types.h"

namespace orv::media {

// Turns a game path into one the operating system understands: "\" becomes "/", and each
// component that does not exist as written is replaced by a case-insensitive match when the
// folder holds one.
std::string resolve_path(const std::string& path);

// Reads a whole file; nullopt when it cannot be read or is larger than max_bytes.
std::optional<Bytes> read_whole_file(const std::string& path, std::size_t max_bytes);

class Files {
 public:
  Files();
  ~Files();

  Handle read_file(const std::string& name);
  Handle open_file(const std::string& name);
  // The next line, ending at CR, LF, CR LF or NUL, without the line end.
  std::string read_string(Handle file);
  bool eof(Handle file);
  void write_string_line(Handle file, const std::string& text);
  void close_file(Handle file);

 private:
  struct OpenFile;
  HandleTable<std::unique_ptr<OpenFile>> files_;
};

}  // namespace orv::media
