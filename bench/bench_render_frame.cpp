// One typical frame of play at 1024x768, drawn through Graphics: a screen of 32-pixel tiles
// with colour key and opacity, 300 drifting 64-pixel sprites with blend (2, 5), 50 rotated
// sprites, the full-screen grab and smooth stretch, and 60 keyed glyphs of text.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "media/graphics.h"

namespace orv::media {
namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr Colour kMagenta = rgb(255, 0, 255);

// Only what a frame needs: a screen that shows nothing and a clock that never waits.
class NullPlatform : public Platform {
 public:
  DesktopInfo desktop() override { return {kWidth, kHeight}; }
  bool open_window(int, int, const std::string&) override { return true; }
  bool open_screen(int, int) override { return true; }
  void present(const Pixel*, int, int) override {}
  void pump_events() override {}
  int wait_event(int) override { return 0; }
  bool close_requested() override { return false; }
  void capture_mouse() override {}
  void move_mouse(int, int) override {}
  bool open_keyboard() override { return true; }
  void read_keys(KeyStates&) override {}
  bool open_joystick() override { return false; }
  void read_joystick(JoystickState&) override {}
  bool open_audio(AudioCallback) override { return false; }
  BoxAnswer message_box(const std::string&, const std::string&, BoxButtons) override {
    return BoxAnswer::kOk;
  }
  std::int64_t now_ns() override { return 0; }
  void sleep_ns(std::int64_t) override {}
  LocalTime local_time() override { return {}; }
};

// Test pictures, all with a keyed (magenta) border. Tiles and objects are opaque inside with a
// keyed notch in one corner; soft sprites fade out with alpha; glyphs are keyed every few
// pixels like the gaps of a letter.
enum class Look { kSolid, kSoft, kGlyph };

bool keyed(int x, int y, int w, int h, int seed, Look look) {
  if (x == 0 || y == 0 || x == w - 1 || y == h - 1) return true;
  if (look == Look::kGlyph) return (x + y + seed) % 7 == 0;
  return look == Look::kSolid && x < 6 && y < 6;
}

Image pattern(int w, int h, int seed, Look look) {
  Image img(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const int a = look == Look::kSoft ? 255 - 200 * (x + y) / (w + h) : 255;
      img.at(x, y) = keyed(x, y, w, h, seed, look)
                         ? argb(255, 255, 0, 255)
                         : argb(a, (x * 8 + seed * 40) & 255, (y * 8) & 255, (seed * 90) & 255);
    }
  }
  return img;
}

struct Drifter {
  Sprite3dId s3;
  float x, y, vx, vy;
};

class Frame {
 public:
  Frame() : gfx_(platform_) {
    WindowId window = gfx_.open_window(kWidth, kHeight, "bench");
    gfx_.open_windowed_screen(window, kWidth, kHeight);
    gfx_.transparent_sprite_colour(kNewSprites, kMagenta);
    make_tiles();
    make_drifters();
    make_spinners();
    SpriteId glyph_sprite = gfx_.add_sprite(pattern(16, 20, 5, Look::kGlyph));
    for (int i = 0; i < 60; ++i) glyphs_.push_back(gfx_.create_sprite3d(glyph_sprite));
  }

  void draw() {
    gfx_.clear_screen(rgb(0, 0, 0));
    gfx_.start_3d();
    draw_drifters();
    draw_tiles();
    draw_spinners();
    capture_and_stretch();
    draw_text();
    gfx_.stop_3d();
    benchmark::DoNotOptimize(gfx_.back_buffer().pixels.data());
  }

  // The parts of a frame one at a time, to see where the time goes.
  enum Part { kClear, kDrifters, kTiles, kSpinners, kStretch, kText };
  void draw_part(int part) {
    gfx_.start_3d();
    switch (part) {
      case kClear:
        gfx_.clear_screen(rgb(0, 0, 0));
        break;
      case kDrifters:
        draw_drifters();
        break;
      case kTiles:
        draw_tiles();
        break;
      case kSpinners:
        draw_spinners();
        break;
      case kStretch:
        capture_and_stretch();
        break;
      default:
        draw_text();
        break;
    }
    gfx_.stop_3d();
    benchmark::DoNotOptimize(gfx_.back_buffer().pixels.data());
  }

