// Feeds arbitrary bytes to the TGA decoder; any picture it returns must be well formed.
#include <cstddef>
#include <cstdint>

#include "media/decode/picture.h"
#include "media/decode/tga.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto image = orv::media::decode_tga({data, size});
  if (image &&
      (image->empty() || image->pixels.size() != std::size_t(image->width) * image->height))
    __builtin_trap();
  return 0;
}
