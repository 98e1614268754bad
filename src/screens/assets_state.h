// The asset lists filled by the folder scans: tile graphics, sounds, music and the drift sprites.
#pragma once

namespace orv {

struct AssetsState {};

}  // namespace orv