 private:
  void make_tiles() {
    SpriteId kinds[4];
    for (int k = 0; k < 4; ++k) kinds[k] = gfx_.add_sprite(pattern(32, 32, k, Look::kSolid));
    for (int i = 0; i < 32 * 24; ++i) tiles_.push_back(gfx_.create_sprite3d(kinds[i % 4]));
  }
  void make_drifters() {
    SpriteId kinds[3];
    for (int k = 0; k < 3; ++k) kinds[k] = gfx_.add_sprite(pattern(64, 64, k, Look::kSoft));
    for (int i = 0; i < 300; ++i) {
      drifters_.push_back({gfx_.create_sprite3d(kinds[i % 3]), float((i * 97) % kWidth),
                           float((i * 61) % kHeight), float(i % 7 - 3), float(i % 5 - 2)});
    }
  }
  void make_spinners() {
    SpriteId kind = gfx_.add_sprite(pattern(48, 48, 3, Look::kSolid));
    for (int i = 0; i < 50; ++i) {
      spinners_.push_back(gfx_.create_sprite3d(kind));
      gfx_.rotate_sprite3d(spinners_.back(), float(i * 7), kRotateAbsolute);
    }
  }
  void draw_drifters() {
    gfx_.sprite3d_blending(blend::kOne, blend::kSourceAlpha);
    for (Drifter& d : drifters_) {
      if (d.x + d.vx > kWidth || d.x + d.vx < 1) d.vx = -d.vx;
      if (d.y + d.vy > kHeight || d.y + d.vy < 1) d.vy = -d.vy;
      d.x += d.vx;
      d.y += d.vy;
      gfx_.display_sprite3d(d.s3, std::round(d.x), std::round(d.y), 255);
    }
    gfx_.sprite3d_blending(blend::kSourceAlpha, blend::kInverseSourceAlpha);
  }
  void draw_tiles() {
    for (int i = 0; i < int(tiles_.size()); ++i)
      gfx_.display_sprite3d(tiles_[i], float(i % 32 * 32), float(i / 32 * 32), 220);
  }
  void draw_spinners() {
    for (int i = 0; i < int(spinners_.size()); ++i) {
      gfx_.rotate_sprite3d(spinners_[i], 16, kRotateRelative);
      gfx_.display_sprite3d(spinners_[i], float(i * 131 % 980), float(i * 89 % 720), 255);
    }
  }
  void capture_and_stretch() {
    gfx_.sprite3d_quality(1);
    SpriteId grab = gfx_.grab_sprite(1, 1, kWidth - 1, kHeight - 1);
    Sprite3dId capture = gfx_.create_sprite3d(grab);
    gfx_.zoom_sprite3d(capture, kWidth, kHeight);
    gfx_.clear_screen(rgb(0, 0, 0));
    gfx_.display_sprite3d(capture, 0, 0);
    gfx_.free_sprite3d(capture);
    gfx_.free_sprite(grab);
    gfx_.sprite3d_quality(0);
  }
  void draw_text() {
    for (int i = 0; i < int(glyphs_.size()); ++i)
      gfx_.display_sprite3d(glyphs_[i], float(100 + i % 30 * 16), float(40 + i / 30 * 60), 240);
  }

  NullPlatform platform_;
  Graphics gfx_;
  std::vector<Sprite3dId> tiles_, spinners_, glyphs_;
  std::vector<Drifter> drifters_;
};

void BM_RenderFrame(benchmark::State& state) {
  Frame frame;
  for (auto _ : state) frame.draw();
}
BENCHMARK(BM_RenderFrame)->Unit(benchmark::kMillisecond);

void BM_RenderFramePart(benchmark::State& state) {
  static const char* const kNames[] = {"clear", "drifters", "tiles", "spinners", "stretch", "text"};
  Frame frame;
  frame.draw();
  for (auto _ : state) frame.draw_part(int(state.range(0)));
  state.SetLabel(kNames[state.range(0)]);
}
BENCHMARK(BM_RenderFramePart)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);

// What memory traffic alone costs a frame, the floor the typical frame is measured against:
// three fills and one copy of a 3 MiB screen, each into the next of 16 buffers (48 MiB, more
// than the caches hold) so that every one goes to memory, as a frame's passes over the screen do.
void BM_MemoryFloor(benchmark::State& state) {
  constexpr std::size_t kBytes = 1024 * 768 * sizeof(Pixel);
  std::vector<std::vector<unsigned char>> buffers(16, std::vector<unsigned char>(kBytes, 1));
  std::size_t next = 0;
  const auto take = [&]() -> unsigned char* {
    next = (next + 1) % buffers.size();
    return buffers[next].data();
  };
  for (auto _ : state) {
    for (int fill = 0; fill < 3; ++fill) std::memset(take(), fill, kBytes);
    const unsigned char* from = take();
    std::memcpy(take(), from, kBytes);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_MemoryFloor)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orv::media

BENCHMARK_MAIN();
