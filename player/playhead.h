// The playhead of a session: the media clock, and what holds it standing — buffering (the
// reader's business) and pause (the user's). The clock runs only when neither holds it. The
// reader, the sinks and the control's calls all come here; one lock keeps buffering, pause
// and the clock's running in agreement. Internal to the engine.
#pragma once

#include <mutex>

#include "player/media_clock.h"

namespace telvana::player {

class Playhead {
 public:
  // The clock itself may be read and waited on by anyone without this lock.
  MediaClock& Clock() { return clock_; }
  const MediaClock& Clock() const { return clock_; }

  bool Buffering() const {
    std::lock_guard lock(mutex_);
    return buffering_;
  }
  bool Paused() const {
    std::lock_guard lock(mutex_);
    return paused_;
  }

  // Buffering starts at the opening: the clock has not run yet.
  void StartBuffering() {
    std::lock_guard lock(mutex_);
    buffering_ = true;
    last_percent_ = -1;
  }
  // The network fell behind: the clock stands while the queues fill again, unless the user
  // paused (then nothing changes). False when it did not start.
  bool Rebuffer() {
    std::lock_guard lock(mutex_);
    if (paused_ || buffering_) return false;
    buffering_ = true;
    last_percent_ = 0;
    clock_.Stop();
    return true;
  }
  // A seek: the clock stands at `seconds` and buffering starts again.
  void SeekTo(double seconds) {
    std::lock_guard lock(mutex_);
    clock_.Stop();
    clock_.Set(seconds);
    buffering_ = true;
    last_percent_ = 0;
  }
  // Enough is buffered: the clock runs unless paused. Returns whether it runs.
  bool EndBuffering() {
    std::lock_guard lock(mutex_);
    buffering_ = false;
    if (!paused_) clock_.Start();
    return !paused_;
  }
  // The percent to show while buffering, or -1 when it has not changed.
  int NewPercent(int percent) {
    std::lock_guard lock(mutex_);
    if (percent == last_percent_) return -1;
    last_percent_ = percent;
    return percent;
  }
  // The media came to its end: the clock stands.
  void StopAtEnd() {
    std::lock_guard lock(mutex_);
    clock_.Stop();
  }
  // False when it was paused (or not) already.
  bool SetPaused(bool on) {
    std::lock_guard lock(mutex_);
    if (paused_ == on) return false;
    paused_ = on;
    if (!buffering_) {
      if (on) {
        clock_.Stop();
      } else {
        clock_.Start();
      }
    }
    return true;
  }

 private:
  mutable std::mutex mutex_;
  bool buffering_ = false;
  bool paused_ = false;
  int last_percent_ = -1;
  MediaClock clock_;
};

}  // namespace telvana::player
