// The configuration file read into the settings, then made usable as at start-up.
#include <cstddef>
#include <cstdint>

#include "frame/configuration_file.h"
#include "fuzz_game.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orv::Game& g = orv::fuzz::fresh_game();
  g.config = orv::Config{};
  g.media.files.put_memory_file("ini.txt", std::string(orv::fuzz::text_of(data, size)));
  orv::fuzz::check(orv::read_configuration_file(g, "ini.txt"));
  return 0;
}
