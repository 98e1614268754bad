#include "media/platform_sdl/sdl_dialog.h"

#include "media/platform_sdl/sdl_convert.h"
#include "media/platform_sdl/sdl_web.h"

namespace orv::media {

namespace {

constexpr int kNoButton = 0;
constexpr int kYesButton = 1;

// When no box can be shown: OK boxes count as read, and a question is answered No, which
// ends rather than continues.
BoxAnswer safe_default(BoxButtons buttons) {
  return buttons == BoxButtons::kOk ? BoxAnswer::kOk : BoxAnswer::kNo;
}

}  // namespace

BoxAnswer show_message_box(SDL_Window* window, const std::string& title, const std::string& text,
                           BoxButtons buttons) {
  constexpr Uint32 kReturn = SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT;
  constexpr Uint32 kEscape = SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;
  const SDL_MessageBoxButtonData ok[] = {{kReturn | kEscape, kYesButton, "OK"}};
  const SDL_MessageBoxButtonData yes_no[] = {{kReturn, kYesButton, "Yes"},
                                             {kEscape, kNoButton, "No"}};
  std::string utf8_title = latin1_to_utf8(title);
  std::string utf8_text = latin1_to_utf8(text);
#ifdef __EMSCRIPTEN__
  // In a browser the page shows the message (and asks the question) itself.
  (void)window;
  const bool yes = web_message(utf8_title, utf8_text, buttons == BoxButtons::kYesNo);
  if (buttons == BoxButtons::kOk) return BoxAnswer::kOk;
  return yes ? BoxAnswer::kYes : BoxAnswer::kNo;
#endif

  SDL_MessageBoxData box{};
  box.flags = SDL_MESSAGEBOX_INFORMATION | SDL_MESSAGEBOX_BUTTONS_LEFT_TO_RIGHT;
  box.window = window;
  box.title = utf8_title.c_str();
  box.message = utf8_text.c_str();
  box.numbuttons = buttons == BoxButtons::kOk ? 1 : 2;
  box.buttons = buttons == BoxButtons::kOk ? ok : yes_no;

  int pressed = -1;
  if (SDL_ShowMessageBox(&box, &pressed) < 0) return safe_default(buttons);
  if (buttons == BoxButtons::kOk) return BoxAnswer::kOk;
  return pressed == kYesButton ? BoxAnswer::kYes : BoxAnswer::kNo;
}

}  // namespace orv::media
