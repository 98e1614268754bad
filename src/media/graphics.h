// Window, back buffer, frame pacing, sprites and 3D sprites.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "media/back_buffer.h"
#include "media/handle_table.h"
#include "media/platform.h"
#include "media/render/blend_factors.h"
#include "media/render/render.h"
#include "media/sprites.h"
#include "media/types.h"

namespace orv::media {

// Modes of rotate_sprite3d: the angle replaces the sprite's rotation, or adds to it.
constexpr int kRotateAbsolute = 0;
constexpr int kRotateRelative = 1;

// How the window opens: the window of the configured size centred on the desktop, or the whole
// desktop (the picture keeps its size and aspect ratio and is scaled up, with black bars).
// The player switches between the two with F11 or Alt+Enter at any time.
enum class DisplayMode { kWindow, kFullscreen };

class Graphics {
 public:
  explicit Graphics(Platform& platform);

  // Desktop and window.
  void examine_desktops();
  int desktop_width() const { return desktop_.width; }
  int desktop_height() const { return desktop_.height; }
  // The window is always borderless; in DisplayMode::kWindow it is centred.
  WindowId open_window(int width, int height, const std::string& title,
                       DisplayMode mode = DisplayMode::kWindow);
  // The drawable screen of the window: the back buffer, shown stretched to the window.
  ScreenId open_windowed_screen(WindowId window, int width, int height);
  void clear_screen(Colour colour);
  // Size of the back buffer in pixels (0 before the screen is open).
  int screen_width() const { return back_.width(); }
  int screen_height() const { return back_.height(); }
  // Shows the back buffer and paces the game to kFramesPerSecond.
  void flip_buffers();
  // Shows the back buffer as a step of a long operation (a level build), without pacing and
  // without waiting for the display, which may leave it out: the operation runs at the speed
  // of its work. The frame after it starts a fresh schedule.
  void show_progress();
  int window_event(int timeout_ms);
  // Called by flip_buffers and window_event once the desktop asked the game to close (window
  // closed, Alt+F4, SIGTERM), so every loop of the game, menus included, can end cleanly.
  void on_close_request(std::function<void()> handler) { close_handler_ = std::move(handler); }
  void examine_mouse();
  void mouse_locate(int x, int y);

  // Sprites (see sprites.h).
  SpriteId load_sprite(const std::string& file) { return sprites_.load(file); }
  // kNewSprites sets the key of sprites loaded or grabbed afterwards.
  void transparent_sprite_colour(SpriteId sprite, Colour colour) {
    sprites_.set_key(sprite, colour);
  }
  int sprite_width(SpriteId sprite) const { return sprites_.width(sprite); }
  int sprite_height(SpriteId sprite) const { return sprites_.height(sprite); }
  bool is_sprite(SpriteId sprite) const { return sprites_.contains(sprite); }
  void free_sprite(SpriteId sprite) { sprites_.free(sprite); }
  SpriteId grab_sprite(int x, int y, int width, int height) {
    return sprites_.grab(x, y, width, height);
  }
  bool save_sprite(SpriteId sprite, const std::string& file) { return sprites_.save(sprite, file); }
  // Makes a sprite from pixels already in memory (used by tools and tests).
  SpriteId add_sprite(Image picture) { return sprites_.add(std::move(picture)); }
  // The pictures decoded from files and their memory budget (see picture_cache.h).
  PictureCache& picture_cache() { return sprites_.pictures(); }

  // 3D sprites.
  void start_3d() { in_3d_ = true; }
  void stop_3d() { in_3d_ = false; }
  Sprite3dId create_sprite3d(SpriteId sprite);
  void free_sprite3d(Sprite3dId s3);
  bool is_sprite3d(Sprite3dId s3) const;
  // The size the 3D sprite draws at ({0, 0} for an unknown handle).
  std::pair<float, float> sprite3d_size(Sprite3dId s3) const;
  void display_sprite3d(Sprite3dId s3, float x, float y, int alpha = 255);
  void zoom_sprite3d(Sprite3dId s3, float width, float height);
  void rotate_sprite3d(Sprite3dId s3, float angle, int mode);
  void sprite3d_blending(int source, int destination);
  void sprite3d_quality(int mode) { bilinear_ = mode != 0; }

  // 2D drawing on the back buffer.
  void box(int x, int y, int width, int height, Colour colour);

  // false: sprites and boxes are not drawn, everything else goes on as before (sprites load,
  // grabs and presents happen, frames keep their pace). For a game played where nobody sees
  // its pictures (a verify), since no rule of the game reads a pixel it drew.
  void set_drawing(bool drawing) { drawing_ = drawing; }

  // For tests and tools. The reference holds until the next call of Graphics; pixels written
  // through it must keep alpha 255 like every other pixel of the back buffer.
  const Image& back_buffer() const { return back_.read(); }
  Image& back_buffer() { return back_.write(); }
  bool drawing_in_window() const { return back_.on_window(); }
  std::int64_t window_copies() const { return back_.window_copies(); }

  static constexpr int kFramesPerSecond = 60;

 private:
  // The corners are worked out from the size and the turn when the quad is drawn, so turning a
  // sprite that is not drawn costs one addition, and a 3D sprite keeps only what it must.
  struct Sprite3D {
    std::shared_ptr<Sprite> sprite;
    float width = 0, height = 0;
    float angle = 0;  // accumulated rotation in degrees
    float turn = 0;   // the angle the corners are turned by
  };
  static Quad corners_of(const Sprite3D& s3);
  // How a draw treats a pending clear: carried out first, copied over with each texel checked
  // (a fresh grab), dropped (every pixel replaced), carried out beside the pixels the draw
  // replaces, or carried out around the draw.
  enum class ClearUse { kCarryOut, kCheckedCopy, kDropped, kBeside, kAround };
  bool covers_screen(const Quad& q) const;
  bool plain_blend(int alpha) const;
  ClearUse clear_use(const Sprite& sprite, const Quad& quad, int alpha) const;
  Image& target_for(ClearUse use, const Quad& quad);
  bool draw_checked_copy(const Sprite& sprite, const Quad& quad);
  bool outside_screen(const Quad& q) const;
  void pace_frame();
  Pixel* window_memory();

  Platform& platform_;
  DesktopInfo desktop_{};
  // Lazily cleared and shared with grabbed sprites; neither is visible from outside, so even
  // the const accessor may settle it.
  mutable BackBuffer back_;
  bool window_open_ = false;
  bool screen_open_ = false;
  bool in_3d_ = false;
  bool drawing_ = true;
  bool bilinear_ = false;
  Blend blend_{};
  Sprites sprites_{back_};
  HandleTable<Sprite3D, Sprite3dId> sprites3d_;
  bool pacing_started_ = false;
  std::int64_t next_frame_ns_ = 0;
  std::function<void()> close_handler_;
  void check_close_request();
};

}  // namespace orv::media
