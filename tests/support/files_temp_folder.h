// A fresh folder under the system's temporary folder, removed with its content at the end, and
// writes that stop half way as on a full disk.
#pragma once

#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

namespace orv::media::testing {

class FilesTempFolder {
 public:
  FilesTempFolder() {
    std::string name = (std::filesystem::temp_directory_path() / "orv-files-XXXXXX").string();
    if (::mkdtemp(name.data()) != nullptr) path_ = name + "/";
  }
  ~FilesTempFolder() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
  }
  FilesTempFolder(const FilesTempFolder&) = delete;
  FilesTempFolder& operator=(const FilesTempFolder&) = delete;

  // The folder, ending with "/".
  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + name; }

  // Writes a file, making the folders on the way; a name ending in "/" makes a folder.
  void write(const std::string& name, const std::string& bytes = {}) const {
    std::filesystem::path file = path_ + name;
    std::filesystem::create_directories(file.parent_path());
    if (!name.ends_with('/')) std::ofstream(file, std::ios::binary) << bytes;
  }
  std::string read(const std::string& name) const {
    std::ifstream in(path_ + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

 private:
  std::string path_;
};

// Runs write with the process's file size limit at `bytes`, so that it fails after them as on a
// full disk; returns what write returned, or true (no failed write) when no limit could be set.
inline bool write_with_size_limit(rlim_t bytes, const std::function<bool()>& write) {
  rlimit old{};
  if (::getrlimit(RLIMIT_FSIZE, &old) != 0) return true;
  rlimit small = old;
  small.rlim_cur = bytes;
  const auto old_handler = ::signal(SIGXFSZ, SIG_IGN);
  const bool written = ::setrlimit(RLIMIT_FSIZE, &small) != 0 || write();
  ::setrlimit(RLIMIT_FSIZE, &old);
  ::signal(SIGXFSZ, old_handler);
  return written;
}

}  // namespace orv::media::testing
