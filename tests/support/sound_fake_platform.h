// A platform for sound tests: an audio device that can be present or missing, whose callback the
// test drives by hand, and a record of every sound start.
#pragma once

#include <utility>
#include <vector>

#include "media/files.h"
#include "media/platform.h"

namespace orv::media::test {

class SoundFakePlatform : public Platform {
 public:
  struct Start {
    Handle sound;
    bool loop;
    bool operator==(const Start&) const = default;
  };

  explicit SoundFakePlatform(bool has_audio) : has_audio_(has_audio) {}

  const std::vector<Start>& starts() const { return starts_; }
  // The callback handed to open_audio; empty when none was (or could be) opened.
  const AudioCallback& audio() const { return audio_; }
  int audio_opens() const { return audio_opens_; }

  bool open_audio(AudioCallback callback) override {
    ++audio_opens_;
    if (!has_audio_) return false;
    audio_ = std::move(callback);
    return true;
  }
  void sound_started(Handle sound, bool loop) override { starts_.push_back({sound, loop}); }

  DesktopInfo desktop() override { return {}; }
  bool open_window(int, int, const std::string&) override { return false; }
  bool open_screen(int, int) override { return false; }
  void present(const Pixel*, int, int) override {}
  void pump_events() override {}
  int wait_event(int) override { return 0; }
  bool close_requested() override { return false; }
  void capture_mouse() override {}
  void move_mouse(int, int) override {}
  bool open_keyboard() override { return false; }
  void read_keys(KeyStates&) override {}
  bool open_joystick() override { return false; }
  void read_joystick(JoystickState&) override {}
  BoxAnswer message_box(const std::string&, const std::string&, BoxButtons) override {
    return BoxAnswer::kOk;
  }
  std::int64_t now_ns() override { return 0; }
  void sleep_ns(std::int64_t) override {}
  LocalTime local_time() override { return {}; }

 private:
  bool has_audio_;
  AudioCallback audio_;
  int audio_opens_ = 0;
  std::vector<Start> starts_;
};

// Sound reads its files with read_whole_file and never calls into the Files it is given, so its
// tests hand it one that is never constructed.
union UnusedFiles {
  UnusedFiles() {}
  ~UnusedFiles() {}
  Files files;
};

}  // namespace orv::media::test
