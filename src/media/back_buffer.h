// The back buffer behind Graphics, managed lazily: a clear only notes its colour until the
// buffer is next used, and then is carried out only where it is still seen (a draw that
// replaces pixels outright needs no clear under it). Keeping track box by box costs more than
// one plain fill when little is replaced (translucent tiles), so it is done only while the
// last clear kept track of paid for it, and tried again now and then; a grabbed sprite may keep the
// very pixels of the buffer (no copy) while the back buffer moves on to fresh memory before its
// next change.
//
// Where the platform offers the memory the window shows (Platform::window_memory), frames are
// drawn straight into it, so presenting them copies nothing. A grab never keeps that memory:
// the frame that is drawn to be grabbed (play draws its world, grabs it, clears and draws the
// grab stretched) goes into memory of the game's own, which the grab then keeps without a
// copy, and the clear after the grab moves back onto the window's memory. Moves happen at
// clears, when the content does not matter, so they copy nothing; a grab of the window's memory
// and a present after the platform withdrew it (a resized window) copy the frame once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "media/types.h"

namespace orv::media {

class BackBuffer {
 public:
  BackBuffer() : image_(std::make_shared<Image>()) {}

  // A new screen of the given size, black.
  void reset(int width, int height);
  int width() const { return image_->width; }
  int height() const { return image_->height; }

  // window: the memory the platform offers for this frame, or null.
  void clear(Pixel colour, Pixel* window = nullptr);
  // The pixels to present; window is the platform's offer now, and a frame drawn in memory it
  // no longer offers moves out first.
  const Image& present(Pixel* window);
  // Moves out of the window's memory, keeping the picture (before the window is replaced).
  void leave_window();
  bool on_window() const { return image_->pixels.borrowed(); }
  // Frames copied because of the window's memory (grabs of it, moves out of it with content).
  std::int64_t window_copies() const { return window_copies_; }
  bool clear_pending() const { return pending_clear_.has_value(); }
  std::optional<Pixel> pending_clear() const { return pending_clear_; }

  // The pixels as they stand, for reading.
  const Image& read();
  // The pixels for drawing: the buffer's own, cleared if a clear is pending.
  Image& write();
  // The pixels for a draw that will cover every pixel opaquely: neither a pending clear nor
  // the old content matter.
  Image& write_over();
  // The pixels for a draw that touches nothing outside columns [left, right) of rows
  // [top, bottom) (clipped to the screen). A pending clear is carried out there first, except
  // over the part a covering draw replaces outright: with cover, the draw writes every pixel
  // of the box opaquely. When keeping track box by box has not been paying, the whole clear
  // is carried out at once instead.
  Image& write_box(int left, int top, int right, int bottom, bool cover);
  // The buffer itself, shared with a sprite grabbed from it; the back buffer leaves it before
  // its next change.
  std::shared_ptr<Image> share();

  // Memory of freed pictures, for the next grabs, textures and buffers (the game grabs and
  // frees a screen-sized sprite every frame). Never more than three screens' worth is kept.
  std::vector<Pixel> take_spare(std::size_t pixels);
  void keep_spare(std::vector<Pixel>&& pixels);
  // Takes back the memory of a picture nobody else uses any more.
  void recycle(std::shared_ptr<Image>&& image);

 private:
  void own(bool keep_content);
  void move_to(Pixel* window);
  std::shared_ptr<Image> own_image(bool keep_content);
  bool track_boxes();
  void judge_boxes(std::int64_t never_filled);

  std::shared_ptr<Image> image_;
  std::optional<Pixel> pending_clear_;
  // While a clear is pending and partly_done_, row y holds its final pixels in columns
  // [0, done_[y]) and still owes the clear colour beyond. Without partly_done_ every row owes
  // it all. (Drawing mostly proceeds left to right along rows, the play field's tiles
  // included, so one bound per row keeps the bookkeeping cheap.)
  bool partly_done_ = false;
  std::vector<int> done_;
  std::int64_t box_filled_ = 0;  // pixels filled box by box for the clear pending
  bool boxes_pay_ = true;        // keeping track saved at least a quarter of the last fill
  int plain_clears_ = 0;         // clears carried out at once since boxes were last tried
  std::vector<std::vector<Pixel>> spares_;
  // Grabs in the frame being drawn and in the one before it: play grabs every frame, so a
  // frame whose predecessor grabbed is drawn in the game's own memory until its grab.
  bool shared_this_frame_ = false;
  bool shared_last_frame_ = false;
  std::int64_t window_copies_ = 0;
};

}  // namespace orv::media
