// Text files opened by the game: reading lines, writing CR LF lines. Names are game paths (see
// files/paths.h).
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "media/handle_table.h"
#include "media/types.h"

namespace orv::media {

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
