// Feeds arbitrary bytes to the TIFF decoder; any picture it returns must be well formed.
#include <cstddef>
#include <cstdint>

#include "media/decode/picture.h"
#include "media/decode/tiff.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto image = orv::media::decode_tiff({data, size});
  if (image &&
      (image->empty() || image->pixels.size() != std::size_t(image->width) * image->height))
    __builtin_trap();
  return 0;
}
