#include <gtest/gtest.h>

#include <cstdint>

#include "media/render/cpu.h"
#include "media/render/render.h"
#include "support/image_helpers.h"

namespace orv::media {
namespace {

using testing::rect_quad;

// Texels of every kind: transparent, opaque and in between, in a fixed pseudo-random order.
Image noisy(int w, int h, std::uint32_t seed) {
  Image img(w, h);
  for (Pixel& p : img.pixels) {
    seed = seed * 1664525u + 1013904223u;
    const std::uint32_t a = (seed >> 24) % 3 == 0 ? 0u : (seed >> 24) % 3 == 1 ? 255u : seed >> 24;
    p = (seed & 0xFFFFFFu) | (a << 24);
  }
  return img;
}

// Draws the same scene with and without the AVX2 loops; both must give identical pixels.
struct Scene {
  Quad quad;
  int alpha;
  Blend blend;
  bool bilinear;
};

Image render(const Scene& scene, const Image& texture, bool avx2) {
  detail::allow_avx2(avx2);
  Image target = noisy(40, 30, 7);
  for (Pixel& p : target.pixels) p |= 0xFF000000u;
  draw_quad(target, texture, scene.quad, scene.alpha, scene.blend, scene.bilinear);
  detail::allow_avx2(true);
  return target;
}

TEST(RenderPaths, PortableAndAvx2LoopsAgree) {
  const Quad turned{Point{20.3f, 1.7f}, Point{37.9f, 14.2f}, Point{23.4f, 29.6f},
                    Point{5.8f, 17.1f}};
  for (int width : {1, 3, 7, 8, 9, 13, 17, 33}) {
    const Image tex = noisy(width, 5, std::uint32_t(width));
    for (Blend blend : {Blend{5, 6}, Blend{2, 5}, Blend{2, 6}, Blend{3, 4}}) {
      for (int alpha : {255, 200}) {
        const Scene scenes[] = {
            {rect_quad(2, 3, float(width), 5), alpha, blend, false},          // unscaled
            {rect_quad(-1.5f, 2.25f, width * 1.7f, 11), alpha, blend, true},  // smooth stretch
            {rect_quad(0.5f, 0.5f, width * 0.6f, 3), alpha, blend, true},     // smooth shrink
            {rect_quad(0, 0, width * 0.88f, 4), alpha, blend, true},          // slight shrink
            {rect_quad(1, 1, width * 2.0f, 9), alpha, blend, false},          // nearest stretch
            {turned, alpha, blend, false},
            {turned, alpha, blend, true}};
        for (const Scene& scene : scenes) {
          ASSERT_EQ(render(scene, tex, true).pixels, render(scene, tex, false).pixels)
              << "width " << width << " blend " << blend.source << "," << blend.destination
              << " alpha " << alpha;
        }
      }
    }
  }
}

}  // namespace
}  // namespace orv::media
