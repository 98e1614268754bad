// Whole-file replacement: temporary file, fsync, rename.
#include "media/files/file_replace.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

namespace orv::media {
namespace {

// Damaged files set aside beside one record before the game stops looking for a free name.
constexpr int kMostAsideNames = 1000;

bool write_all(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += std::size_t(n);
  }
  return true;
}

// The folder's entry of the renamed file reaches the disk too.
void sync_folder_of(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

bool is_temporary_name(std::string_view name) {
  const std::size_t mark = name.rfind(kTemporaryMark);
  return mark != std::string_view::npos && mark + kTemporaryMark.size() + 6 == name.size();
}

bool replace_file(const std::string& path, const std::string& bytes) {
  std::string temporary = path + std::string(kTemporaryMark) + "XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return false;
  const bool written = write_all(fd, bytes) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::remove(temporary.c_str());
    return false;
  }
  sync_folder_of(path);
  return true;
}

std::string set_file_aside(const std::string& path) {
  for (int n = 1; n <= kMostAsideNames; ++n) {
    std::string aside = path + ".damaged";
    if (n > 1) aside.append(1, '-').append(std::to_string(n));
#ifdef RENAME_NOREPLACE  // not in every C library (the browser build's has none)
    if (::renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, aside.c_str(), RENAME_NOREPLACE) == 0)
      return aside;
    if (errno == EEXIST) continue;
    if (errno != EINVAL && errno != ENOSYS) return {};
#endif
    // A file system without the no-replace rename: a hard link fails on an existing name too.
    if (::link(path.c_str(), aside.c_str()) == 0) return ::unlink(path.c_str()) == 0 ? aside : "";
    if (errno != EEXIST) return {};
  }
  return {};
}

}  // namespace orv::media
