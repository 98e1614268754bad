// Text files opened by the game: line reading, writing CR LF lines, and closing.
#include "media/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "media/files/line_reader.h"
#include "media/files/paths.h"
#include "media/files/regular_file.h"
#include "media/messages.h"

namespace orv::media {
namespace {

class StdioSource : public ByteSource {
 public:
  explicit StdioSource(FILE* file) : file_(file) {}
  std::size_t read(char* dst, std::size_t max) override { return std::fread(dst, 1, max, file_); }

 private:
  FILE* file_;
};

}  // namespace

// C streams need a positioning call whenever reading turns into writing or back; the line
// reader's read-ahead is given back to the stream before a write.
struct Files::OpenFile {
  enum class Last { kNone, kRead, kWrite };

  explicit OpenFile(FILE* f) : file(f), source(f) {}
  ~OpenFile() { std::fclose(file); }
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;

  void prepare_read() {
    if (last == Last::kWrite) std::fseek(file, 0, SEEK_CUR);
    last = Last::kRead;
  }
  void prepare_write() {
    if (last == Last::kRead) {
      ::fseeko(file, -off_t(reader.buffered()), SEEK_CUR);
      reader.clear();
    }
    last = Last::kWrite;
  }

  FILE* file;
  StdioSource source;
  LineReader reader;
  Last last = Last::kNone;
};

Files::Files() = default;

Files::~Files() = default;

FileId Files::read_file(const std::string& name) {
  FILE* file = nullptr;
  std::string refusal;
  if (auto it = memory_files_.find(name); it != memory_files_.end()) {
    refusal = text_refusal(it->second);
    if (refusal.empty()) file = ::fmemopen(it->second.data(), it->second.size(), "rb");
  } else {
    file = open_regular_stream(resolve_path(name), O_RDONLY, "rb");
    if (file != nullptr) refusal = text_file_refusal(file);
  }
  if (!refusal.empty()) {
    if (file != nullptr) std::fclose(file);
    // Told once per file, however often the game tries it.
    if (refused_.insert(name).second)
      print_notice(quoted_path(name) + " " + refusal + ", not read");
    return {};
  }
  return file == nullptr ? FileId() : files_.add(std::make_unique<OpenFile>(file));
}

FileId Files::open_file(const std::string& name) {
  FILE* file = open_regular_stream(resolve_path(name), O_RDWR | O_CREAT, "r+b");
  return file == nullptr ? FileId() : files_.add(std::make_unique<OpenFile>(file));
}

std::string Files::read_string(FileId file) {
  auto* open = files_.get(file);
  if (open == nullptr) return {};
  (*open)->prepare_read();
  return (*open)->reader.next_line((*open)->source);
}

bool Files::eof(FileId file) {
  auto* open = files_.get(file);
  if (open == nullptr) return false;
  (*open)->prepare_read();
  return (*open)->reader.at_end((*open)->source);
}

void Files::write_string_line(FileId file, const std::string& text) {
  auto* open = files_.get(file);
  if (open == nullptr) return;
  (*open)->prepare_write();
  std::fwrite(text.data(), 1, text.size(), (*open)->file);
  std::fwrite("\r\n", 1, 2, (*open)->file);
}

void Files::close_file(FileId file) {
  files_.remove(file);
}

void Files::put_memory_file(const std::string& name, std::string bytes) {
  memory_files_.insert_or_assign(name, std::move(bytes));
}

void Files::clear_memory_files() {
  memory_files_.clear();
}

}  // namespace orv::media
