// Line reading: every kind of line end, at every chunk boundary, and through real files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "media/files.h"
#include "media/files/line_reader.h"
#include "support/files_temp_folder.h"

namespace orv::media {
namespace {

using testing::FilesTempFolder;
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
  std::size_t piece_;
  std::size_t pos_ = 0;
};

Lines read_all(LineReader& reader, ByteSource& source) {
  Lines lines;
  while (!reader.at_end(source) && lines.size() < 1000) lines.push_back(reader.next_line(source));
  return lines;
}

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
    {"Nul", std::string("a\0b\0", 4), {"a", "b"}},
    {"Mixed", std::string("a\rb\nc\r\nd\0e", 10), {"a", "b", "c", "d", "e"}},
    {"NoFinalEnd", "one\ntwo", {"one", "two"}},
    {"EmptyLines", "a\n\n\nb", {"a", "", "", "b"}},
    {"CrThenCrLf", "a\r\r\nb", {"a", "", "b"}},
    {"LfCrIsTwoEnds", "a\n\rb", {"a", "", "b"}},
    {"CrAtVeryEnd", "abc\r", {"abc"}},
    {"OnlyCrLf", "\r\n", {""}},
    {"TwoNuls", std::string("\0\0", 2), {"", ""}},
    {"Empty", "", {}},
    {"Latin1Untouched", "\xe9t\xe9 \xff\n", {"\xe9t\xe9 \xff"}},
    {"BlanksKept", " KEY \n\tvalue\t", {" KEY ", "\tvalue\t"}},
};

class FilesLineReader : public ::testing::TestWithParam<std::tuple<LineCase, std::size_t>> {};

TEST_P(FilesLineReader, SplitsAtEveryChunkSize) {
  const auto& [c, chunk] = GetParam();
  for (std::size_t piece : {std::size_t(1), std::size_t(2), std::size_t(1) << 20}) {
    SCOPED_TRACE(piece);
    PieceSource source(c.bytes, piece);
    LineReader reader(chunk);
    EXPECT_EQ(read_all(reader, source), c.lines);
    EXPECT_TRUE(reader.at_end(source));
    EXPECT_EQ(reader.next_line(source), "");
  }
}

INSTANTIATE_TEST_SUITE_P(, FilesLineReader,
                         ::testing::Combine(::testing::ValuesIn(kLineCases),
                                            ::testing::Values(1, 2, 3, 4096)),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) + "_chunk" +
                                  std::to_string(std::get<1>(info.param));
                         });

TEST(FilesLineReaderLong, LineLongerThanManyChunks) {
  std::string long_line(3 * LineReader::kDefaultChunk + 5, 'x');
  long_line[LineReader::kDefaultChunk] = 'y';
  PieceSource source(long_line + "\r\nnext", 1 << 20);
  LineReader reader;
  EXPECT_EQ(reader.next_line(source), long_line);
  EXPECT_EQ(reader.next_line(source), "next");
  EXPECT_TRUE(reader.at_end(source));
}

// The same through Files on real files.
class FilesReadString : public ::testing::TestWithParam<LineCase> {
 protected:
  FilesTempFolder dir_;
  Files files_;
};

TEST_P(FilesReadString, ReadsEveryLineThenReportsTheEnd) {
  dir_.write("data.txt", GetParam().bytes);
  Handle f = files_.read_file(dir_ / "data.txt");
  ASSERT_NE(f, 0);
  Lines lines;
  while (!files_.eof(f) && lines.size() < 1000) lines.push_back(files_.read_string(f));
  EXPECT_EQ(lines, GetParam().lines);
  EXPECT_TRUE(files_.eof(f));
  EXPECT_EQ(files_.read_string(f), "");
  files_.close_file(f);
}

INSTANTIATE_TEST_SUITE_P(, FilesReadString, ::testing::ValuesIn(kLineCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FilesEof, TrueRightAfterTheLastLineEnd) {
  FilesTempFolder dir;
  dir.write("a.txt", "abc\r\n");
  Files files;
  Handle f = files.read_file(dir / "a.txt");
  EXPECT_FALSE(files.eof(f));
  EXPECT_EQ(files.read_string(f), "abc");
  EXPECT_TRUE(files.eof(f));
}

TEST(FilesUnknownHandle, ReadsEmptyLinesAndNeverEnds) {
  Files files;
  for (Handle h : {0, 1, -5, 12345}) {
    EXPECT_EQ(files.read_string(h), "");
    EXPECT_FALSE(files.eof(h));
    files.write_string_line(h, "ignored");
    files.close_file(h);
  }
}

TEST(FilesUnknownHandle, ClosedHandleIsUnknown) {
  FilesTempFolder dir;
  dir.write("a.txt", "line\n");
  Files files;
  Handle f = files.read_file(dir / "a.txt");
  files.close_file(f);
  EXPECT_EQ(files.read_string(f), "");
  EXPECT_FALSE(files.eof(f));
}

}  // namespace
}  // namespace orv::media
