// A fresh folder under the system's temporary folder, removed with its content at the end.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
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

}  // namespace orv::media::testing
