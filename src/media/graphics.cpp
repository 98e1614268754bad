// Graphics: desktop, window, back buffer, frame pacing, events, mouse and 3D sprites, textured
// quads that can be zoomed, turned and blended.
#include "media/graphics.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "media/decode/picture.h"
#include "media/numbers.h"
#include "media/render/draw_quad.h"
#include "media/render/raster.h"
#include "media/render/rect.h"

namespace orv::media {
namespace {

constexpr std::int64_t kFrameNs = 16'666'667;  // 1 s / Graphics::kFramesPerSecond
// Further behind the schedule than this, the game gives up catching up and starts afresh.
constexpr std::int64_t kMaxLagNs = 4 * kFrameNs;
constexpr WindowId kWindowHandle{1};
constexpr ScreenId kScreenHandle{1};

bool sane_size(int width, int height) {
  return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
         std::int64_t(width) * height <= kMaxPicturePixels;
}

// cos and sin of an angle in degrees, exact at multiples of 90 so that quarter turns keep
// whole-pixel corners.
void cos_sin(double degrees, double& c, double& s) {
  const double quarters = degrees / 90.0;
  if (quarters == std::floor(quarters)) {
    static constexpr double kCos[4] = {1, 0, -1, 0};
    static constexpr double kSin[4] = {0, 1, 0, -1};
    const int q = int(std::fmod(quarters, 4.0) + 4.0) % 4;
    c = kCos[q];
    s = kSin[q];
    return;
  }
  const double radians = degrees * (std::numbers::pi / 180.0);
  c = std::cos(radians);
  s = std::sin(radians);
}

// The smallest upright box holding the quad.
struct Bounds {
  float left, top, right, bottom;
};

Bounds bounds_of(const Quad& q) {
  Bounds b{q[0].x, q[0].y, q[0].x, q[0].y};
  for (const Point& p : q) {
    b.left = std::min(b.left, p.x);
    b.right = std::max(b.right, p.x);
    b.top = std::min(b.top, p.y);
    b.bottom = std::max(b.bottom, p.y);
  }
  return b;
}

// draw_quad draws nothing for corners much further out than this; nearer ones convert to int
// safely. False for NaN corners too.
bool within_reach(const Quad& q) {
  constexpr float kFar = 1e9f;
  return std::all_of(q.begin(), q.end(),
                     [](const Point& p) { return std::fabs(p.x) < kFar && std::fabs(p.y) < kFar; });
}

}  // namespace

Graphics::Graphics(Platform& platform) : platform_(platform) {}

void Graphics::examine_desktops() {
  desktop_ = platform_.desktop();
}

WindowId Graphics::open_window(int width, int height, const std::string& title, DisplayMode mode) {
  if (!sane_size(width, height)) return {};
  back_.leave_window();  // the old window's memory may go with it
  platform_.set_fullscreen(mode == DisplayMode::kFullscreen);
  if (!platform_.open_window(width, height, title)) return {};
  window_open_ = true;
  return kWindowHandle;
}

ScreenId Graphics::open_windowed_screen(WindowId window, int width, int height) {
  if (!window_open_ || window != kWindowHandle || !sane_size(width, height)) return {};
  if (!platform_.open_screen(width, height)) return {};
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
  back_.clear(colour_to_pixel(colour), window_memory());
}

// Asked for at every clear and present: the platform may withdraw it at any present.
Pixel* Graphics::window_memory() {
  return screen_open_ ? platform_.window_memory(back_.width(), back_.height()) : nullptr;
}

void Graphics::box(int x, int y, int width, int height, Colour colour) {
  if (!drawing_) return;
  fill_rect(back_.write(), x, y, width, height, colour_to_pixel(colour));
}

void Graphics::flip_buffers() {
  if (screen_open_) {
    const Image& shown = back_.present(window_memory());
    platform_.present(shown.pixels.data(), shown.width, shown.height);
  }
  pace_frame();
  check_close_request();
}

void Graphics::show_progress() {
  if (screen_open_) {
    const Image& shown = back_.present(window_memory());
    platform_.present_progress(shown.pixels.data(), shown.width, shown.height);
  }
  pacing_started_ = false;
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
  if (next_frame_ns_ > now) platform_.sleep_until_ns(next_frame_ns_);
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

// The upright width x height rectangle turned about its centre, clockwise on screen, relative
// to the top-left drawing position.
Quad Graphics::corners_of(const Sprite3D& s3) {
  // Unturned, the sums below give exactly the rectangle's corners.
  if (s3.turn == 0) {
    return {Point{0, 0}, Point{s3.width, 0}, Point{s3.width, s3.height}, Point{0, s3.height}};
  }
  double c = 1, s = 0;
  cos_sin(s3.turn, c, s);
  const double cx = s3.width / 2.0, cy = s3.height / 2.0;
  const double xs[4] = {0, s3.width, s3.width, 0};
  const double ys[4] = {0, 0, s3.height, s3.height};
  Quad corners{};
  for (int i = 0; i < 4; ++i) {
    const double dx = xs[i] - cx, dy = ys[i] - cy;
    corners[i] = {float(cx + dx * c - dy * s), float(cy + dx * s + dy * c)};
  }
  return corners;
}

Sprite3dId Graphics::create_sprite3d(SpriteId sprite) {
  std::shared_ptr<Sprite> s = sprites_.get(sprite);
  if (s == nullptr) return {};
  Sprite3D s3;
  s3.width = float(s->width);
  s3.height = float(s->height);
  s3.sprite = std::move(s);
  return sprites3d_.add(std::move(s3));
}

void Graphics::free_sprite3d(Sprite3dId s3) {
  sprites3d_.remove(s3);
}

bool Graphics::is_sprite3d(Sprite3dId s3) const {
  return sprites3d_.contains(s3);
}

std::pair<float, float> Graphics::sprite3d_size(Sprite3dId s3) const {
  const Sprite3D* s = sprites3d_.get(s3);
  return s == nullptr ? std::pair(0.0f, 0.0f) : std::pair(s->width, s->height);
}

void Graphics::zoom_sprite3d(Sprite3dId s3, float width, float height) {
  Sprite3D* s = sprites3d_.get(s3);
  if (s == nullptr || !std::isfinite(width) || !std::isfinite(height)) return;
  s->width = width;
  s->height = height;
  s->turn = 0;
}

void Graphics::rotate_sprite3d(Sprite3dId s3, float angle, int mode) {
  Sprite3D* s = sprites3d_.get(s3);
  if (s == nullptr || !std::isfinite(angle)) return;
  if (mode == kRotateAbsolute) {
    s->angle = 0;
    s->turn = turn_degrees(0, angle);
    return;
  }
  s->angle = turn_degrees(s->angle, angle);
  s->turn = s->angle;
}

void Graphics::sprite3d_blending(int source, int destination) {
  if (!is_valid_blend_factor(source) || !is_valid_blend_factor(destination)) return;
  blend_ = {source, destination};
}

// An upright quad over every pixel centre of the screen.
bool Graphics::covers_screen(const Quad& q) const {
  using detail::pixels_covered;
  if (!detail::is_upright(q)) return false;
  const detail::PixelRange xs = pixels_covered(q[0].x, q[1].x, back_.width());
  const detail::PixelRange ys = pixels_covered(q[0].y, q[3].y, back_.height());
  return xs.first == 0 && xs.end == back_.width() && ys.first == 0 && ys.end == back_.height();
}

// Full opacity and plain alpha blending: an opaque texel simply replaces the pixel under it.
bool Graphics::plain_blend(int alpha) const {
  return alpha >= 255 && blend_.source == blend::kSourceAlpha &&
         blend_.destination == blend::kInverseSourceAlpha;
}

// How a draw treats a pending clear; the one place that decides it. A draw may stand in for
// the clear only over the pixels it replaces outright: an opaque picture, plainly blended,
// upright, over the pixels whose centres it covers (each gets an opaque sample). The tiles of
// the play field hide most of the screen that way.
Graphics::ClearUse Graphics::clear_use(const Sprite& sprite, const Quad& quad, int alpha) const {
  // A quad out of reach draws nothing, so it may never stand in for a pending clear.
  if (!back_.clear_pending() || !within_reach(quad)) return ClearUse::kCarryOut;
  const bool replaces =
      plain_blend(alpha) && detail::is_upright(quad) && picture_of(sprite).pixels != nullptr;
  if (replaces && covers_screen(quad)) {
    // A fresh grab (the full-screen pass that ends each play frame) is not yet known to be
    // free of its key colour: it is copied while each texel is checked.
    if (sprite.grabbed && !sprite.texture_ready) return ClearUse::kCheckedCopy;
    if (sprite.opaque) return ClearUse::kDropped;
  }
  // At least a pixel each way, so that the draw's scale is always in the rasteriser's range.
  if (replaces && sprite.opaque && quad[1].x - quad[0].x >= 1 && quad[3].y - quad[0].y >= 1)
    return ClearUse::kBeside;
  return ClearUse::kAround;
}

// The back buffer for a draw, with a pending clear treated as clear_use decided.
Image& Graphics::target_for(ClearUse use, const Quad& quad) {
  const Bounds b = bounds_of(quad);
  switch (use) {
    case ClearUse::kDropped:
      return back_.write_over();
    case ClearUse::kBeside: {
      const detail::PixelRange xs = detail::pixels_covered(b.left, b.right, back_.width());
      const detail::PixelRange ys = detail::pixels_covered(b.top, b.bottom, back_.height());
      return back_.write_box(xs.first, ys.first, xs.end, ys.end, true);
    }
    case ClearUse::kAround:  // a pixel's worth of margin on every side
      return back_.write_box(int(std::floor(b.left)) - 1, int(std::floor(b.top)) - 1,
                             int(std::ceil(b.right)) + 1, int(std::ceil(b.bottom)) + 1, false);
    default:
      return back_.write();
  }
}

// A fresh grab drawn over the whole screen right after a clear hardly ever holds its key
// colour. Rather than scanning it all for the key first, it is drawn as a plain copy that
// checks each texel as it is read; should one be keyed after all, the clear is carried out and
// false returned, for the grab to be drawn the ordinary way.
bool Graphics::draw_checked_copy(const Sprite& sprite, const Quad& quad) {
  const Pixel clear = *back_.pending_clear();
  Image& target = back_.write_over();
  if (draw_quad_plain(target, picture_of(sprite), quad, colour_to_pixel(sprite.key), bilinear_))
    return true;
  fill_rect(target, 0, 0, target.width, target.height, clear);
  return false;
}

// A quad wholly outside the back buffer draws nothing, so it is left at that; its texture is
// made when it is first seen.
bool Graphics::outside_screen(const Quad& q) const {
  const Bounds b = bounds_of(q);
  return b.right < -1.0f || b.bottom < -1.0f || b.left > float(back_.width()) + 1.0f ||
         b.top > float(back_.height()) + 1.0f;
}

void Graphics::display_sprite3d(Sprite3dId s3, float x, float y, int alpha) {
  if (!in_3d_ || !drawing_ || !std::isfinite(x) || !std::isfinite(y)) return;
  Sprite3D* s = sprites3d_.get(s3);
  if (s == nullptr) return;
  Quad quad = corners_of(*s);
  for (Point& p : quad) p = {p.x + x, p.y + y};
  if (outside_screen(quad)) return;
  Sprite& sprite = *s->sprite;
  ClearUse use = clear_use(sprite, quad, alpha);
  if (use == ClearUse::kCheckedCopy) {
    if (draw_checked_copy(sprite, quad)) return;
    use = ClearUse::kCarryOut;  // carried out already
  }
  const TextureView texture = sprites_.texture_of(sprite);
  draw_quad(target_for(use, quad), texture, quad, alpha, blend_, bilinear_);
}

}  // namespace orv::media
