// Text files opened by the game: reading lines, writing CR LF lines. Names are game paths (see
// files/paths.h).
#pragma once

#include <cstdio>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "media/handle_table.h"
#include "media/types.h"

namespace orv::media {

class Files {
 public:
  Files();
  ~Files();

  // 0 for a missing file and for anything but a regular file. A text file beyond the limits
  // of files/regular_file.h is not read either: that is told once on stderr.
  FileId read_file(const std::string& name);
  FileId open_file(const std::string& name);
  // The next line, ending at CR, LF, CR LF or NUL, without the line end.
  std::string read_string(FileId file);
  bool eof(FileId file);
  void write_string_line(FileId file, const std::string& text);
  void close_file(FileId file);

  // Files held in memory, found by read_file under exactly this name before the disk is asked:
  // lets tools and fuzz targets run the game's readers on data that is not on disk. The bytes
  // must outlive every handle read_file gives for them (an entry is not replaced while open).
  void put_memory_file(const std::string& name, std::string bytes);
  void clear_memory_files();

 private:
  struct OpenFile;
  HandleTable<std::unique_ptr<OpenFile>, FileId> files_;
  std::map<std::string, std::string, std::less<>> memory_files_;
  std::set<std::string> refused_;  // text files found too large, already told
};

}  // namespace orv::media
