// Text files, line ends, folder scans and the game's "\" paths on a case-sensitive file system.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "media/files.h"
#include "media/files/line_reader.h"
#include "media/files/paths.h"
#include "media/folders.h"
#include "support/files_temp_folder.h"

namespace orv::media {
namespace {

using Lines = std::vector<std::string>;

// Hands out a string in pieces of at most `piece` bytes.
class PieceSource : public ByteSource {
 public:
  PieceSource(std::string data, std::size_t piece) : data_(std::move(data)), piece_(piece) {}
  std::size_t read(char* dst, std::size_t max) override {
    std::size_t n = std::min({max, piece_, data_.size() - pos_});
    std::memcpy(dst, data_.data() + pos_, n);
    pos_ += n;
    return n;
  }

 private:
  std::string data_;
  std::size_t piece_, pos_ = 0;
};

struct LineCase {
  std::string bytes;
  Lines lines;
};

TEST(FilesLineReader, EveryLineEndOnEveryReadBoundary) {
  const LineCase cases[] = {
      {std::string("a\rb\nc\r\nd\0e\0\0", 12), {"a", "b", "c", "d", "e", ""}},
      {"\na\r\r\nb\n\rc\r", {"", "a", "", "b", "", "c"}},  // LF CR is two line ends
      {"", {}},
      {" \xe9t\xe9\t\xff \n", {" \xe9t\xe9\t\xff "}},
      {std::string(70000, 'x') + "\r\ny", {std::string(70000, 'x'), "y"}},
  };
  for (const LineCase& c : cases) {
    for (std::size_t chunk : {std::size_t(1), LineReader::kDefaultChunk}) {
      for (std::size_t piece : {1, 1 << 20}) {
        SCOPED_TRACE(c.bytes.substr(0, 12) + " chunk " + std::to_string(chunk) + " piece " +
                     std::to_string(piece));
        PieceSource source(c.bytes, piece);
        LineReader reader(chunk);
        Lines lines;
        while (!reader.at_end(source) && lines.size() < 100)
          lines.push_back(reader.next_line(source));
        EXPECT_EQ(lines, c.lines);
        EXPECT_EQ(reader.next_line(source), "");
      }
    }
  }
}

class FilesTest : public ::testing::Test {
 protected:
  Lines read_all(FileId f) {
    Lines lines;
    while (!files_.eof(f) && lines.size() < 100) lines.push_back(files_.read_string(f));
    return lines;
  }
  // The names a scan lists, in its order, folders with a "/" after them.
  Lines scan(const std::string& folder, const std::string& pattern) {
    Lines found;
    auto s = folders_.examine_directory(folder, pattern);
    while (folders_.next_directory_entry(s) && found.size() < 100)
      found.push_back(folders_.directory_entry_name(s) +
                      (folders_.directory_entry_type(s) == EntryType::kFolder ? "/" : ""));
    folders_.finish_directory(s);
    return found;
  }
  testing::FilesTempFolder dir_;
  Files files_;
  Folders folders_;
};

TEST_F(FilesTest, UnknownHandlesReadEmptyLinesWithoutEnd) {
  dir_.write("a.txt", "line\n");
  auto closed = files_.read_file(dir_ / "a.txt");
  files_.close_file(closed);
  for (FileId h : {FileId(0), FileId(-5), FileId(12345), closed}) {
    EXPECT_EQ(files_.read_string(h), "");
    EXPECT_FALSE(files_.eof(h));
    files_.write_string_line(h, "ignored");
    files_.close_file(h);
  }
  dir_.write("folder/");
  EXPECT_EQ(files_.read_file(dir_ / "missing.txt").value + files_.open_file(dir_ / "folder").value,
            0);
}

TEST_F(FilesTest, WritesCrLfLinesWhereReadingStopped) {
  dir_.write("Logs/log.txt", "old entry\r\n");
  auto log = files_.open_file(dir_.path() + "LOGS\\log.txt");  // the error log's way of appending
  read_all(log);
  files_.write_string_line(log, "\xe9t\xe9");
  files_.close_file(log);
  EXPECT_EQ(dir_.read("Logs/log.txt"), "old entry\r\n\xe9t\xe9\r\n");

  dir_.write("mix.txt", "a\nbb\ncc\n");
  auto f = files_.open_file(dir_ / "mix.txt");
  EXPECT_EQ(files_.read_string(f), "a");
  files_.write_string_line(f, "X");  // over "bb\n"
  EXPECT_EQ(read_all(f), Lines{"cc"});
  files_.close_file(f);
  EXPECT_EQ(dir_.read("mix.txt"), "a\nX\r\ncc\n");
}

// Suffixes match without case and "*" takes all but "." and ".."; whatever order the file
// system keeps, the names come in byte order, so the music, pictures and levels of a data set
// are the same on every machine.
TEST_F(FilesTest, ScansListTheMatchingEntriesInByteOrder) {
  for (const char* name :
       {"menu.ogg", "b.ogg", "LOUD.OGG", "notes.txt", "\xe9.ogg", "a0.ogg", "ogg", ".hidden.ogg",
        "9.ogg", "sub.ogg/", "_x.ogg", "B.ogg", "a.ogg", "10.ogg"})
    dir_.write(std::string("music/") + name);
  Lines ogg{".hidden.ogg", "10.ogg", "9.ogg", "B.ogg",    "LOUD.OGG", "_x.ogg",
            "a.ogg",       "a0.ogg", "b.ogg", "menu.ogg", "sub.ogg/", "\xe9.ogg"};
  EXPECT_EQ(scan(dir_ / "music", "*.OGG"), ogg);
  ogg.insert(ogg.begin() + 10, {"notes.txt", "ogg"});
  EXPECT_EQ(scan(dir_.path() + "MUSIC\\", "*"), ogg);

  EXPECT_FALSE(folders_.examine_directory(dir_ / "music/menu.ogg", "*"));
  auto s = folders_.examine_directory(dir_ / "music", "*.txt");
  ASSERT_TRUE(folders_.next_directory_entry(s));
  EXPECT_FALSE(folders_.next_directory_entry(s) || folders_.next_directory_entry(s));
  EXPECT_EQ(folders_.directory_entry_name(s), "");
}

// Names from data are joined under a folder only when they cannot leave it. A scan lists no
// file whose name would: "a\..\..\x.png" is a path of its own once "\" becomes "/". Two dots
// inside a name ("b..png", "a..b.ogg") leave nothing and are listed and read like any other.
TEST_F(FilesTest, NamesThatWouldLeaveTheirFolderAreRefused) {
  for (const char* plain : {"25500", "LAB_WALL", "a.png", "_a", "\xe9", "a..b", "wall..png", "..."})
    EXPECT_TRUE(is_plain_name(plain)) << plain;
  for (const char* climbing : {"..", ".", "..\\..\\etc\\x", "../x", "a/b", "\\", "..\\"})
    EXPECT_FALSE(is_plain_name(climbing)) << climbing;
  for (const char* name : {"ok.png", "a\\..\\..\\x.png", "b..png"})
    dir_.write(std::string("gfx/") + name);
  Lines listed;
  folders_.for_each_file(dir_ / "gfx", "*.png", [&](const std::string& n) { listed.push_back(n); });
  EXPECT_EQ(listed, (Lines{"b..png", "ok.png"}));
}

// Files held in memory are read under exactly their name, before the disk; the rest still come
// from the disk.
TEST_F(FilesTest, MemoryFilesAreReadBeforeTheDisk) {
  dir_.write("a.txt", "disk\n");
  dir_.write("b.txt", "disk b\n");
  files_.put_memory_file(dir_ / "a.txt", std::string("one\r\ntw\0o", 10));
  files_.put_memory_file("empty", "");
  auto read_named = [&](const std::string& name) {
    const FileId f = files_.read_file(name);
    const Lines lines = f ? read_all(f) : Lines{"not opened"};
    files_.close_file(f);
    return lines;
  };
  EXPECT_EQ(read_named(dir_ / "a.txt"), (Lines{"one", "tw", "o"}));
  EXPECT_EQ(read_named("empty"), Lines{});
  EXPECT_EQ(read_named(dir_ / "b.txt"), Lines{"disk b"});
  files_.clear_memory_files();
  EXPECT_EQ(read_named(dir_ / "a.txt"), Lines{"disk"});
}

TEST_F(FilesTest, PathsResolveAgainstWhatExistsWhateverTheirSeparatorOrCase) {
  dir_.write("Data/Ini.txt");
  dir_.write("Sub/Deep/x");
  const std::pair<const char*, const char*> paths[] = {
      {"Data\\Ini.txt", "Data/Ini.txt"},
      {"DATA\\INI.TXT", "Data/Ini.txt"},
      {"DATA\\new.txt", "Data/new.txt"},  // a new file in a found folder
      {"sub\\deep\\", "Sub/Deep/"}};
  for (auto [asked, resolved] : paths)
    EXPECT_EQ(resolve_path(dir_.path() + asked), dir_.path() + resolved);

  EXPECT_EQ(Folders("/home/player").home_directory(), "/home/player/");
  EXPECT_EQ(Folders().current_directory(), std::filesystem::current_path().string() + "/");
}

}  // namespace
}  // namespace orv::media
