#include "media/sound.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/ogg_writer.h"
#include "support/sound_fake_platform.h"

namespace orv::media {
namespace {

namespace fs = std::filesystem;
using test::SoundFakePlatform;

void write_file(const fs::path& path, const Bytes& data) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(data.data()), std::streamsize(data.size()));
}

class SoundTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::temp_directory_path() / (std::string("orv_sound_") + info->name());
    fs::create_directories(dir_ / "Sfx");
    tone_ = test::write_ogg({.rate = 22050, .seconds = 0.1});
    write_file(dir_ / "Sfx" / "Tone.ogg", tone_);
    write_file(dir_ / "Sfx" / "broken.ogg", Bytes(300, 7));
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string path(const std::string& name) const { return (dir_ / name).string(); }

  fs::path dir_;
  Bytes tone_;
  test::UnusedFiles files_;
};

TEST_F(SoundTest, WithoutADeviceSoundsStillLoadAndStartsAreReported) {
  SoundFakePlatform platform(false);
  Sound sound(platform, files_.files);
  EXPECT_FALSE(sound.init_sound());
  Handle h = sound.load_sound(path("sfx\\tone.ogg"));  // backslashes, other case
  ASSERT_NE(h, 0);
  EXPECT_TRUE(sound.is_sound(h));
  sound.play_sound(h, true);
  sound.play_sound(h, false);
  EXPECT_EQ(platform.starts(), (std::vector<SoundFakePlatform::Start>{{h, true}, {h, false}}));
  EXPECT_EQ(sound.mixer().voice_count(), 1u);
}

TEST_F(SoundTest, TheDeviceHearsWhatPlaysAndSilenceOtherwise) {
  SoundFakePlatform platform(true);
  Sound sound(platform, files_.files);
  ASSERT_TRUE(sound.init_sound());
  ASSERT_TRUE(platform.audio());
  std::vector<std::int16_t> out(2 * 64, 1234);
  platform.audio()(out.data(), 64);
  EXPECT_EQ(out, std::vector<std::int16_t>(2 * 64, 0));

  Handle h = sound.load_sound(path("Sfx/Tone.ogg"));
  sound.play_sound(h, false);
  platform.audio()(out.data(), 64);
  std::optional<SoundData> expected = decode_ogg(tone_);
  ASSERT_TRUE(expected);
  EXPECT_TRUE(std::equal(out.begin(), out.end(), expected->samples.begin()));
}

TEST_F(SoundTest, HandlesFollowTheRules) {
  SoundFakePlatform platform(true);
  Sound sound(platform, files_.files);
  EXPECT_EQ(sound.load_sound(path("Sfx/missing.ogg")), 0);
  EXPECT_EQ(sound.load_sound(path("Sfx/broken.ogg")), 0);
  EXPECT_EQ(sound.load_sound(""), 0);
  Handle a = sound.load_sound(path("Sfx/Tone.ogg"));
  Handle b = sound.load_sound(path("Sfx/Tone.ogg"));
  ASSERT_NE(a, 0);
  EXPECT_NE(a, b);

  for (Handle none : {0, -1, b + 100}) {
    sound.play_sound(none, true);
    sound.stop_sound(none);
    sound.free_sound(none);
    EXPECT_FALSE(sound.is_sound(none));
  }
  EXPECT_TRUE(platform.starts().empty());

  sound.play_sound(a, true);
  sound.play_sound(b, true);
  sound.stop_sound(a);
  EXPECT_FALSE(sound.mixer().playing(a));
  sound.free_sound(b);
  EXPECT_FALSE(sound.is_sound(b));
  EXPECT_FALSE(sound.mixer().playing(b));
  sound.play_sound(b, false);
  EXPECT_EQ(platform.starts().size(), 2u);
  EXPECT_TRUE(sound.is_sound(a));
}

TEST_F(SoundTest, TheAudioCallbackOutlivesSound) {
  SoundFakePlatform platform(true);
  AudioCallback callback;
  {
    Sound sound(platform, files_.files);
    ASSERT_TRUE(sound.init_sound());
    Handle h = sound.load_sound(path("Sfx/Tone.ogg"));
    sound.play_sound(h, true);
    callback = platform.audio();
  }
  std::vector<std::int16_t> out(2 * 32, 99);
  callback(out.data(), 32);
  EXPECT_EQ(out, std::vector<std::int16_t>(2 * 32, 0));
}

}  // namespace
}  // namespace orv::media
