// Turns decoded audio of any rate and channel layout into interleaved stereo 16-bit samples at
// kAudioRate, block by block, with linear interpolation between source frames.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace orv::media {

class StereoResampler {
 public:
  // Appends to out and refuses to make it longer than max_frames stereo frames.
  StereoResampler(std::vector<std::int16_t>& out, std::size_t max_frames);

  // Begins a stretch of audio at the given rate (> 0), ending the previous one.
  bool start(long rate);
  // Adds frames of planar samples (nominally -1 .. 1), one array per channel.
  // False once the output would pass max_frames.
  bool add(const float* const* channels, int channel_count, int frames);
  // Ends the current stretch: the frames that fall after its last source frame.
  bool finish();

 private:
  struct Frame {
    float left = 0;
    float right = 0;
  };

  bool push(Frame frame);
  bool emit(Frame frame);
  void step();

  std::vector<std::int16_t>& out_;
  std::size_t max_frames_;
  long rate_ = 0;
  std::int64_t source_count_ = 0;  // source frames seen in this stretch
  std::int64_t position_ = 0;      // source frame of the next output frame
  long fraction_ = 0;              // and how far past it, in 1 / kAudioRate
  Frame previous_;
};

// One frame of planar samples folded down (or up) to stereo. Vorbis orders the channels of
// 3 to 8 channel streams as front left, centre, front right, surrounds, rears, then LFE; other
// counts keep their first two channels.
struct StereoWeights {
  float left;
  float right;
};
StereoWeights stereo_weight(int channel_count, int channel);

// Rounds a nominal -1 .. 1 sample to 16 bits, clamping what lies outside; NaN becomes silence.
std::int16_t to_int16(float sample);

}  // namespace orv::media
