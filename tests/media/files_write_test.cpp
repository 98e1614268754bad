// Opening files for reading and writing, and mixing reads with writes on one handle.
#include <gtest/gtest.h>

#include <string>

#include "media/files.h"
#include "support/files_temp_folder.h"

namespace orv::media {
namespace {

using testing::FilesTempFolder;

class FilesOpen : public ::testing::Test {
 protected:
  FilesTempFolder dir_;
  Files files_;
};

TEST_F(FilesOpen, ReadFileNeedsAnExistingRegularFile) {
  dir_.make_folder("folder");
  EXPECT_EQ(files_.read_file(dir_ / "missing.txt"), 0);
  EXPECT_EQ(files_.read_file(dir_ / "folder"), 0);
  EXPECT_EQ(files_.open_file(dir_ / "folder"), 0);
  EXPECT_EQ(files_.open_file(dir_ / "no/such/folder/x.txt"), 0);
  EXPECT_EQ(files_.read_file(""), 0);
}

TEST_F(FilesOpen, ReadFileWithBackslashesAndWrongCase) {
  dir_.write("Data/Ini.TXT", "KEY\nvalue\n");
  std::string windows_style = dir_.path() + "DATA\\ini.txt";
  Handle f = files_.read_file(windows_style);
  ASSERT_NE(f, 0);
  EXPECT_EQ(files_.read_string(f), "KEY");
}

TEST_F(FilesOpen, OpenFileCreatesAndWritesCrLfLines) {
  Handle f = files_.open_file(dir_ / "new.txt");
  ASSERT_NE(f, 0);
  EXPECT_TRUE(files_.eof(f));
  files_.write_string_line(f, "first");
  files_.write_string_line(f, "");
  files_.write_string_line(f, "\xe9t\xe9");
  files_.close_file(f);
  EXPECT_EQ(dir_.read("new.txt"), "first\r\n\r\n\xe9t\xe9\r\n");
}

TEST_F(FilesOpen, OpenFileKeepsExistingContentAndStartsAtTheBeginning) {
  dir_.write("keep.txt", "one\ntwo\n");
  Handle f = files_.open_file(dir_ / "keep.txt");
  ASSERT_NE(f, 0);
  EXPECT_EQ(files_.read_string(f), "one");
  files_.close_file(f);
  EXPECT_EQ(dir_.read("keep.txt"), "one\ntwo\n");
}

TEST_F(FilesOpen, LogStyleAppendAfterReadingToTheEnd) {
  dir_.write("log.txt", "old entry\r\n");
  for (const char* entry : {"second", "third"}) {
    Handle f = files_.open_file(dir_ / "log.txt");
    ASSERT_NE(f, 0);
    while (!files_.eof(f)) files_.read_string(f);
    files_.write_string_line(f, entry);
    files_.close_file(f);
  }
  EXPECT_EQ(dir_.read("log.txt"), "old entry\r\nsecond\r\nthird\r\n");
}

TEST_F(FilesOpen, WriteAfterAPartialReadGoesWhereTheReadStopped) {
  dir_.write("mix.txt", "a\nbb\ncc\n");
  Handle f = files_.open_file(dir_ / "mix.txt");
  EXPECT_EQ(files_.read_string(f), "a");
  files_.write_string_line(f, "X");  // overwrites "bb\n"
  EXPECT_EQ(files_.read_string(f), "cc");
  EXPECT_TRUE(files_.eof(f));
  files_.close_file(f);
  EXPECT_EQ(dir_.read("mix.txt"), "a\nX\r\ncc\n");
}

TEST_F(FilesOpen, CreatesInAFolderWhoseCaseDiffers) {
  dir_.make_folder("Logs");
  Handle f = files_.open_file(dir_.path() + "LOGS\\error.txt");
  ASSERT_NE(f, 0);
  files_.write_string_line(f, "entry");
  files_.close_file(f);
  EXPECT_EQ(dir_.read("Logs/error.txt"), "entry\r\n");
}

TEST_F(FilesOpen, HandlesAreIndependent) {
  dir_.write("a.txt", "a1\na2\n");
  dir_.write("b.txt", "b1\n");
  Handle a = files_.read_file(dir_ / "a.txt");
  Handle b = files_.read_file(dir_ / "b.txt");
  ASSERT_NE(a, b);
  EXPECT_EQ(files_.read_string(a), "a1");
  EXPECT_EQ(files_.read_string(b), "b1");
  EXPECT_TRUE(files_.eof(b));
  EXPECT_EQ(files_.read_string(a), "a2");
}

}  // namespace
}  // namespace orv::media
