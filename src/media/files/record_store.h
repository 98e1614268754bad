// Records kept per user and per data set (the best scores, and whatever else a player's games
// leave behind): one folder per data-set key below the per-user data folder, one file per
// record in it. Every update takes an advisory lock on a lock file beside the record, reads
// the record again under the lock and replaces it by rename, so games finishing at the same
// moment never lose each other's entries.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace orv::media {

// What an update sees of a record: missing, present and read, or present but not readable
// (too large, or not a regular file).
struct RecordContent {
  bool present = false;
  std::optional<std::string> bytes;
};

// What the update wants: the new content (nullopt writes nothing) and whether the old file is
// to be set aside first (it was damaged).
struct RecordChange {
  std::optional<std::string> write;
  bool set_old_aside = false;
};

struct RecordOutcome {
  bool written = false;
  std::string set_aside_as;  // where a damaged record went
  std::string error;         // what went wrong, for the player
};

// Updates the file at path under the lock: reads it (at most max_bytes), asks change what to
// do and does it. A lock held elsewhere is waited for up to lock_wait_ms, then the update goes
// on without it (a hung game must not keep the others from saving).
RecordOutcome update_record_file(const std::string& path, std::size_t max_bytes,
                                 const std::function<RecordChange(const RecordContent&)>& change,
                                 int lock_wait_ms = 10'000);

// Reads a record without the lock (a reader sees either the old or the new file, as updates
// rename).
RecordContent read_record_file(const std::string& path, std::size_t max_bytes);

// Removes temporary files of interrupted updates (replace_file's) in folder that are older
// than max_age_s seconds; returns how many went.
int remove_stale_temporaries(const std::string& folder, std::int64_t max_age_s = 60);

class RecordStore {
 public:
  // user_data_folder ends with "/"; key names the data set (see the data-set key).
  RecordStore(const std::string& user_data_folder, const std::string& key);

  // The folder of this data set's records, ending with "/".
  const std::string& folder() const { return folder_; }
  // Where the record called name lives (a plain file name).
  std::string path_of(const std::string& name) const { return folder_ + name; }
  // Makes the folder when missing; an error message when it cannot be made.
  std::string prepare() const;

 private:
  std::string folder_;
};

}  // namespace orv::media
