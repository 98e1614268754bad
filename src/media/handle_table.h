// A table of objects named by handles, stored in slots. A handle holds the slot's position and
// the slot's generation, which grows each time the slot is reused, so a freed handle can never
// reach a newer object. Adding, looking up and removing cost a few array accesses; nothing is
// hashed or allocated per object once the slots exist. The slots come in fixed pages, so a
// table of a million objects takes what they need and is never copied as it grows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "media/types.h"

namespace orv::media {

// Key is the handle type of the kind stored (an Id, see types.h).
template <class T, class Key>
class HandleTable {
 public:
  // Handle layout: generation in the high bits, slot position + 1 in the low bits, so no handle
  // is 0 or negative.
  static constexpr int kSlotBits = 22;
  static constexpr std::uint32_t kMaxSlots = (1u << kSlotBits) - 1;
  static constexpr std::uint32_t kGenerations = 1u << (31 - kSlotBits);

  // Stores the object and returns its new handle (never 0), or 0 when every handle number is
  // in use.
  Key add(T value) {
    const std::optional<std::uint32_t> slot = free_slot();
    if (!slot) return Key();
    Slot& s = at(*slot);
    s.value.emplace(std::move(value));
    ++live_;
    return Key(std::int32_t((s.generation << kSlotBits) | (*slot + 1)));
  }
  T* get(Key h) {
    Slot* s = find(h);
    return s == nullptr ? nullptr : &*s->value;
  }
  const T* get(Key h) const {
    const Slot* s = const_cast<HandleTable*>(this)->find(h);
    return s == nullptr ? nullptr : &*s->value;
  }
  bool contains(Key h) const { return get(h) != nullptr; }
  bool remove(Key h) {
    Slot* s = find(h);
    if (s == nullptr) return false;
    s->value.reset();
    --live_;
    // A slot whose generations are used up is retired, so its handle numbers never recur.
    const std::uint32_t slot = std::uint32_t(h.value) & kMaxSlots;
    if (++s->generation < kGenerations) {
      free_.push_back(slot - 1);
    } else {
      retired_.push_back(slot - 1);
    }
    return true;
  }
  std::size_t size() const { return live_; }
  // Slots ever made, live or free (for tests of the table's growth).
  std::size_t slot_count() const { return slot_count_; }

 private:
  struct Slot {
    std::optional<T> value;
    std::uint32_t generation = 0;
  };
  static constexpr int kPageBits = 10;
  static constexpr std::uint32_t kPageSlots = 1u << kPageBits;

  Slot& at(std::uint32_t slot) { return pages_[slot >> kPageBits][slot & (kPageSlots - 1)]; }

  Slot* find(Key h) {
    if (h.value <= 0) return nullptr;
    const std::uint32_t slot = std::uint32_t(h.value) & kMaxSlots;
    if (slot == 0 || slot > slot_count_) return nullptr;
    Slot& s = at(slot - 1);
    if (!s.value || s.generation != (std::uint32_t(h.value) >> kSlotBits)) return nullptr;
    return &s;
  }

  // Free slots are reused oldest first, so a slot's generations last as long as possible. Only
  // when no new slot may be made do retired slots start over at generation 0: by then more
  // than two thousand million handles have been given out.
  std::optional<std::uint32_t> free_slot() {
    if (free_head_ == free_.size() && slot_count_ == kMaxSlots && !retired_.empty()) {
      for (std::uint32_t r : retired_) {
        at(r).generation = 0;
        free_.push_back(r);
      }
      retired_.clear();
    }
    if (free_head_ < free_.size()) {
      const std::uint32_t slot = free_[free_head_++];
      if (free_head_ * 2 >= free_.size()) {
        free_.erase(free_.begin(), free_.begin() + std::ptrdiff_t(free_head_));
        free_head_ = 0;
      }
      return slot;
    }
    if (slot_count_ == kMaxSlots) return std::nullopt;
    if (slot_count_ == pages_.size() * kPageSlots)
      pages_.push_back(std::make_unique<Slot[]>(kPageSlots));
    return std::uint32_t(slot_count_++);
  }

  std::vector<std::unique_ptr<Slot[]>> pages_;
  std::size_t slot_count_ = 0;
  std::vector<std::uint32_t> free_;  // queue of free slots from free_head_ on
  std::size_t free_head_ = 0;
  std::vector<std::uint32_t> retired_;
  std::size_t live_ = 0;
};

}  // namespace orv::media
