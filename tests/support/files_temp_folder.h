// A fresh folder under the system's temporary folder, removed with everything in it at the end
// of the test.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace orv::media::testing {

class FilesTempFolder {
 public:
  FilesTempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "orv-files-XXXXXX").string();
    if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern + "/";
  }
  ~FilesTempFolder() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
  }
  FilesTempFolder(const FilesTempFolder&) = delete;
  FilesTempFolder& operator=(const FilesTempFolder&) = delete;

  // The folder, ending with "/"; empty when it could not be made.
  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + name; }

  // Writes a file below the folder, making the folders on the way.
  void write(const std::string& name, const std::string& bytes) const {
    std::filesystem::path file = path_ + name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
  }
  std::string read(const std::string& name) const {
    std::ifstream in(path_ + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  void make_folder(const std::string& name) const {
    std::filesystem::create_directories(path_ + name);
  }

 private:
  std::string path_;
};

}  // namespace orv::media::testing
