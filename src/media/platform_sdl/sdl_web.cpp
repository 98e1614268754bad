#include "media/platform_sdl/sdl_web.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>

// The page (index.html) defines Module.orvMessage, Module.orvFullscreen and Module.orvScaling;
// without them the message goes to the console and is answered no.
// clang-format off
EM_JS(int, orv_web_message, (const char* title, const char* text, int question), {
  const t = UTF8ToString(title), m = UTF8ToString(text);
  if (Module.orvMessage) return Module.orvMessage(t, m, question != 0) ? 1 : 0;
  console.error(t + ": " + m);
  return question ? 0 : 1;
});
EM_JS(void, orv_web_fullscreen, (int on), {
  if (Module.orvFullscreen) Module.orvFullscreen(on != 0);
});
EM_JS(void, orv_web_scaling, (int sharp), {
  if (Module.orvScaling) Module.orvScaling(sharp != 0);
});
// clang-format on
#endif

namespace orv::media {

void web_yield() {
#ifdef __EMSCRIPTEN__
  emscripten_sleep(0);
#endif
}

bool web_message(const std::string& title, const std::string& text, bool question) {
#ifdef __EMSCRIPTEN__
  return orv_web_message(title.c_str(), text.c_str(), question ? 1 : 0) != 0;
#else
  (void)title;
  (void)text;
  return !question;
#endif
}

void web_fullscreen(bool fullscreen) {
#ifdef __EMSCRIPTEN__
  orv_web_fullscreen(fullscreen ? 1 : 0);
#else
  (void)fullscreen;
#endif
}

void web_scaling(bool sharp) {
#ifdef __EMSCRIPTEN__
  orv_web_scaling(sharp ? 1 : 0);
#else
  (void)sharp;
#endif
}

}  // namespace orv::media
