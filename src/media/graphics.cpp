// Graphics: desktop, window, back buffer, frame pacing, events and mouse.
#include <cstdint>

#include "media/decode/picture.h"
#include "media/graphics.h"

namespace orv::media {
namespace {

constexpr std::int64_t kFrameNs = 16'666'667;  // 1 s / Graphics::kFramesPerSecond
// Further behind the schedule than this, the game gives up catching up and starts afresh.
constexpr std::int64_t kMaxLagNs = 4 * kFrameNs;
constexpr Handle kWindowHandle = 1;
constexpr Handle kScreenHandle = 1;

bool sane_size(int width, int height) {
  return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
         std::int64_t(width) * height <= kMaxPicturePixels;
}

}  // namespace

Graphics::Graphics(Platform& platform) : platform_(platform) {}

void Graphics::examine_desktops() {
  desktop_ = platform_.desktop();
}

Handle Graphics::open_window(int width, int height, const std::string& title) {
  if (!sane_size(width, height) || !platform_.open_window(width, height, title)) return 0;
  window_open_ = true;
  return kWindowHandle;
}

Handle Graphics::open_windowed_screen(Handle window, int width, int height) {
  if (!window_open_ || window != kWindowHandle || !sane_size(width, height)) return 0;
  if (!platform_.open_screen(width, height)) return 0;
  back_.reset(width, height);
  screen_open_ = true;
  // The first frame's slot counts from now.
  pacing_started_ = true;
  next_frame_ns_ = platform_.now_ns();
  return kScreenHandle;
}

// Only noted here: the fill happens before the back buffer's next use, and not at all when
// an opaque draw covers the whole screen first (the game clears right before drawing its
// full-screen capture).
void Graphics::clear_screen(Colour colour) {
  back_.clear(colour_to_pixel(colour));
}

void Graphics::box(int x, int y, int width, int height, Colour colour) {
  fill_rect(back_.write(), x, y, width, height, colour_to_pixel(colour));
}

void Graphics::flip_buffers() {
  if (screen_open_) {
    const Image& shown = back_.read();
    platform_.present(shown.pixels.data(), shown.width, shown.height);
  }
  pace_frame();
  check_close_request();
}

void Graphics::check_close_request() {
  if (close_handler_ && platform_.close_requested()) close_handler_();
}

// Frames follow a fixed schedule, one every kFrameNs; a frame that finishes early sleeps until
// its slot. A game that has fallen far behind (a stall, a debugger) resumes from now instead
// of racing through the missed frames.
void Graphics::pace_frame() {
  const std::int64_t now = platform_.now_ns();
  if (!pacing_started_) {
    pacing_started_ = true;
    next_frame_ns_ = now;
  }
  next_frame_ns_ += kFrameNs;
  if (now - next_frame_ns_ > kMaxLagNs || next_frame_ns_ - now > kMaxLagNs) {
    next_frame_ns_ = now;
    return;
  }
  if (next_frame_ns_ > now) platform_.sleep_ns(next_frame_ns_ - now);
}

int Graphics::window_event(int timeout_ms) {
  int event = platform_.wait_event(timeout_ms);
  check_close_request();
  return event;
}

void Graphics::examine_mouse() {
  // The platform takes the pointer once the window has the focus; until then it is asked again
  // every frame.
  platform_.capture_mouse();
}

void Graphics::mouse_locate(int x, int y) {
  platform_.move_mouse(x, y);
}

}  // namespace orv::media
