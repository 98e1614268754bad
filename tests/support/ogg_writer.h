// OGG Vorbis files made on the fly for tests: sine tones of any rate, length and channel count.
#pragma once

#include "media/types.h"

namespace orv::media::test {

struct Tone {
  int rate = 44100;
  int channels = 1;
  double seconds = 1.0;
  double frequency = 440.0;
  // Channel c is played at amplitude / (c + 1), so the channels can be told apart.
  double amplitude = 0.5;
  float quality = 0.1f;  // -0.1 (smallest) .. 1
  int serial = 1;        // stream serial number; links of a chained file need distinct ones
};

// The encoded file; empty when libvorbisenc refuses the settings.
Bytes write_ogg(const Tone& tone);

}  // namespace orv::media::test
