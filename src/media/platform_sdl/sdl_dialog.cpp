#include "media/platform_sdl/sdl_dialog.h"

#include <pthread.h>
#ifndef __EMSCRIPTEN__
#include <sys/prctl.h>
#endif
#include <unistd.h>

#include <csignal>
#include <mutex>

#include "media/platform_sdl/sdl_convert.h"
#include "media/platform_sdl/sdl_web.h"

namespace orv::media {

namespace {

// SDL shows a box on X11 from a process of its own, forked for it, while the game waits. That
// process must not outlive the game: every process the game forks is killed when the game
// ends, however it ends.
void die_with_parent() {
#ifndef __EMSCRIPTEN__  // a page forks nothing
  ::prctl(PR_SET_PDEATHSIG, SIGKILL);
#endif
}

void register_die_with_parent() {
  static std::once_flag registered;
  std::call_once(registered, [] { ::pthread_atfork(nullptr, nullptr, die_with_parent); });
}

// While the box is up, SIGTERM and SIGINT end the game at once, as they would without SDL's
// handlers (which only post a quit event nobody reads while the box waits); the box goes with
// it.
extern "C" void end_by_signal(int sig) {
  ::kill(::getpid(), sig);  // delivered with the default action once this handler returns
}

class SignalsEndTheBox {
 public:
  SignalsEndTheBox() {
    struct sigaction action {};
    action.sa_handler = end_by_signal;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGTERM, &action, &old_term_);
    ::sigaction(SIGINT, &action, &old_int_);
  }
  ~SignalsEndTheBox() {
    ::sigaction(SIGTERM, &old_term_, nullptr);
    ::sigaction(SIGINT, &old_int_, nullptr);
  }
  SignalsEndTheBox(const SignalsEndTheBox&) = delete;
  SignalsEndTheBox& operator=(const SignalsEndTheBox&) = delete;

 private:
  struct sigaction old_term_ {};
  struct sigaction old_int_ {};
};

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
  register_die_with_parent();
  const SignalsEndTheBox signals;
  if (SDL_ShowMessageBox(&box, &pressed) < 0) return safe_default(buttons);
  if (buttons == BoxButtons::kOk) return BoxAnswer::kOk;
  return pressed == kYesButton ? BoxAnswer::kYes : BoxAnswer::kNo;
}

}  // namespace orv::media
