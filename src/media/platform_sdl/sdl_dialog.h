// SDL message boxes.
#pragma once

#include <SDL.h>

#include <string>

#include "media/platform.h"

namespace orv::media {

// Shows a modal message box over the window (none: on its own). When no box can be shown, OK
// boxes count as read and a question is answered No, which ends rather than continues.
BoxAnswer show_message_box(SDL_Window* window, const std::string& title, const std::string& text,
                           BoxButtons buttons);

}  // namespace orv::media
