// The few things the game needs from the machine underneath: a window that shows the back
// buffer, a clock, key and joypad states, an audio output, message boxes and the local time.
// Two implementations exist: SDL2 for the real game and a headless twin for tests and tools.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "media/keys.h"
#include "media/types.h"

namespace orv::media {

struct DesktopInfo {
  int width = 0;
  int height = 0;
};

// Key states indexed by the game's key numbers (see keys.h).
using KeyStates = std::array<bool, key::kCount>;

// The game pad that drives the game: the first one connected of those still connected.
struct JoystickState {
  bool connected = false;          // false: no pad, everything else zero
  int axis_x = 0;                  // -1000 .. 1000
  int axis_y = 0;                  // -1000 .. 1000
  std::array<bool, 32> buttons{};  // buttons[0] is button 1
};

// Local calendar time.
struct LocalTime {
  int year = 1970, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

// Called from the audio thread to fill interleaved stereo 16-bit samples at 44100 Hz.
using AudioCallback = std::function<void(std::int16_t* samples, int frames)>;

constexpr int kAudioRate = 44100;
constexpr int kAudioChannels = 2;

// How a picture smaller or larger than the window is scaled into it: filtered (smooth), or
// every window pixel a copy of one picture pixel, by whole multiples when they fit (sharp).
enum class Scaling { kSmooth, kSharp };

// Answers of a message box.
enum class BoxAnswer { kOk, kYes, kNo };
enum class BoxButtons { kOk, kYesNo };

class Platform {
 public:
  virtual ~Platform() = default;

  // Display. The window is borderless and centred on the desktop, or fills the desktop in
  // fullscreen; the back buffer is presented scaled to the largest centred rectangle of its
  // aspect ratio inside the window, with black bars around it.
  virtual DesktopInfo desktop() = 0;
  virtual bool open_window(int width, int height, const std::string& title) = 0;
  virtual bool open_screen(int width, int height) = 0;
  virtual void present(const Pixel* pixels, int width, int height) = 0;
  // Memory of width * height pixels, rows width apart, 0x??RRGGBB, that present() shows
  // without a copy when given it as its pixels (the window's own, where it shows the picture
  // unscaled), or null. Handed-out memory stays valid, and nobody else writes to it, until
  // present() or present_progress() is given other pixels or a window is opened: only then may
  // the platform replace or free it. So a caller asks again before each present and, when the
  // answer has changed, moves its pixels out first. Memory handed out anew holds anything.
  virtual Pixel* window_memory(int /*width*/, int /*height*/) { return nullptr; }
  // A picture of a long operation (a progress bar). It never waits for the display; a platform
  // may leave it out when it showed a picture less than a display frame ago.
  virtual void present_progress(const Pixel* pixels, int width, int height) {
    present(pixels, width, height);
  }
  // Window or fullscreen. Called before open_window, the window opens in that mode; afterwards
  // it switches the open window. The player switches with F11 or Alt+Enter.
  virtual void set_fullscreen(bool /*fullscreen*/) {}
  virtual bool fullscreen() const { return false; }
  virtual void set_scaling(Scaling /*scaling*/) {}
  // True once after the window lost the keyboard focus (to another window); the game may pause.
  virtual bool take_focus_loss() { return false; }

  // Window events. pump handles everything pending; wait_event waits at most timeout_ms
  // (-1 = forever, 0 = not at all) for one event and returns a non-zero number when it got one.
  virtual void pump_events() = 0;
  virtual int wait_event(int timeout_ms) = 0;
  // True once the desktop asked the game to close (window close, Alt+F4, SIGTERM).
  virtual bool close_requested() = 0;

  // Mouse: hide and confine the pointer; move it.
  virtual void capture_mouse() = 0;
  virtual void move_mouse(int x, int y) = 0;

  // Input snapshots.
  virtual bool open_keyboard() = 0;
  virtual void read_keys(KeyStates& keys) = 0;
  // Starts watching for game pads, which may come and go at any time; true when one is
  // connected now.
  virtual bool open_joystick() = 0;
  virtual void read_joystick(JoystickState& state) = 0;
  // Adds game controller mappings from a file (SDL's gamecontrollerdb.txt form), when it exists.
  virtual void add_pad_mappings(const std::string& /*file*/) {}

  // Audio: the callback runs on the platform's audio thread until the platform is destroyed.
  // Returns false when no device could be opened; the game then runs silently.
  virtual bool open_audio(AudioCallback callback) = 0;
  // Notification of every sound start, for tools and tests that want to see them.
  virtual void sound_started(SoundId /*sound*/, bool /*loop*/) {}

  // Modal message box. When none can be shown the safe default is returned.
  virtual BoxAnswer message_box(const std::string& title, const std::string& text,
                                BoxButtons buttons) = 0;

  // Clock: a monotonic time in nanoseconds, and sleeping.
  virtual std::int64_t now_ns() = 0;
  virtual void sleep_ns(std::int64_t ns) = 0;
  // Sleeps until now_ns() reaches the deadline (returns at once when it has passed). Frames
  // are paced by absolute deadlines, so a late wake-up does not shift the frames after it.
  virtual void sleep_until_ns(std::int64_t deadline_ns) { sleep_ns(deadline_ns - now_ns()); }
  virtual LocalTime local_time() = 0;
  // The calendar time in UTC, the same for every player at the same moment. A platform
  // without a clock of its own gives its local time.
  virtual LocalTime utc_time() { return local_time(); }
};

}  // namespace orv::media
