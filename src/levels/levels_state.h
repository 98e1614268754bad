// State of level building and music selection.
#pragma once

namespace orv {

struct LevelsState {};

}  // namespace orv
