// The queue between the reading thread and a decoding thread: items in order, each with the
// media time it starts at, its duration and its size, so that the reader can tell how much
// is buffered and stop reading when enough is. Items carry the seek generation ("serial")
// they belong to; a seek clears the queue and starts a new one. Pops and pushes wait, and
// return early when the queue is aborted or woken. Thread-safe; portable.
#pragma once

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <optional>
#include <utility>

namespace telvana::player {

template <class T>
class MediaQueue {
 public:
  enum class Kind { Data, EndOfStream };
  struct Item {
    Kind kind = Kind::Data;
    T value{};
    double start = 0;     // seconds of media time, or NaN when unknown
    double duration = 0;  // seconds, 0 when unknown
    std::size_t bytes = 0;
    int serial = 0;
  };

  // Appends an item. Never waits: the reader waits with WaitForRoom first.
  void Push(Item item) {
    {
      std::lock_guard lock(mutex_);
      if (aborted_) return;
      bytes_ += item.bytes;
      if (item.kind == Kind::Data && item.start == item.start) {
        last_end_ = items_.empty() ? item.start + item.duration
                                   : std::max(last_end_, item.start + item.duration);
      }
      items_.push_back(std::move(item));
    }
    changed_.notify_all();
  }

  // Waits for the next item. Nothing when aborted, woken, or `timeout` passed.
  std::optional<Item> Pop(std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    const int wakes = wakes_;
    changed_.wait_for(lock, timeout,
                      [&] { return aborted_ || !items_.empty() || wakes_ != wakes; });
    if (aborted_ || items_.empty()) return std::nullopt;
    Item item = std::move(items_.front());
    items_.pop_front();
    bytes_ -= item.bytes;
    lock.unlock();
    changed_.notify_all();
    return item;
  }

  // Waits until the queue holds less than `maxBytes` and less than `maxSeconds`, or it is
  // aborted or woken, or `timeout` passed. True when there is room.
  bool WaitForRoom(std::size_t maxBytes, double maxSeconds, std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    const int wakes = wakes_;
    changed_.wait_for(lock, timeout, [&] {
      return aborted_ || wakes_ != wakes || (bytes_ < maxBytes && BufferedLocked() < maxSeconds);
    });
    return !aborted_ && bytes_ < maxBytes && BufferedLocked() < maxSeconds;
  }

  // Removes every item (a seek), keeping the queue usable.
  void Clear() {
    {
      std::lock_guard lock(mutex_);
      items_.clear();
      bytes_ = 0;
    }
    changed_.notify_all();
  }

  // Ends every wait now and for good; later pushes are dropped.
  void Abort() {
    {
      std::lock_guard lock(mutex_);
      aborted_ = true;
      items_.clear();
      bytes_ = 0;
    }
    changed_.notify_all();
  }

  // Ends the current waits once (the waiters look at what else changed).
  void Wake() {
    {
      std::lock_guard lock(mutex_);
      ++wakes_;
    }
    changed_.notify_all();
  }

  // Seconds of media time between the first item and the end of the last.
  double Buffered() const {
    std::lock_guard lock(mutex_);
    return BufferedLocked();
  }
  std::size_t Bytes() const {
    std::lock_guard lock(mutex_);
    return bytes_;
  }
  std::size_t Size() const {
    std::lock_guard lock(mutex_);
    return items_.size();
  }
  bool Empty() const { return Size() == 0; }
  // True when an end-of-stream item waits in the queue.
  bool EndQueued() const {
    std::lock_guard lock(mutex_);
    return std::any_of(items_.begin(), items_.end(),
                       [](const Item& i) { return i.kind == Kind::EndOfStream; });
  }

 private:
  // The first item with a known time is nearly always the first item; the latest end is
  // kept as items come.
  double BufferedLocked() const {
    for (const Item& item : items_) {
      if (item.kind == Kind::Data && item.start == item.start)
        return std::max(0.0, last_end_ - item.start);
    }
    return 0.0;
  }

  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Item> items_;
  std::size_t bytes_ = 0;
  double last_end_ = 0;
  int wakes_ = 0;
  bool aborted_ = false;
};

}  // namespace telvana::player
