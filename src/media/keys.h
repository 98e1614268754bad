// Physical key numbers used by the game: the classic DirectInput scan codes.
#pragma once

namespace orv::media::key {

constexpr int kAny = -1;
constexpr int kEscape = 1;
constexpr int k1 = 2;
constexpr int kBackspace = 14;
constexpr int kW = 17;
constexpr int kT = 20;
constexpr int kY = 21;
constexpr int kO = 24;
constexpr int kP = 25;
constexpr int kReturn = 28;
constexpr int kA = 30;
constexpr int kD = 32;
constexpr int kL = 38;
constexpr int kX = 45;
constexpr int kC = 46;
constexpr int kB = 48;
constexpr int kSpace = 57;
constexpr int kF12 = 88;
constexpr int kUp = 200;
constexpr int kPageUp = 201;
constexpr int kLeft = 203;
constexpr int kRight = 205;
constexpr int kDown = 208;
constexpr int kPageDown = 209;

// Key numbers run from 0 to 255.
constexpr int kCount = 256;

}  // namespace orv::media::key
