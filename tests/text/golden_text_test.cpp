// Text drawn with the test font against a checked-in picture; ORV_UPDATE_GOLDEN=1 rewrites it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "media/render/bmp.h"
#include "media/render/render.h"
#include "support/screen_game.h"
#include "text/font.h"
#include "text/text_drawing.h"

namespace orv {
namespace {

void write_bytes(const std::string& path, const media::Bytes& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

TEST(GoldenText, ALineOfTextLooksAsCheckedIn) {
  const std::string golden = std::string(ORV_FIXTURES) + "/golden/text_line.bmp";
  test::ScreenGame t;
  test::open_test_screen(t.game, 96, 64);
  t.game.config.font_path = test::test_font_folder();
  t.game.config.font_character_list = test::test_font_folder() + "/chars.txt";
  load_font(t.game);
  const media::Image& frame = test::draw_frame(
      t,
      [&] {
        draw_text(t.game, "  AB Z.\\bIA|", 4.0f, 4.0f, {.spacing = 1.2f});
        draw_text(t.game, "ZA.b|", 50.0f, 30.0f, {.zoom = 1.5f, .alpha = 160});
      },
      media::rgb(30, 30, 60));
  const media::Bytes actual = media::encode_bmp24(frame);
  if (const char* update = std::getenv("ORV_UPDATE_GOLDEN"); update && *update == '1') {
    write_bytes(golden, actual);
    GTEST_SKIP() << "wrote " << golden;
  }
  std::ifstream in(golden, std::ios::binary);
  if (actual != media::Bytes(std::istreambuf_iterator<char>(in), {})) {
    const std::string seen = testing::TempDir() + "text_line_actual.bmp";
    write_bytes(seen, actual);
    FAIL() << "the text differs from " << golden << "; this run drew " << seen;
  }
}

}  // namespace
}  // namespace orv
