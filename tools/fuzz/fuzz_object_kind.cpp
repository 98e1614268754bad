// An object definition file read into an object kind beside its (missing) graphic.
#include <cstddef>
#include <cstdint>

#include "catalogue/object_kinds.h"
#include "fuzz_game.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orv::Game& g = orv::fuzz::fresh_game();
  g.config.picture_extension = ".png";
  orv::clear_object_kinds(g);
  g.media.files.put_memory_file("objects/kind.dll", std::string(orv::fuzz::text_of(data, size)));
  orv::load_object_kind(g, "objects/kind.png");
  orv::fuzz::check(g.catalogue.kinds.size() == 1);
  const orv::ObjectKind& kind = g.catalogue.kinds[0];
  orv::fuzz::check(g.world.names.text(kind.placement_name) == kind.placement_text);
  orv::fuzz::check(g.world.names.text(kind.touch_sound) == kind.touch_sound_text);
  return 0;
}
