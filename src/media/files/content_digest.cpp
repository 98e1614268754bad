// Digesting files and folders.
#include "media/files/content_digest.h"

#include <cctype>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "media/files/paths.h"
#include "media/files/regular_file.h"

namespace orv::media {
namespace {

bool ends_with_any_case(std::string_view name, std::string_view suffix) {
  if (name.size() < suffix.size()) return false;
  // Byte by byte: an empty suffix may have no data at all, which the C string functions must
  // not be given.
  return std::equal(
      suffix.begin(), suffix.end(), name.end() - std::ptrdiff_t(suffix.size()),
      [](char a, char b) { return ::tolower((unsigned char)a) == ::tolower((unsigned char)b); });
}

}  // namespace

void ContentDigest::add(std::string_view bytes) {
  const std::string length = std::to_string(bytes.size()) + ":";
  for (std::string_view part : {std::string_view(length), bytes}) {
    for (unsigned char c : part) {
      hash_ ^= c;
      hash_ *= 1099511628211ull;
    }
  }
}

void ContentDigest::add_file(std::string_view label, const std::string& path) {
  add(label);
  const auto bytes = read_whole_file(path, kMostTextFileBytes);
  if (!bytes) return add("(none)");
  add(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

void ContentDigest::add_folder(const std::string& folder, std::string_view suffix) {
  const std::string root = with_slash(resolve_path(folder));
  std::vector<std::string> names;
  std::error_code ec;
  std::filesystem::recursive_directory_iterator it(
      root, std::filesystem::directory_options::skip_permission_denied, ec);
  for (; !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
    if (names.size() >= kMostFolderFiles) break;
    std::error_code type_error;
    if (!it->is_regular_file(type_error)) continue;
    const std::string name = it->path().string().substr(root.size());
    if (ends_with_any_case(name, suffix)) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  for (const std::string& name : names) add_file(name, root + name);
}

std::string ContentDigest::hex() const {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string text(16, '0');
  for (int i = 0; i < 16; ++i) text[std::size_t(i)] = kHex[(hash_ >> (60 - 4 * i)) & 15];
  return text;
}

}  // namespace orv::media
