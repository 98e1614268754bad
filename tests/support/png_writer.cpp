#include "support/png_writer.h"

#include <zlib.h>

#include <cstdint>
#include <vector>

namespace orv::media::test {
namespace {

void put_be32(std::string& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(char((v >> shift) & 255u));
}

void put_chunk(std::string& out, const char* type, const std::string& data) {
  put_be32(out, std::uint32_t(data.size()));
  const std::string body = std::string(type, 4) + data;
  out += body;
  put_be32(out,
           std::uint32_t(crc32(0, reinterpret_cast<const Bytef*>(body.data()), uInt(body.size()))));
}

}  // namespace

std::string blank_grey_png(int width, int height) {
  std::string header;
  put_be32(header, std::uint32_t(width));
  put_be32(header, std::uint32_t(height));
  header += std::string("\x01\x00\x00\x00\x00", 5);  // 1 bit, grey, deflate, no filter, plain
  // Every row is its filter byte 0 and (width + 7) / 8 zero bytes.
  const std::vector<Bytef> rows(std::size_t(height) * (std::size_t(width + 7) / 8 + 1), 0);
  uLongf packed_size = compressBound(uLong(rows.size()));
  std::string packed(packed_size, '\0');
  compress2(reinterpret_cast<Bytef*>(packed.data()), &packed_size, rows.data(), uLong(rows.size()),
            9);
  packed.resize(packed_size);
  std::string png = "\x89PNG\r\n\x1a\n";
  put_chunk(png, "IHDR", header);
  put_chunk(png, "IDAT", packed);
  put_chunk(png, "IEND", "");
  return png;
}

}  // namespace orv::media::test
