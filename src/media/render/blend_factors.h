// Blend factor codes of 3D sprite drawing, numbered as Direct3D 7 numbers them.
#pragma once

namespace orv::media {

namespace blend {
constexpr int kZero = 1;
constexpr int kOne = 2;
constexpr int kSourceColour = 3;
constexpr int kInverseSourceColour = 4;
constexpr int kSourceAlpha = 5;
constexpr int kInverseSourceAlpha = 6;
constexpr int kDestinationAlpha = 7;
constexpr int kInverseDestinationAlpha = 8;
constexpr int kDestinationColour = 9;
constexpr int kInverseDestinationColour = 10;
constexpr int kSourceAlphaSaturated = 11;
// As a source factor these two set the destination factor too: (source alpha, one minus
// source alpha), respectively the reverse.
constexpr int kBothSourceAlpha = 12;
constexpr int kBothInverseSourceAlpha = 13;
}  // namespace blend

// True for the codes above.
bool is_valid_blend_factor(int code);

}  // namespace orv::media
