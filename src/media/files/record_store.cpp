// Locked record updates, stale temporary files, and where a data set's records live.
#include "media/files/record_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>

#include "media/files/file_replace.h"
#include "media/files/paths.h"
#include "media/files/regular_file.h"
#include "media/files/user_folders.h"

namespace orv::media {
namespace {

constexpr int kLockPollMs = 20;

// Holds an flock on a lock file for as long as it lives; holds nothing when the lock file
// cannot be made or the wait ran out.
class FileLock {
 public:
  FileLock(const std::string& path, int wait_ms) {
    fd_ = open_regular_file(path, O_RDWR | O_CREAT);
    if (fd_ < 0) return;
    for (int waited = 0;; waited += kLockPollMs) {
      if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
        locked_ = true;
        return;
      }
      if (waited >= wait_ms) return;
      ::usleep(kLockPollMs * 1000);
    }
  }
  ~FileLock() {
    if (fd_ >= 0) ::close(fd_);  // closing releases the lock
  }
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  bool locked() const { return locked_; }

 private:
  int fd_ = -1;
  bool locked_ = false;
};

}  // namespace

RecordContent read_record_file(const std::string& path, std::size_t max_bytes) {
  RecordContent content;
  content.present = file_exists(path);
  if (!content.present) return content;
  if (auto bytes = read_whole_file(path, max_bytes))
    content.bytes.emplace(bytes->begin(), bytes->end());
  return content;
}

RecordOutcome update_record_file(const std::string& path, std::size_t max_bytes,
                                 const std::function<RecordChange(const RecordContent&)>& change,
                                 int lock_wait_ms) {
  RecordOutcome outcome;
  const FileLock lock(path + ".lock", lock_wait_ms);
  if (!lock.locked()) outcome.error = "could not lock " + path + ".lock, saved without the lock";
  const RecordChange wanted = change(read_record_file(path, max_bytes));
  if (wanted.set_old_aside) outcome.set_aside_as = set_file_aside(path);
  if (!wanted.write) return outcome;
  outcome.written = replace_file(path, *wanted.write);
  if (!outcome.written) outcome.error = "could not write " + path;
  return outcome;
}

int remove_stale_temporaries(const std::string& folder, std::int64_t max_age_s) {
  std::error_code ec;
  std::filesystem::directory_iterator it(folder, ec);
  if (ec) return 0;
  const std::time_t now = std::time(nullptr);
  int removed = 0;
  for (const auto& entry : it) {
    const std::string name = entry.path().filename().string();
    if (!is_temporary_name(name)) continue;
    struct stat st;
    if (::lstat(entry.path().c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
    if (now - st.st_mtime <= max_age_s) continue;  // an update may still be writing it
    if (::unlink(entry.path().c_str()) == 0) ++removed;
  }
  return removed;
}

RecordStore::RecordStore(const std::string& user_data_folder, const std::string& key)
    : folder_(with_slash(user_data_folder) + "records/" + key + "/") {}

std::string RecordStore::prepare() const {
  return create_folder(folder_);
}

}  // namespace orv::media
