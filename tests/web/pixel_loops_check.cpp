// The browser build's WebAssembly SIMD pixel loops against the portable loops they stand in
// for, run under node by tests/web/run.sh: every result must be the same to the bit. Prints
// the first difference and exits with 1, or prints "pixel loops agree".
#include <cstdint>
#include <cstdio>
#include <vector>

#include "media/render/blend.h"
#include "media/render/cpu.h"
#include "media/render/draw_quad.h"
#include "media/render/sample.h"

namespace orv::media {
namespace {

// Texels of every kind (transparent, opaque, in between) in a fixed pseudo-random order.
std::vector<Pixel> noisy(std::size_t n, std::uint32_t seed, bool opaque) {
  std::vector<Pixel> v(n);
  for (Pixel& p : v) {
    seed = seed * 1664525u + 1013904223u;
    const std::uint32_t pick = (seed >> 24) % 3;
    const std::uint32_t a = opaque || pick == 1 ? 255u : pick == 0 ? 0u : seed >> 24;
    p = (seed & 0xFFFFFFu) | (a << 24);
  }
  return v;
}

Image noisy_image(int w, int h, std::uint32_t seed, bool opaque) {
  Image img(w, h);
  img.pixels = noisy(img.pixels.size(), seed, opaque);
  return img;
}

template <class Fn>
bool agree(const char* what, int variant, Fn run) {
  detail::allow_simd128(true);
  const std::vector<Pixel> fast = run();
  detail::allow_simd128(false);
  const std::vector<Pixel> portable = run();
  detail::allow_simd128(true);
  for (std::size_t i = 0; i < fast.size(); ++i) {
    if (fast[i] != portable[i]) {
      std::printf("%s (case %d): pixel %zu is %08x, the portable loop gives %08x\n", what, variant,
                  i, unsigned(fast[i]), unsigned(portable[i]));
      return false;
    }
  }
  return true;
}

// Rows of every length from empty to a few vectors and a tail, whole blocks with strides, at
// full and partial opacity, for both blends that have their own loops and one that has not.
bool spans_agree() {
  const std::vector<Pixel> src = noisy(64 * 5, 11, false);
  int variant = 0;
  for (Blend blend : {Blend{5, 6}, Blend{2, 5}, Blend{3, 4}}) {
    for (int opacity : {255, 200, 1}) {
      for (int width = 0; width <= 19; ++width, ++variant) {
        const bool ok = agree("span blend", variant, [&] {
          std::vector<Pixel> dst = noisy(64 * 5, 3, true);
          const detail::SpanBlender blender(blend, opacity);
          blender({dst.data(), 64, src.data() + 1, 61, width, 5});
          return dst;
        });
        if (!ok) return false;
      }
    }
  }
  return true;
}

bool mixing_agrees() {
  const std::vector<Pixel> row0 = noisy(40, 5, false), row1 = noisy(40, 6, false);
  // Out of order and repeated, as a mirrored walk may be; and a zoomed one, where runs of
  // four lie close together.
  std::vector<std::int32_t> scattered(30), zoomed(30), weight(30);
  for (int i = 0; i < 30; ++i) {
    scattered[i] = i * 37 % 38;
    zoomed[i] = i * 5 / 4;
    weight[i] = i * 53 % 256;
  }
  for (int count = 0; count <= 30; ++count) {
    for (int w : {0, 1, 128, 255}) {
      const bool rows = agree("mix_rows", count * 1000 + w, [&] {
        std::vector<Pixel> out(30);
        detail::mix_rows(out.data(), row0.data(), row1.data(), w, count);
        return out;
      });
      if (!rows) return false;
    }
    for (const auto* left : {&scattered, &zoomed}) {
      const bool columns = agree("mix_columns", count, [&] {
        std::vector<Pixel> out(30);
        detail::mix_columns(out.data(), row0.data(), left->data(), weight.data(), count);
        return out;
      });
      if (!columns) return false;
    }
  }
  return true;
}

// Whole draws as the game makes them: unscaled, scaled smoothly and turned.
bool draws_agree() {
  const Image tex = noisy_image(13, 5, 13, false);
  const Quad quads[] = {
      {Point{2, 3}, Point{15, 3}, Point{15, 8}, Point{2, 8}},
      {Point{-1.5f, 2.25f}, Point{20.5f, 2.25f}, Point{20.5f, 13.25f}, Point{-1.5f, 13.25f}},
      {Point{20.3f, 1.7f}, Point{37.9f, 14.2f}, Point{23.4f, 29.6f}, Point{5.8f, 17.1f}}};
  int variant = 0;
  for (Blend blend : {Blend{5, 6}, Blend{2, 5}}) {
    for (int opacity : {255, 200}) {
      for (const Quad& quad : quads) {
        for (bool bilinear : {false, true}) {
          const bool ok = agree("draw", variant++, [&] {
            Image target = noisy_image(40, 30, 7, true);
            draw_quad(target, tex, quad, opacity, blend, bilinear);
            return target.pixels;
          });
          if (!ok) return false;
        }
      }
    }
  }
  return true;
}

}  // namespace
}  // namespace orv::media

int main() {
  using namespace orv::media;
  if (!detail::use_simd128()) {
    std::printf("built without the WebAssembly SIMD loops\n");
    return 1;
  }
  if (!spans_agree() || !mixing_agrees() || !draws_agree()) return 1;
  std::printf("pixel loops agree\n");
  return 0;
}
