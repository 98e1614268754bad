// Line splitting over a buffered byte source.
#include "media/files/line_reader.h"

#include <algorithm>

#include "media/files/regular_file.h"

namespace orv::media {
namespace {

bool is_line_end(char c) {
  return c == '\r' || c == '\n' || c == '\0';
}

}  // namespace

LineReader::LineReader(std::size_t chunk) : buffer_(std::max<std::size_t>(chunk, 1)) {}

bool LineReader::fill(ByteSource& source) {
  if (pos_ < end_) return true;
  pos_ = 0;
  end_ = std::min(source.read(buffer_.data(), buffer_.size()), buffer_.size());
  return end_ > 0;
}

// A CR may be the first half of CR LF; the LF may still sit in the source.
void LineReader::skip_lf_after_cr(ByteSource& source) {
  if (fill(source) && buffer_[pos_] == '\n') ++pos_;
}

std::string LineReader::next_line(ByteSource& source) {
  std::string line;
  while (fill(source)) {
    const char* begin = buffer_.data() + pos_;
    const char* stop = buffer_.data() + end_;
    const char* found = std::find_if(begin, stop, is_line_end);
    // A line longer than the limit keeps its first kMostTextLineBytes bytes: the readers
    // refuse such files before reading, this only bounds a file that grew meanwhile.
    line.append(begin, std::min<std::size_t>(
                           std::size_t(found - begin),
                           kMostTextLineBytes - std::min(line.size(), kMostTextLineBytes)));
    pos_ += std::size_t(found - begin);
    if (found == stop) continue;
    ++pos_;
    if (*found == '\r') skip_lf_after_cr(source);
    break;
  }
  return line;
}

bool LineReader::at_end(ByteSource& source) {
  return !fill(source);
}

}  // namespace orv::media
