#include "support/ogg_writer.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orv::media::test {
namespace {

constexpr int kBlock = 1024;

struct Encoder {
  vorbis_info info{};
  vorbis_comment comment{};
  vorbis_dsp_state dsp{};
  vorbis_block block{};
  ogg_stream_state stream{};
  bool started = false;

  Encoder() {
    vorbis_info_init(&info);
    vorbis_comment_init(&comment);
  }
  ~Encoder() {
    if (started) {
      ogg_stream_clear(&stream);
      vorbis_block_clear(&block);
      vorbis_dsp_clear(&dsp);
    }
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
  }
};

void append_page(const ogg_page& page, Bytes& out) {
  out.insert(out.end(), page.header, page.header + page.header_len);
  out.insert(out.end(), page.body, page.body + page.body_len);
}

void write_headers(Encoder& e, Bytes& out) {
  ogg_packet id, comments, codebooks;
  vorbis_analysis_headerout(&e.dsp, &e.comment, &id, &comments, &codebooks);
  ogg_stream_packetin(&e.stream, &id);
  ogg_stream_packetin(&e.stream, &comments);
  ogg_stream_packetin(&e.stream, &codebooks);
  ogg_page page;
  while (ogg_stream_flush(&e.stream, &page) != 0) append_page(page, out);
}

void drain(Encoder& e, Bytes& out) {
  ogg_packet packet;
  ogg_page page;
  while (vorbis_analysis_blockout(&e.dsp, &e.block) == 1) {
    vorbis_analysis(&e.block, nullptr);
    vorbis_bitrate_addblock(&e.block);
    while (vorbis_bitrate_flushpacket(&e.dsp, &packet) == 1) {
      ogg_stream_packetin(&e.stream, &packet);
      while (ogg_stream_pageout(&e.stream, &page) != 0) append_page(page, out);
    }
  }
  while (ogg_stream_flush(&e.stream, &page) != 0) append_page(page, out);
}

}  // namespace

Bytes write_ogg(const Tone& tone) {
  Encoder e;
  if (vorbis_encode_init_vbr(&e.info, tone.channels, tone.rate, tone.quality) != 0) return {};
  vorbis_analysis_init(&e.dsp, &e.info);
  vorbis_block_init(&e.dsp, &e.block);
  ogg_stream_init(&e.stream, tone.serial);
  e.started = true;

  Bytes out;
  write_headers(e, out);
  const long total = std::lround(tone.seconds * tone.rate);
  for (long done = 0; done < total;) {
    int n = int(std::min<long>(kBlock, total - done));
    float** buffer = vorbis_analysis_buffer(&e.dsp, n);
    for (int c = 0; c < tone.channels; ++c) {
      double amplitude = tone.amplitude / (c + 1);
      for (int i = 0; i < n; ++i) {
        double t = double(done + i) / tone.rate;
        buffer[c][i] = float(amplitude * std::sin(2 * std::numbers::pi * tone.frequency * t));
      }
    }
    vorbis_analysis_wrote(&e.dsp, n);
    done += n;
    drain(e, out);
  }
  vorbis_analysis_wrote(&e.dsp, 0);
  drain(e, out);
  return out;
}

}  // namespace orv::media::test
