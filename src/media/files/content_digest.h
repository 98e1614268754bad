// A digest of files' names and contents (64-bit FNV-1a), for telling data sets apart: two
// folders with the same files give the same digest wherever they are, and changing one byte of
// one file changes it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace orv::media {

class ContentDigest {
 public:
  // Folders are listed up to this many files; the rest do not count.
  static constexpr std::size_t kMostFolderFiles = 10'000;

  // Adds bytes, with their length, so that ("ab", "c") and ("a", "bc") differ.
  void add(std::string_view bytes);
  // Adds the label and the file's bytes; a file that is missing or not a regular file, or
  // larger than the text limit, adds the label and a mark of its own.
  void add_file(std::string_view label, const std::string& path);
  // Adds every regular file below folder whose name ends with suffix (any case; empty: every
  // file), in name order, each labelled with its path relative to folder.
  void add_folder(const std::string& folder, std::string_view suffix = {});
  // Sixteen lower-case hex digits.
  std::string hex() const;

 private:
  std::uint64_t hash_ = 14695981039346656037ull;
};

}  // namespace orv::media
