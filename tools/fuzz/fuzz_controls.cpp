// The player's controls.txt laid over the default bindings. Whatever the file holds, every
// control keeps a bounded set of keys, and what is reported stays short and printable: at most
// ten findings and one line counting the rest, no byte a terminal would act on.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <sstream>

#include "fuzz_game.h"
#include "input/controls_file.h"
#include "media/messages.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orv::Game& g = orv::fuzz::fresh_game();
  g.input = orv::InputState{};
  g.media.files.put_memory_file("controls.txt", std::string(orv::fuzz::text_of(data, size)));
  std::ostringstream errors;
  orv::read_controls_file(g, "controls.txt", errors);
  const std::string told = errors.str();
  orv::fuzz::check(std::count(told.begin(), told.end(), '\n') <=
                   orv::media::FindingLimit::kShown + 1);
  orv::fuzz::check(std::all_of(told.begin(), told.end(),
                               [](char c) { return c == '\n' || (c >= 0x20 && c < 0x7f); }));
  for (const auto& keys : g.input.keys) orv::fuzz::check(keys.size() <= 512);
  return 0;
}
