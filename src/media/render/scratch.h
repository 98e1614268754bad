// Per-thread working rows of the quad paths, kept between draws so that drawing does not
// allocate once they have grown to the screen width.
#pragma once

#include <cstdint>
#include <vector>

#include "media/types.h"

namespace orv::media::detail {

struct Scratch {
  std::vector<Pixel> samples;        // texels of one screen row, ready to blend
  std::vector<Pixel> mixed;          // two texture rows mixed vertically
  std::vector<std::int32_t> left;    // per screen column: texture column
  std::vector<std::int32_t> weight;  // per screen column: bilinear weight towards the right
  std::vector<std::int32_t> plan;    // the columns and weights above, planned for many rows

  static Scratch& get() {
    thread_local Scratch scratch;
    return scratch;
  }
};

template <class T>
T* sized(std::vector<T>& v, std::size_t n) {
  if (v.size() < n) v.resize(n);
  return v.data();
}

}  // namespace orv::media::detail
