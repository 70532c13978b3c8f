// The playback clock: media time that runs with the wall clock while playing and stands
// while buffering or paused. The video is timed by it; when a sound device plays, the
// sound output keeps it in step with what is heard. Thread-safe; portable.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace telvana::player {

class MediaClock {
 public:
  using Clock = std::chrono::steady_clock;

  // Media time now, in seconds.
  double Now() const {
    std::lock_guard lock(mutex_);
    return NowLocked(Clock::now());
  }
  bool Running() const {
    std::lock_guard lock(mutex_);
    return running_;
  }

  // Sets the media time; keeps running or standing as it was.
  void Set(double seconds) {
    {
      std::lock_guard lock(mutex_);
      base_ = seconds;
      since_ = Clock::now();
    }
    changed_.notify_all();
  }
  void Start() {
    {
      std::lock_guard lock(mutex_);
      if (running_) return;
      since_ = Clock::now();
      running_ = true;
    }
    changed_.notify_all();
  }
  void Stop() {
    {
      std::lock_guard lock(mutex_);
      if (!running_) return;
      base_ = NowLocked(Clock::now());
      running_ = false;
    }
    changed_.notify_all();
  }
  // Wakes every waiter, so that it can look at what else changed (a seek, an abort).
  void Wake() {
    { std::lock_guard lock(mutex_); }
    changed_.notify_all();
  }

  // Waits until the clock runs and has reached `seconds`, or `cancelled()` is true (checked
  // under the clock's lock after every change and every `poll`). True when the time came.
  template <class Cancelled>
  bool WaitUntil(double seconds, Cancelled&& cancelled,
                 std::chrono::milliseconds poll = std::chrono::milliseconds(50)) {
    std::unique_lock lock(mutex_);
    while (true) {
      if (cancelled()) return false;
      const auto now = Clock::now();
      if (running_) {
        const double ahead = seconds - NowLocked(now);
        if (ahead <= 0) return true;
        const auto wait = std::min<Clock::duration>(
            std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(ahead)),
            poll);
        changed_.wait_for(lock, wait);
      } else {
        changed_.wait_for(lock, poll);
      }
    }
  }

 private:
  double NowLocked(Clock::time_point now) const {
    if (!running_) return base_;
    return base_ + std::chrono::duration<double>(now - since_).count();
  }

  mutable std::mutex mutex_;
  std::condition_variable changed_;
  double base_ = 0;
  Clock::time_point since_ = Clock::now();
  bool running_ = false;
};

}  // namespace telvana::player
