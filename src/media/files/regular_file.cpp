// Opening regular files without blocking, and the limits of text files.
#include "media/files/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

namespace orv::media {
namespace {

bool is_line_end(char c) {
  return c == '\r' || c == '\n' || c == '\0';
}

// The longest run of bytes without a line end, counted across the pieces.
class LongestLine {
 public:
  void add(const char* data, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
      run_ = is_line_end(data[i]) ? 0 : run_ + 1;
      longest_ = std::max(longest_, run_);
    }
  }
  std::size_t longest() const { return longest_; }

 private:
  std::size_t run_ = 0;
  std::size_t longest_ = 0;
};

}  // namespace

int open_regular_file(const std::string& path, int flags) {
  const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC, 0644);
  if (fd < 0) return -1;
  struct stat st;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return -1;
  }
  const int status = ::fcntl(fd, F_GETFL);
  if (status < 0 || ::fcntl(fd, F_SETFL, status & ~O_NONBLOCK) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

std::FILE* open_regular_stream(const std::string& path, int flags, const char* mode) {
  const int fd = open_regular_file(path, flags);
  if (fd < 0) return nullptr;
  std::FILE* file = ::fdopen(fd, mode);
  if (file == nullptr) ::close(fd);
  return file;
}

std::string text_file_refusal(std::FILE* file) {
  struct stat st;
  if (::fstat(::fileno(file), &st) != 0) return "cannot be read";
  if (std::uint64_t(st.st_size) > kMostTextFileBytes)
    return "is larger than " + std::to_string(kMostTextFileBytes) + " bytes";
  std::vector<char> piece(64 * 1024);
  LongestLine line;
  for (std::size_t got; (got = std::fread(piece.data(), 1, piece.size(), file)) > 0;) {
    line.add(piece.data(), got);
    if (line.longest() > kMostTextLineBytes) break;
  }
  std::rewind(file);
  if (line.longest() > kMostTextLineBytes)
    return "has a line longer than " + std::to_string(kMostTextLineBytes) + " bytes";
  return {};
}

std::string text_refusal(std::string_view bytes) {
  if (bytes.size() > kMostTextFileBytes)
    return "is larger than " + std::to_string(kMostTextFileBytes) + " bytes";
  LongestLine line;
  line.add(bytes.data(), bytes.size());
  if (line.longest() > kMostTextLineBytes)
    return "has a line longer than " + std::to_string(kMostTextLineBytes) + " bytes";
  return {};
}

}  // namespace orv::media
