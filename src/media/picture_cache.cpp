// Decoded pictures shared by path, within a memory budget.
#include "media/picture_cache.h"

#include <algorithm>
#include <cstdio>

#include "media/types.h"

namespace orv::media {
namespace {

std::size_t bytes_of(const Image& picture) {
  return picture.pixels.size() * sizeof(Pixel);
}

}  // namespace

std::shared_ptr<Image> PictureCache::find(const std::string& path) const {
  auto it = entries_.find(path);
  return it == entries_.end() ? nullptr : it->second.picture.lock();
}

bool PictureCache::fits(std::size_t bytes) const {
  return bytes <= budget_ && decoded_bytes() <= budget_ - bytes;
}

bool PictureCache::refused(const std::string& path) const {
  auto it = entries_.find(path);
  return it != entries_.end() && it->second.refused && !fits(it->second.bytes);
}

bool PictureCache::admit(const std::string& path, const std::shared_ptr<Image>& picture) {
  ++decodes_;
  prune();
  const std::size_t bytes = bytes_of(*picture);
  Entry& entry = entries_[path];
  if (!fits(bytes)) {
    // Said once for as long as the file stays refused; it is refused without a decode until
    // freed pictures make room for it.
    if (!entry.refused)
      std::fprintf(stderr, "Picture left out, decoded pictures would pass %zu MB: %s\n",
                   budget_ >> 20, path.c_str());
    entry = Entry{};
    entry.refused = true;
    entry.bytes = bytes;
    return false;
  }
  entry = Entry{picture, bytes, false, {}};
  return true;
}

std::shared_ptr<Image> PictureCache::find_keyed(const std::string& path, Colour key) const {
  auto it = entries_.find(path);
  if (it == entries_.end()) return nullptr;
  for (const Keyed& k : it->second.keyed)
    if (k.key == key) return k.texture.lock();
  return nullptr;
}

void PictureCache::keep_keyed(const std::string& path, Colour key,
                              const std::shared_ptr<Image>& texture) {
  auto it = entries_.find(path);
  if (it == entries_.end()) return;
  std::vector<Keyed>& keyed = it->second.keyed;
  std::erase_if(keyed, [key](const Keyed& k) { return k.key == key || k.texture.expired(); });
  keyed.push_back(Keyed{key, texture});
}

std::size_t PictureCache::decoded_bytes() const {
  std::size_t total = 0;
  for (const auto& [path, entry] : entries_)
    if (!entry.picture.expired()) total += entry.bytes;
  return total;
}

void PictureCache::prune() {
  std::erase_if(entries_,
                [](const auto& e) { return !e.second.refused && e.second.picture.expired(); });
}

}  // namespace orv::media
