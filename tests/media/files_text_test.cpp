// Text files: every kind of line end on every read boundary, and reads and writes mixed on
// one handle.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "media/files.h"
#include "media/files/line_reader.h"
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
  const char* name;
  std::string bytes;
  Lines lines;
};
void PrintTo(const LineCase& c, std::ostream* os) {
  *os << c.name;
}

const LineCase kLineCases[] = {
    {"Lf", "a\nb\n", {"a", "b"}},
    {"Cr", "a\rb\r", {"a", "b"}},
    {"CrLfIsOneEnd", "a\r\nb\r\n", {"a", "b"}},
    {"Nul", std::string("a\0b\0\0", 5), {"a", "b", ""}},
    {"Mixed", std::string("a\rb\nc\r\nd\0e", 10), {"a", "b", "c", "d", "e"}},
    {"NoFinalEnd", "one\ntwo", {"one", "two"}},
    {"EmptyLines", "\na\n\n\nb", {"", "a", "", "", "b"}},
    {"CrThenCrLf", "a\r\r\nb", {"a", "", "b"}},
    {"LfCrIsTwoEnds", "a\n\rb", {"a", "", "b"}},
    {"CrAtVeryEnd", "abc\r", {"abc"}},
    {"Empty", "", {}},
    {"Latin1AndBlanksKept", " \xe9t\xe9\t\xff \n", {" \xe9t\xe9\t\xff "}},
    {"LongerThanTheBuffers", std::string(70000, 'x') + "\r\ny", {std::string(70000, 'x'), "y"}},
};

class FilesLineReader : public ::testing::TestWithParam<std::tuple<LineCase, std::size_t>> {};

TEST_P(FilesLineReader, SplitsWhateverTheReadSizes) {
  const auto& [c, chunk] = GetParam();
  for (std::size_t piece : {1, 2, 1 << 20}) {
    PieceSource source(c.bytes, piece);
    LineReader reader(chunk);
    Lines lines;
    while (!reader.at_end(source) && lines.size() < 100) lines.push_back(reader.next_line(source));
    EXPECT_EQ(lines, c.lines) << "piece " << piece;
    EXPECT_EQ(reader.next_line(source), "");
  }
}

INSTANTIATE_TEST_SUITE_P(, FilesLineReader,
                         ::testing::Combine(::testing::ValuesIn(kLineCases),
                                            ::testing::Values(1, 3, LineReader::kDefaultChunk)));

TEST(FilesReadString, ReadsLinesUntilEofRightAfterTheLastEnd) {
  testing::FilesTempFolder dir;
  dir.write("data.txt", std::string("KEY\r\nvalue\rx\0\nlast\r\n", 20));
  Files files;
  Handle f = files.read_file(dir / "data.txt");
  Lines lines;
  while (!files.eof(f) && lines.size() < 100) lines.push_back(files.read_string(f));
  EXPECT_EQ(lines, (Lines{"KEY", "value", "x", "", "last"}));
  EXPECT_EQ(files.read_string(f), "");
}

TEST(FilesUnknownHandle, ReadsEmptyLinesAndNeverEnds) {
  testing::FilesTempFolder dir;
  dir.write("a.txt", "line\n");
  Files files;
  Handle closed = files.read_file(dir / "a.txt");
  files.close_file(closed);
  for (Handle h : {0, -5, 12345, closed}) {
    EXPECT_EQ(files.read_string(h), "");
    EXPECT_FALSE(files.eof(h));
    files.write_string_line(h, "ignored");
    files.close_file(h);
  }
}

class FilesOpen : public ::testing::Test {
 protected:
  testing::FilesTempFolder dir_;
  Files files_;
};

TEST_F(FilesOpen, OnlyRegularFilesOpen) {
  dir_.write("folder/");
  EXPECT_EQ(files_.read_file(dir_ / "missing.txt"), 0);
  EXPECT_EQ(files_.read_file(dir_ / "folder"), 0);
  EXPECT_EQ(files_.open_file(dir_ / "folder"), 0);
  EXPECT_EQ(files_.open_file(dir_ / "no/such/x.txt"), 0);
}

TEST_F(FilesOpen, CreatesAndWritesCrLfLinesInAFolderOfOtherCase) {
  dir_.write("Logs/");
  Handle f = files_.open_file(dir_.path() + "LOGS\\new.txt");
  ASSERT_NE(f, 0);
  EXPECT_TRUE(files_.eof(f));
  for (const char* line : {"first", "", "\xe9t\xe9"}) files_.write_string_line(f, line);
  files_.close_file(f);
  EXPECT_EQ(dir_.read("Logs/new.txt"), "first\r\n\r\n\xe9t\xe9\r\n");
}

TEST_F(FilesOpen, LogStyleAppendAfterReadingToTheEnd) {
  dir_.write("log.txt", "old entry\r\n");
  for (const char* entry : {"second", "third"}) {
    Handle f = files_.open_file(dir_ / "log.txt");
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
  files_.write_string_line(f, "X");  // over "bb\n"
  EXPECT_EQ(files_.read_string(f), "cc");
  EXPECT_TRUE(files_.eof(f));
  files_.close_file(f);
  EXPECT_EQ(dir_.read("mix.txt"), "a\nX\r\ncc\n");
}

}  // namespace
}  // namespace orv::media
