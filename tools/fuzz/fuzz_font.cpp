// The font's character list: every listed character loads (or fails to load) its glyph picture.
#include <cstddef>
#include <cstdint>

#include "fuzz_game.h"
#include "text/font.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orv::Game& g = orv::fuzz::fresh_game();
  g.config.font_character_list = "font.txt";
  g.config.font_path = "/nonexistent-orv-font";
  g.media.files.put_memory_file("font.txt", std::string(orv::fuzz::text_of(data, size)));
  orv::load_font(g);
  return 0;
}
