// What hostile files can do to the readers: FIFOs and folders where files should be, text
// files beyond the limits, damaged files set aside more than once, unfinished saves left over.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <functional>
#include <future>

#include "media/files.h"
#include "media/files/content_digest.h"
#include "media/files/file_replace.h"
#include "media/files/paths.h"
#include "media/files/record_store.h"
#include "media/files/regular_file.h"
#include "media/files/user_folders.h"
#include "media/sound/ogg_stream.h"
#include "support/files_temp_folder.h"

namespace orv::media {
namespace {

using testing::FilesTempFolder;

// Runs open and fails when it does not return within a few seconds; a reader stuck on the FIFO
// is then released by a writer, so the test ends either way.
void returns_at_once(const std::string& fifo, const std::function<void()>& open) {
  auto done = std::async(std::launch::async, open);
  if (done.wait_for(std::chrono::seconds(5)) == std::future_status::ready) return done.get();
  ADD_FAILURE() << "opening " << fifo << " blocked";
  const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
  if (writer >= 0) ::close(writer);
  done.wait();
}

TEST(RegularFilesOnly, FifosOrFoldersReadAsMissingWithoutWaiting) {
  FilesTempFolder dir;
  const std::string fifo = dir / "fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  dir.write("folder/");
  for (const std::string& path : {fifo, dir / "folder"}) {
    SCOPED_TRACE(path);
    returns_at_once(path, [&] {
      Files files;
      EXPECT_FALSE(files.read_file(path));
      EXPECT_FALSE(read_whole_file(path, 1024));
      EXPECT_EQ(OggStream::open(path), nullptr);
      EXPECT_LT(open_regular_file(path, O_RDONLY), 0);
    });
  }
  // A digest sees the FIFO as a missing file: the same as no file at that name.
  returns_at_once(fifo, [&] {
    ContentDigest with_fifo, without;
    with_fifo.add_file("x", fifo);
    without.add_file("x", dir / "none");
    EXPECT_EQ(with_fifo.hex(), without.hex());
  });
}

TEST(RegularFilesOnly, ARegularFileOpensBlockingAgain) {
  FilesTempFolder dir;
  dir.write("a.txt", "one\r\ntwo");
  const int fd = open_regular_file(dir / "a.txt", O_RDONLY);
  ASSERT_GE(fd, 0);
  EXPECT_EQ(::fcntl(fd, F_GETFL) & O_NONBLOCK, 0);
  ::close(fd);
}

// A file over the size limit is refused from its size alone (a sparse file, never read); one
// line over the line limit refuses the whole file; each is told once, however often opened.
TEST(TextLimits, OversizedFilesOrLinesAreRefusedWithOneMessage) {
  FilesTempFolder dir;
  {
    const int fd = ::open((dir / "huge.txt").c_str(), O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, off_t(kMostTextFileBytes + 1)), 0);
    ::close(fd);
  }
  dir.write("long.txt", "KEY\r\n" + std::string(kMostTextLineBytes + 1, 'x') + "\r\n");
  dir.write("fine.txt", "KEY\r\n" + std::string(kMostTextLineBytes, 'x') + "\r\n");
  Files files;
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(files.read_file(dir / "huge.txt"));
  EXPECT_FALSE(files.read_file(dir / "long.txt"));
  EXPECT_FALSE(files.read_file(dir / "long.txt"));
  const auto fine = files.read_file(dir / "fine.txt");
  const std::string told = ::testing::internal::GetCapturedStderr();
  EXPECT_TRUE(fine);
  EXPECT_NE(told.find("huge.txt is larger than"), std::string::npos) << told;
  EXPECT_NE(told.find("long.txt has a line longer than"), std::string::npos) << told;
  EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), 2) << told;

  files.put_memory_file("mem", std::string(kMostTextLineBytes + 2, 'y'));
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(files.read_file("mem"));
  ::testing::internal::GetCapturedStderr();
}

TEST(SetAside, EveryDamagedFileGetsANameOfItsOwn) {
  FilesTempFolder dir;
  const std::string path = dir / "scores.txt";
  for (const char* content : {"first", "second", "third"}) {
    dir.write("scores.txt", content);
    EXPECT_FALSE(set_file_aside(path).empty());
  }
  EXPECT_EQ((std::vector{dir.read("scores.txt.damaged"), dir.read("scores.txt.damaged-2"),
                         dir.read("scores.txt.damaged-3")}),
            (std::vector<std::string>{"first", "second", "third"}));
  EXPECT_FALSE(file_exists(path));
  EXPECT_TRUE(set_file_aside(path).empty());  // nothing left to set aside
}

// Only temporary files of interrupted saves older than a minute go; a save may be writing a
// younger one, and every other file stays.
TEST(StaleTemporaries, OnlyOldTemporaryFilesAreRemoved) {
  FilesTempFolder dir;
  for (const char* name : {"scores.txt.tmp-a1B2c3", "scores.txt.tmp-zzzzzz", "scores.txt",
                           "scores.txt.lock", "notes.tmp-abc", "x.tmp-abcdef.bak"})
    dir.write(name, "x");
  const std::time_t old = std::time(nullptr) - 120;
  const utimbuf times{old, old};
  for (const char* name :
       {"scores.txt.tmp-a1B2c3", "scores.txt", "notes.tmp-abc", "x.tmp-abcdef.bak"})
    ::utime((dir / name).c_str(), &times);
  EXPECT_EQ(remove_stale_temporaries(dir.path()), 1);
  EXPECT_FALSE(file_exists(dir / "scores.txt.tmp-a1B2c3"));
  for (const char* name : {"scores.txt.tmp-zzzzzz", "scores.txt", "scores.txt.lock",
                           "notes.tmp-abc", "x.tmp-abcdef.bak"})
    EXPECT_TRUE(file_exists(dir / name)) << name;
  EXPECT_EQ(remove_stale_temporaries(dir / "missing/"), 0);
}

TEST(UserFolderCreation, AHomeThatDoesNotExistIsNeverMade) {
  FilesTempFolder dir;
  const std::string home = dir / "gone/home";
  UserFolders user([&](const std::string& name) -> std::optional<std::string> {
    if (name == "HOME") return home;
    return std::nullopt;
  });
  const std::string error = user.create(user.data_folder() + "records/k/");
  EXPECT_NE(error.find("does not exist"), std::string::npos) << error;
  EXPECT_FALSE(file_exists(dir / "gone"));
  dir.write("gone/home/");
  EXPECT_EQ(user.create(user.data_folder()), "");
  EXPECT_TRUE(std::filesystem::is_directory(home + "/.local/share/orvante"));
}

}  // namespace
}  // namespace orv::media
