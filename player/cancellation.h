// When a session's network calls give up: at once when the session is halted, or when the
// time allowed for the current call has run out. FFmpeg polls this through its interrupt
// callback while it waits on a socket. Internal to the engine.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>

extern "C" {
#include <libavformat/avio.h>
}

namespace telvana::player {

class Cancellation {
 public:
  void Halt() { halted_ = true; }
  bool Halted() const { return halted_.load(); }

  // Gives the next network call `timeout` from now.
  void Arm(std::chrono::milliseconds timeout) {
    timed_out_ = false;
    deadline_ = (Clock::now() + timeout).time_since_epoch().count();
  }
  // True when the last call gave up because its time ran out (not because of a halt).
  bool TimedOut() const { return timed_out_.load(); }

  AVIOInterruptCB Callback() { return AVIOInterruptCB{&Cancellation::Interrupted, this}; }

 private:
  using Clock = std::chrono::steady_clock;

  static int Interrupted(void* opaque) {
    auto* self = static_cast<Cancellation*>(opaque);
    if (self->halted_) return 1;
    const std::int64_t deadline = self->deadline_.load();
    if (deadline != 0 && Clock::now().time_since_epoch().count() > deadline) {
      self->timed_out_ = true;
      return 1;
    }
    return 0;
  }

  std::atomic<bool> halted_{false};
  std::atomic<std::int64_t> deadline_{0};
  std::atomic<bool> timed_out_{false};
};

}  // namespace telvana::player
