// Folders: listing the files of a folder, and the current and home folders.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "media/handle_table.h"
#include "media/types.h"

namespace orv::media {

enum class EntryType { kNone = 0, kFile = 1, kFolder = 2 };

class Folders {
 public:
  // home overrides the user's home folder (tests); empty means $HOME.
  explicit Folders(std::string home = {}) : home_(std::move(home)) {}

  // pattern is "*" or "*" followed by a suffix such as "*.ogg" (matched case-insensitively).
  // Entries come in byte order of their names, whatever order the file system keeps, so the
  // same data gives the same lists (and the same music, pictures and levels) on every machine.
  ScanId examine_directory(const std::string& folder, const std::string& pattern);
  bool next_directory_entry(ScanId scan);
  std::string directory_entry_name(ScanId scan) const;
  EntryType directory_entry_type(ScanId scan) const;
  void finish_directory(ScanId scan);

  // Calls fn with the name of every file (not folder) of the folder whose name matches the
  // pattern, in the order of the scan. Returns false when the folder cannot be scanned.
  bool for_each_file(const std::string& folder, const std::string& pattern,
                     const std::function<void(const std::string& name)>& fn);

  // Both end with "/".
  std::string current_directory() const;
  std::string home_directory() const;

 private:
  struct Scan {
    std::vector<std::pair<std::string, EntryType>> entries;
    std::size_t next = 0;
  };
  std::string home_;
  HandleTable<Scan, ScanId> scans_;
};

}  // namespace orv::media
