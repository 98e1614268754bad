// PNG files made on the fly for tests: a blank 1-bit grey picture of any size compresses to a
// few kilobytes however many pixels it decodes to.
#pragma once

#include <string>

namespace orv::media::test {

// The encoded file of a width x height picture, all black.
std::string blank_grey_png(int width, int height);

}  // namespace orv::media::test
