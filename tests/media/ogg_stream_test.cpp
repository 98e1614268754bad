// Music decoded while it plays: the same samples as the whole decode, seamless loops, a long
// track that starts with little memory, and stopping or freeing in the middle.
#include "media/sound/ogg_stream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <future>
#include <thread>

#include <sys/stat.h>

#include "media/files/paths.h"
#include "media/platform_headless/headless_platform.h"
#include "media/sound.h"
#include "media/sound/mixer.h"
#include "media/sound/ogg_decode.h"
#include "support/files_temp_folder.h"
#include "support/ogg_writer.h"

// The bytes in use on the heap; under the sanitizer from its allocator interface, whose header
// not every compiler ships.
#if defined(__SANITIZE_ADDRESS__)
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
static std::size_t heap_bytes() {
  return __sanitizer_get_current_allocated_bytes();
}
#else
#include <malloc.h>
static std::size_t heap_bytes() {
  return mallinfo2().uordblks;
}
#endif

namespace orv::media {
namespace {

class OggStreamTest : public ::testing::Test {
 protected:
  std::string track(const std::string& name, const test::Tone& tone) {
    const Bytes bytes = test::write_ogg(tone);
    dir_.write(name, std::string(bytes.begin(), bytes.end()));
    return dir_ / name;
  }
  static std::vector<std::int16_t> whole(const std::string& file) {
    const std::optional<Bytes> bytes = read_whole_file(file, 1 << 24);
    std::optional<SoundData> sound = bytes ? decode_ogg(*bytes) : std::nullopt;
    return sound ? sound->samples : std::vector<std::int16_t>{};
  }
  std::vector<std::int16_t> render(Mixer& mixer, std::size_t frames) {
    std::vector<std::int16_t> out(frames * kAudioChannels, 0);
    mixer.render(out.data(), int(frames));
    return out;
  }

