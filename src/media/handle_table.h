// A table of objects named by handles. Handles are never reused while the table lives, so a
// freed handle can never reach a newer object.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <utility>

#include "media/types.h"

namespace orv::media {

template <class T>
class HandleTable {
 public:
  // Stores the object and returns its new handle (never 0).
  Handle add(T value) {
    Handle h = next_;
    next_ = next_ == INT32_MAX ? 1 : next_ + 1;
    while (items_.count(h) != 0) h = h == INT32_MAX ? 1 : h + 1;
    items_.emplace(h, std::move(value));
    return h;
  }
  T* get(Handle h) {
    auto it = items_.find(h);
    return it == items_.end() ? nullptr : &it->second;
  }
  const T* get(Handle h) const {
    auto it = items_.find(h);
    return it == items_.end() ? nullptr : &it->second;
  }
  bool contains(Handle h) const { return items_.count(h) != 0; }
  bool remove(Handle h) { return items_.erase(h) != 0; }
  std::size_t size() const { return items_.size(); }

 private:
  std::unordered_map<Handle, T> items_;
  Handle next_ = 1;
};

}  // namespace orv::media
