#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <tuple>

#include "input/input_test_support.h"
#include "input/screenshots.h"

namespace orv {
namespace {

std::int32_t le32(const std::string& bytes, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | std::uint8_t(bytes[at + i]);
  return std::int32_t(v);
}

using Screenshots = test::InputTest;

TEST_F(Screenshots, F12OnReleaseSavesA24BitPictureCutByTwoLinesTopLeft) {
  t.platform.set_local_time({2024, 3, 9, 7, 5, 2});
  g.config.screenshot_prefix = t.dir.path() + "SHOT_";
  const std::string file = t.dir.path() + "SHOT_20240309070502.bmp";
  hold(media::key::kF12);
  frames(3);
  EXPECT_FALSE(std::filesystem::exists(file));
  release(media::key::kF12);
  frame();
  const std::string bmp = t.dir.read("SHOT_20240309070502.bmp");
  ASSERT_GE(bmp.size(), 54u);
  EXPECT_EQ(std::tuple(le32(bmp, 18), std::abs(le32(bmp, 22)), std::uint8_t(bmp[28])),
            std::tuple(1022, 766, 24));
}

TEST_F(Screenshots, AMissingFolderFailsSilently) {
  take_screenshot(g, t.dir.path() + "nowhere/shot");
  EXPECT_FALSE(std::filesystem::exists(t.dir.path() + "nowhere"));
  EXPECT_TRUE(t.platform.boxes().empty());
}

}  // namespace
}  // namespace orv
