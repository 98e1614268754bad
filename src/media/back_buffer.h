// The back buffer behind Graphics, managed lazily: a clear only notes its colour until the
// buffer is next used, and then is carried out only where it is still seen (a draw that
// replaces pixels outright needs no clear under it). Keeping track box by box costs more than
// one plain fill when little is replaced (translucent tiles), so it is done only while the
// last clear kept track of paid for it, and tried again now and then; a grabbed sprite may keep the
// very pixels of the buffer (no copy) while the back buffer moves on to fresh memory before its
// next change.
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

  void clear(Pixel colour);
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
};

}  // namespace orv::media
