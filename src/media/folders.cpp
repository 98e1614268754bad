// Folder scans, and the current and home folders.
#include "media/folders.h"

#include <dirent.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "media/files.h"
#include "media/files/paths.h"

namespace orv::media {
namespace {

bool same_letter(char a, char b) {
  return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}

// Wildcard match without regard to ASCII case: "*" stands for any run of characters, "?" for
// one. The pattern "*.*" means every name, as it does for data made on Windows.
bool matches(const std::string& name, const std::string& pattern) {
  if (pattern.empty() || pattern == "*.*") return true;
  std::size_t n = 0, p = 0, star = std::string::npos, resume = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      resume = n;
    } else if (p < pattern.size() && (pattern[p] == '?' || same_letter(pattern[p], name[n]))) {
      ++p;
      ++n;
    } else if (star != std::string::npos) {
      p = star + 1;
      n = ++resume;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

EntryType type_of(const std::string& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return EntryType::kFolder;
  return EntryType::kFile;
}

// The entry a scan stands on, or null before the first and after the last one.
template <class Scan>
auto current_entry(const Scan* s) -> decltype(&s->entries[0]) {
  if (s == nullptr || s->next == 0 || s->next > s->entries.size()) return nullptr;
  return &s->entries[s->next - 1];
}

}  // namespace

ScanId Folders::examine_directory(const std::string& folder, const std::string& pattern) {
  std::string path = with_slash(resolve_path(folder.empty() ? "." : folder));
  std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(path.c_str()), &::closedir);
  if (!dir) return {};
  Scan scan;
  while (const dirent* entry = ::readdir(dir.get())) {
    std::string name = entry->d_name;
    if (name == "." || name == ".." || !matches(name, pattern)) continue;
    scan.entries.emplace_back(name, type_of(path + name));
  }
  // std::string compares its bytes as unsigned char: "Z" < "a" < "\xE9".
  std::sort(scan.entries.begin(), scan.entries.end());
  return scans_.add(std::move(scan));
}

bool Folders::next_directory_entry(ScanId scan) {
  Scan* s = scans_.get(scan);
  if (s == nullptr || s->next > s->entries.size()) return false;
  ++s->next;  // one past the last entry means "exhausted"
  return s->next <= s->entries.size();
}

std::string Folders::directory_entry_name(ScanId scan) const {
  auto* entry = current_entry(scans_.get(scan));
  return entry == nullptr ? std::string() : entry->first;
}

EntryType Folders::directory_entry_type(ScanId scan) const {
  auto* entry = current_entry(scans_.get(scan));
  return entry == nullptr ? EntryType::kNone : entry->second;
}

void Folders::finish_directory(ScanId scan) {
  scans_.remove(scan);
}

bool Folders::for_each_file(const std::string& folder, const std::string& pattern,
                            const std::function<void(const std::string& name)>& fn) {
  const ScanId scan = examine_directory(folder, pattern);
  if (!scan) return false;
  while (next_directory_entry(scan)) {
    if (directory_entry_type(scan) != EntryType::kFile) continue;
    // A name holding "\" would become a path of its own once the separators are converted.
    const std::string name = directory_entry_name(scan);
    if (is_plain_name(name)) fn(name);
  }
  finish_directory(scan);
  return true;
}

std::string Folders::current_directory() const {
  std::error_code ec;
  std::string cwd = std::filesystem::current_path(ec).string();
  return with_slash(ec ? "." : cwd);
}

std::string Folders::home_directory() const {
  if (!home_.empty()) return with_slash(home_);
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
    return with_slash(home);
  if (const passwd* user = ::getpwuid(::getuid()); user != nullptr && user->pw_dir != nullptr)
    return with_slash(user->pw_dir);
  return with_slash(current_directory());
}

}  // namespace orv::media
