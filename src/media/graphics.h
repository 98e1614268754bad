// Window, back buffer, frame pacing, sprites and 3D sprites.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "media/handle_table.h"
#include "media/platform.h"
#include "media/render/render.h"
#include "media/types.h"

namespace orv::media {

class Files;

class Graphics {
 public:
  Graphics(Platform& platform, Files& files);

  // Desktop and window.
  void examine_desktops();
  int desktop_width() const { return desktop_.width; }
  int desktop_height() const { return desktop_.height; }
  int desktop_depth() const { return desktop_.depth; }
  int desktop_frequency() const { return desktop_.frequency; }
  // The window is always borderless and centred; x, y and flags are accepted for the record.
  Handle open_window(int x, int y, int width, int height, const std::string& title, int flags);
  Handle open_windowed_screen(Handle window, int x, int y, int width, int height, bool stretch);
  void clear_screen(Colour colour);
  // Shows the back buffer and paces the game to kFramesPerSecond.
  void flip_buffers();
  int window_event(int timeout_ms);
  void examine_mouse();
  void mouse_locate(int x, int y);

  // Sprites.
  Handle load_sprite(const std::string& file, int mode);
  // sprite -1 sets the default for sprites loaded or grabbed afterwards.
  void transparent_sprite_colour(Handle sprite, Colour colour);
  int sprite_width(Handle sprite) const;
  int sprite_height(Handle sprite) const;
  bool is_sprite(Handle sprite) const;
  void free_sprite(Handle sprite);
  Handle grab_sprite(int x, int y, int width, int height);
  bool save_sprite(Handle sprite, const std::string& file);
  // Makes a sprite from pixels already in memory (used by tools and tests).
  Handle add_sprite(Image picture);

  // 3D sprites.
  void start_3d() { in_3d_ = true; }
  void stop_3d() { in_3d_ = false; }
  Handle create_sprite3d(Handle sprite);
  void free_sprite3d(Handle s3);
  bool is_sprite3d(Handle s3) const;
  void display_sprite3d(Handle s3, float x, float y, int alpha = 255);
  void zoom_sprite3d(Handle s3, float width, float height);
  void rotate_sprite3d(Handle s3, float angle, int mode);
  void sprite3d_blending(int source, int destination);
  void sprite3d_quality(int mode) { bilinear_ = mode != 0; }

  // 2D drawing on the back buffer.
  void start_drawing_screen() {}
  void box(int x, int y, int width, int height, Colour colour);
  void stop_drawing() {}

  // For tests and tools.
  const Image& back_buffer() const { return back_; }
  Image& back_buffer() { return back_; }
  std::int64_t frames_shown() const { return frames_shown_; }

  static constexpr int kFramesPerSecond = 60;

 private:
  struct Sprite {
    std::shared_ptr<Image> picture;
    std::optional<Colour> key;
    mutable std::shared_ptr<const Image> texture;  // built on first use, dropped on key change
  };
  struct Sprite3D {
    std::shared_ptr<const Image> texture;
    float width, height;
    float angle;   // accumulated rotation in degrees
    Quad corners;  // relative to the top-left drawing position
  };
  std::shared_ptr<const Image> texture_of(const Sprite& s) const;
  void set_corners(Sprite3D& s3, float angle) const;

  Platform& platform_;
  Files& files_;
  DesktopInfo desktop_{};
  Image back_;
  bool window_open_ = false;
  bool screen_open_ = false;
  bool in_3d_ = false;
  bool bilinear_ = false;
  Blend blend_{};
  Colour default_key_ = rgb(0, 0, 0);
  HandleTable<Sprite> sprites_;
  HandleTable<Sprite3D> sprites3d_;
  std::int64_t next_frame_ns_ = 0;
  std::int64_t frames_shown_ = 0;
};

}  // namespace orv::media
