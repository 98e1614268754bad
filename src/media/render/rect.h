// Rectangles of the back buffer: filling and copying.
#pragma once

#include <optional>

#include "media/types.h"

namespace orv::media {

// Fills a rectangle, clipped to the target.
void fill_rect(Image& target, int x, int y, int width, int height, Pixel colour);

// Copies a rectangle of the source; parts outside the source are black. Alpha becomes 255.
Image copy_rect(const Image& source, int x, int y, int width, int height);
// The same into an image that already has its size (and memory): fills all of out with the
// rectangle of out's size whose top-left corner is (x, y) of the source. Returns whether some
// pixel of out has exactly the colour `find` (when given), which saves a second look for a
// colour key.
bool copy_rect_into(const Image& source, int x, int y, Image& out,
                    std::optional<Colour> find = std::nullopt);

}  // namespace orv::media