  testing::FilesTempFolder dir_;
  HeadlessPlatform platform_;
  Sound sound_{platform_};
};

// Read in odd pieces, a stream gives exactly the whole decode's samples, resampled or not.
TEST_F(OggStreamTest, GivesTheSamplesOfTheWholeDecode) {
  for (const test::Tone& tone : {test::Tone{.rate = 44100, .channels = 2, .seconds = 0.7},
                                 test::Tone{.rate = 11025, .channels = 1, .seconds = 0.5},
                                 test::Tone{.rate = 48000, .channels = 2, .seconds = 0.3}}) {
    const std::string file = track("t.ogg", tone);
    const std::vector<std::int16_t> expected = whole(file);
    ASSERT_FALSE(expected.empty());
    std::unique_ptr<OggStream> stream = OggStream::open(file);
    ASSERT_NE(stream, nullptr);
    std::vector<std::int16_t> got;
    std::vector<std::int16_t> piece(1000 * kAudioChannels);
    for (std::size_t n = 1, read = 1; read > 0; n = n * 7 % 997 + 1) {
      read = stream->read(piece.data(), n);
      got.insert(got.end(), piece.begin(), piece.begin() + std::ptrdiff_t(read * kAudioChannels));
    }
    EXPECT_EQ(got, expected) << tone.rate;
  }
}

// A looping stream sounds like the whole decode looping, across the seam, twice over.
TEST_F(OggStreamTest, LoopsWithoutASeam) {
  const std::string file = track("loop.ogg", {.rate = 22050, .channels = 2, .seconds = 0.25});
  const auto decoded = std::make_shared<SoundData>(SoundData{whole(file)});
  ASSERT_GT(decoded->frames(), 0u);
  Mixer streamed, reference;
  streamed.play_stream(SoundId(1), OggStream::open(file), true);
  reference.play(SoundId(1), decoded, true);
  const std::size_t frames = decoded->frames() * 5 / 2;
  EXPECT_EQ(render(streamed, frames), render(reference, frames));
  EXPECT_TRUE(streamed.playing(SoundId(1)));
}

// Eleven minutes, longer than any sound decoded whole may be: the music starts with the
// decoder's memory only, where the whole decode would take over a hundred megabytes.
TEST_F(OggStreamTest, ALongTrackStartsWithLittleMemory) {
  const std::string file = track("long.ogg", {.rate = 8000, .seconds = 660, .quality = -0.1f});
  ASSERT_TRUE(sound_.init_sound());
  const std::size_t before = heap_bytes();
  const auto music = sound_.load_music(file);
  ASSERT_TRUE(music);
  sound_.play_sound(music, true);
  std::vector<std::int16_t> out(4096 * kAudioChannels, 0);
  platform_.render_audio(out.data(), 4096);
  EXPECT_TRUE(std::any_of(out.begin(), out.end(), [](std::int16_t s) { return s != 0; }));
  EXPECT_LT(heap_bytes() - before, std::size_t(4) << 20);
  EXPECT_FALSE(sound_.load_sound(file));  // too long to decode whole
}

// Stopping or freeing in the middle silences the track; playing again starts it afresh.
TEST_F(OggStreamTest, StoppingOrFreeingMidStreamIsSafe) {
  const std::string file = track("mid.ogg", {.rate = 44100, .seconds = 0.5});
  const auto music = sound_.load_music(file);
  ASSERT_TRUE(music);
  EXPECT_FALSE(sound_.load_music(dir_ / "missing.ogg"));
  dir_.write("junk.ogg", std::string(5000, 'x'));
  EXPECT_FALSE(sound_.load_music(dir_ / "junk.ogg"));
  sound_.play_sound(music, false);
  const std::vector<std::int16_t> start = render(sound_.mixer(), 3000);
  render(sound_.mixer(), 3000);
  sound_.stop_sound(music);
  EXPECT_EQ(sound_.mixer().voice_count(), 0u);
  sound_.play_sound(music, false);
  EXPECT_EQ(render(sound_.mixer(), 3000), start);
  sound_.free_sound(music);
  EXPECT_FALSE(sound_.is_sound(music));
  EXPECT_EQ(render(sound_.mixer(), 100), std::vector<std::int16_t>(100 * kAudioChannels, 0));
  // A one-shot stream ends and leaves the mixer.
  const auto again = sound_.load_music(file);
  sound_.play_sound(again, false);
  render(sound_.mixer(), 44100);
  EXPECT_EQ(sound_.mixer().voice_count(), 0u);
}

// Starting a sound never waits for a stream's decode: with the track read through a pipe that
// has run dry, the rendering thread sits in the decoder, and a sound still starts at once.
TEST_F(OggStreamTest, ASoundStartsWhileAStreamWaitsForItsData) {
  const Bytes bytes = test::write_ogg({.seconds = 20, .quality = 0.5f});
  ASSERT_GT(bytes.size(), 40000u);
  const std::string pipe = dir_ / "pipe.ogg";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  std::promise<void> rest_wanted;
  std::thread writer([&] {
    std::FILE* out = std::fopen(pipe.c_str(), "wb");
    if (out == nullptr) return;
    std::fwrite(bytes.data(), 1, bytes.size() / 4, out);
    std::fflush(out);
    rest_wanted.get_future().wait();
    std::fwrite(bytes.data() + bytes.size() / 4, 1, bytes.size() - bytes.size() / 4, out);
    std::fclose(out);
  });
  Mixer mixer;
  // The game opens only regular files; the pipe is opened here and handed over.
  mixer.play_stream(SoundId(1), OggStream::open_file(std::fopen(pipe.c_str(), "rb")), false);
  std::atomic<bool> rendering{true};
  std::atomic<int> passes{0};
  std::thread audio([&] {
    std::vector<std::int16_t> out(1024 * kAudioChannels);
    while (rendering.load()) {
      mixer.render(out.data(), 1024);
      ++passes;
    }
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(300));  // the pipe runs dry
  const int before = passes.load();
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  const bool waiting = passes.load() == before && before > 0;
  auto sound = std::make_shared<SoundData>();
  sound->samples.assign(100 * kAudioChannels, 7);
  auto start = std::async(std::launch::async, [&] { mixer.play(SoundId(2), sound, false); });
  const bool started = start.wait_for(std::chrono::seconds(2)) == std::future_status::ready;
  rendering.store(false);
  rest_wanted.set_value();
  start.wait();
  audio.join();
  writer.join();
  EXPECT_TRUE(waiting) << "the rendering thread should wait in the decoder";
  EXPECT_TRUE(started) << "the start waited for the decode";
}

}  // namespace
}  // namespace orv::media
