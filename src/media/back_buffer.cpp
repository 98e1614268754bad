// The lazily managed back buffer.
#include "media/back_buffer.h"

#include <algorithm>
#include <utility>

#include "media/render/rect.h"
#include "media/render/render.h"

namespace orv::media {

void BackBuffer::reset(int width, int height) {
  image_ = std::make_shared<Image>(width, height, colour_to_pixel(rgb(0, 0, 0)));
  pending_clear_.reset();
  partly_done_ = false;
  shared_this_frame_ = shared_last_frame_ = false;
}

void BackBuffer::clear(Pixel colour, Pixel* window) {
  if (partly_done_) judge_boxes(std::int64_t(image_->pixels.size()) - box_filled_);
  pending_clear_ = colour;
  partly_done_ = false;
  const bool grab_ahead = shared_last_frame_ && !shared_this_frame_;
  move_to(grab_ahead ? nullptr : window);
}

// With the whole clear pending the content does not matter: the move copies nothing, and
// memory whatever its content (fresh from the platform, or drawn on by it) is cleared in full.
void BackBuffer::move_to(Pixel* window) {
  if (window == nullptr) {
    if (on_window()) image_ = own_image(false);
    return;
  }
  if (on_window() && image_->pixels.data() == window) return;
  auto borrowed = std::make_shared<Image>();
  borrowed->width = image_->width;
  borrowed->height = image_->height;
  borrowed->pixels = PixelStore::borrow(window, image_->pixels.size());
  recycle(std::move(image_));
  image_ = std::move(borrowed);
}

const Image& BackBuffer::present(Pixel* window) {
  read();
  if (on_window() && image_->pixels.data() != window) leave_window();
  shared_last_frame_ = std::exchange(shared_this_frame_, false);
  return *image_;
}

void BackBuffer::leave_window() {
  if (!on_window()) return;
  const bool keep = !pending_clear_ || partly_done_;
  image_ = own_image(keep);
  if (keep) ++window_copies_;
}

// Memory of the back buffer's own (spare when there is some), of its size.
std::shared_ptr<Image> BackBuffer::own_image(bool keep_content) {
  auto fresh = std::make_shared<Image>();
  fresh->width = image_->width;
  fresh->height = image_->height;
  fresh->pixels = take_spare(image_->pixels.size());
  if (keep_content) {
    fresh->pixels.assign(image_->pixels.begin(), image_->pixels.end());
  } else {
    fresh->pixels.resize(image_->pixels.size());
  }
  return fresh;
}

const Image& BackBuffer::read() {
  if (pending_clear_) write();
  return *image_;
}

Image& BackBuffer::write() {
  own(!pending_clear_ || partly_done_);
  if (!pending_clear_) return *image_;
  if (!partly_done_) {
    fill_rect(*image_, 0, 0, image_->width, image_->height, *pending_clear_);
  } else {
    std::int64_t filled = box_filled_;
    for (int y = 0; y < image_->height; ++y) {
      fill_rect(*image_, done_[y], y, image_->width - done_[y], 1, *pending_clear_);
      filled += image_->width - done_[y];
    }
    judge_boxes(std::int64_t(image_->pixels.size()) - filled);
  }
  pending_clear_.reset();
  partly_done_ = false;
  return *image_;
}

Image& BackBuffer::write_over() {
  if (partly_done_) judge_boxes(std::int64_t(image_->pixels.size()) - box_filled_);
  own(false);
  pending_clear_.reset();
  partly_done_ = false;
  return *image_;
}

Image& BackBuffer::write_box(int left, int top, int right, int bottom, bool cover) {
  if (!pending_clear_) return write();
  if (!partly_done_ && !track_boxes()) return write();
  own(partly_done_);
  if (!partly_done_) {
    done_.assign(std::size_t(std::max(image_->height, 0)), 0);
    partly_done_ = true;
    box_filled_ = 0;
  }
  left = std::clamp(left, 0, image_->width);
  right = std::clamp(right, 0, image_->width);
  top = std::clamp(top, 0, image_->height);
  bottom = std::clamp(bottom, 0, image_->height);
  if (left >= right) return *image_;
  const Pixel colour = *pending_clear_;
  Pixel* row = image_->pixels.data() + std::size_t(top) * std::size_t(image_->width);
  for (int y = top; y < bottom; ++y, row += image_->width) {
    int& done = done_[std::size_t(y)];
    if (right <= done) continue;
    const int fill_end = cover ? std::max(done, left) : right;
    std::fill(row + done, row + fill_end, colour);
    box_filled_ += fill_end - done;
    done = right;
  }
  return *image_;
}

// Whether the clear now pending is to be kept track of box by box: while that pays, and once
// in a while after it stopped paying, in case the scene changed.
bool BackBuffer::track_boxes() {
  constexpr int kRetryEvery = 30;
  if (boxes_pay_ || ++plain_clears_ >= kRetryEvery) {
    plain_clears_ = 0;
    return true;
  }
  return false;
}

// Keeping track pays when it spared a quarter of the screen's fill, about its own cost.
void BackBuffer::judge_boxes(std::int64_t never_filled) {
  boxes_pay_ = never_filled * 4 >= std::int64_t(image_->pixels.size());
}

// The window's memory is never shared: the platform may take it back at any present.
std::shared_ptr<Image> BackBuffer::share() {
  read();
  shared_this_frame_ = true;
  if (!on_window()) return image_;
  ++window_copies_;
  return own_image(true);
}

// Moves to memory of its own when a grabbed sprite still holds the current pixels.
void BackBuffer::own(bool keep_content) {
  if (image_.use_count() == 1) return;
  image_ = own_image(keep_content);
}

std::vector<Pixel> BackBuffer::take_spare(std::size_t pixels) {
  for (auto& spare : spares_) {
    if (spare.capacity() < pixels) continue;
    std::vector<Pixel> out = std::move(spare);
    std::swap(spare, spares_.back());
    spares_.pop_back();
    return out;
  }
  return {};
}

void BackBuffer::keep_spare(std::vector<Pixel>&& pixels) {
  constexpr std::size_t kMaxSpares = 3;
  if (pixels.capacity() == 0 || pixels.capacity() > image_->pixels.size()) return;
  if (spares_.size() < kMaxSpares) {
    spares_.push_back(std::move(pixels));
    return;
  }
  auto smallest = std::min_element(spares_.begin(), spares_.end(),
                                   [](auto& a, auto& b) { return a.capacity() < b.capacity(); });
  if (smallest->capacity() < pixels.capacity()) *smallest = std::move(pixels);
}

void BackBuffer::recycle(std::shared_ptr<Image>&& image) {
  if (image && image.use_count() == 1) keep_spare(image->pixels.release());
  image.reset();
}

}  // namespace orv::media
