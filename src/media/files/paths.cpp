// Path handling: "\" separators and case-insensitive matching of data made on Windows.
#include "media/files/paths.h"

#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <memory>

#include "media/files/regular_file.h"

namespace orv::media {
namespace {

// Finds an entry of folder whose name equals name without regard to ASCII case.
std::string match_component(const std::string& folder, const std::string& name) {
  std::error_code ec;
  std::filesystem::directory_iterator it(folder.empty() ? "." : folder, ec);
  if (ec) return {};
  for (const auto& entry : it) {
    std::string candidate = entry.path().filename().string();
    if (::strcasecmp(candidate.c_str(), name.c_str()) == 0) return candidate;
  }
  return {};
}

}  // namespace

std::string with_slash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

bool file_exists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0;
}

bool is_plain_name(std::string_view name) {
  return name.find_first_of("/\\") == std::string_view::npos && name != "." && name != "..";
}

std::string resolve_path(const std::string& path) {
  std::string unix_path = path;
  for (char& c : unix_path)
    if (c == '\\') c = '/';
  if (unix_path.empty() || file_exists(unix_path)) return unix_path;

  // Rebuild the path component by component, taking a case-insensitive match for each
  // component that does not exist as written.
  std::string built = unix_path[0] == '/' ? "/" : "";
  std::size_t pos = built.size();
  while (pos <= unix_path.size()) {
    std::size_t end = unix_path.find('/', pos);
    if (end == std::string::npos) end = unix_path.size();
    std::string part = unix_path.substr(pos, end - pos);
    if (!part.empty()) {
      std::string next = built + part;
      if (!file_exists(next) && part != "." && part != "..") {
        std::string match = match_component(built, part);
        // Nothing matches (a file about to be created): keep the rest as written.
        if (match.empty()) return built + unix_path.substr(pos);
        next = built + match;
      }
      built = next;
      if (end < unix_path.size()) built += '/';
    }
    pos = end + 1;
  }
  return built;
}

std::optional<Bytes> read_whole_file(const std::string& path, std::size_t max_bytes) {
  std::unique_ptr<FILE, int (*)(FILE*)> f(open_regular_stream(resolve_path(path), O_RDONLY, "rb"),
                                          &std::fclose);
  if (!f) return std::nullopt;
  struct stat st;
  if (::fstat(fileno(f.get()), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  if (std::uint64_t(st.st_size) > max_bytes) return std::nullopt;
  Bytes data(std::size_t(st.st_size));
  std::size_t got = data.empty() ? 0 : std::fread(data.data(), 1, data.size(), f.get());
  data.resize(got);
  return data;
}

}  // namespace orv::media
