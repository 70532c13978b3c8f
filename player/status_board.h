// What a session tells its control: the status the control reads, and the listener that is
// told when it changed. Any thread may update it; the listener is forgotten when the session
// is closed, so that nothing reaches the control afterwards. Internal to the engine.
#pragma once

#include <mutex>

#include "player/playback_engine.h"

namespace telvana::player {

class StatusBoard {
 public:
  explicit StatusBoard(PlaybackEngine::Listener& listener) : listener_(&listener) {}

  PlaybackStatus Get() const {
    std::lock_guard lock(status_mutex_);
    return status_;
  }
  // Changes the status under its lock, then tells the listener (outside that lock).
  template <class Change>
  void Update(Change&& change) {
    {
      std::lock_guard lock(status_mutex_);
      change(status_);
    }
    NotifyStatus();
  }
  // Changes the status without telling anyone; `change` returns whether to tell.
  template <class Change>
  void UpdateQuietly(Change&& change) {
    bool tell;
    {
      std::lock_guard lock(status_mutex_);
      tell = change(status_);
    }
    if (tell) NotifyStatus();
  }

  void NotifyStatus() {
    std::lock_guard lock(listener_mutex_);
    if (listener_) listener_->StatusChanged();
  }
  void NotifyPicture() {
    std::lock_guard lock(listener_mutex_);
    if (listener_) listener_->PictureReady();
  }
  // After this returns, no listener call is running and none will be made.
  void Forget() {
    std::lock_guard lock(listener_mutex_);
    listener_ = nullptr;
  }

 private:
  mutable std::mutex status_mutex_;
  PlaybackStatus status_;
  // Held while the listener is called (it only posts), so that Forget waits for a call
  // in progress.
  std::mutex listener_mutex_;
  PlaybackEngine::Listener* listener_;
};

}  // namespace telvana::player
