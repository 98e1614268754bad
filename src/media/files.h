// Files, folders and paths. Paths may use "\" as a separator; when a path does not exist as
// written, its components are matched without regard to case.
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

enum class EntryType { kNone = 0, kFile = 1, kFolder = 2 };

class Files {
 public:
  // home overrides the user's home folder (tests); empty means $HOME.
  explicit Files(std::string home = {});
  ~Files();

  Handle read_file(const std::string& name);
  Handle open_file(const std::string& name);
  // The next line, ending at CR, LF, CR LF or NUL, without the line end.
  std::string read_string(Handle file);
  bool eof(Handle file);
  void write_string_line(Handle file, const std::string& text);
  void close_file(Handle file);

  // pattern is "*" or "*" followed by a suffix such as "*.ogg" (matched case-insensitively).
  // Entries come in byte order of their names, whatever order the file system keeps, so the
  // same data gives the same lists (and the same music, pictures and levels) on every machine.
  Handle examine_directory(const std::string& folder, const std::string& pattern);
  bool next_directory_entry(Handle scan);
  std::string directory_entry_name(Handle scan) const;
  EntryType directory_entry_type(Handle scan) const;
  void finish_directory(Handle scan);

  // Both end with "/".
  std::string current_directory() const;
  std::string home_directory() const;

 private:
  struct OpenFile;
  struct Scan {
    std::vector<std::pair<std::string, EntryType>> entries;
    std::size_t next = 0;
  };
  std::string home_;
  HandleTable<std::unique_ptr<OpenFile>> files_;
  HandleTable<Scan> scans_;
};

}  // namespace orv::media
