// A media player for tests: it plays nothing, records every call in order and can be told to
// refuse any operation. Portable; used by the catalogue tests and the main
// window's tests alike.
//
// The log holds one entry per call, refused calls included:
//   "close", "URL=<address as UTF-8>", "play", "fullScreen=0|1", "stretchToFit=0|1", "show",
//   "failover=<label>><label> <address>" (one "><label> <address>" per alternative).
// A refused call throws PlayerError after it is logged and leaves the player's state as it was.
#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "player/media_player.h"
#include "ui/utf.h"

namespace telvana::testsupport {

class RecordingPlayer final : public MediaPlayer, private PlayerControls {
 public:
  enum class Op { close, setURL, play, setFullScreen, setStretchToFit, showInPlace, setFailover };

  RecordingPlayer() = default;
  RecordingPlayer(const RecordingPlayer&) = delete;
  RecordingPlayer& operator=(const RecordingPlayer&) = delete;

  // From now on `op` throws PlayerError until succeed(op) or succeedAll().
  void fail(Op op) { failing_.insert(op); }
  void succeed(Op op) { failing_.erase(op); }
  void succeedAll() { failing_.clear(); }

  const std::vector<std::string>& calls() const { return calls_; }
  void clearCalls() { calls_.clear(); }

  // The state the calls that went through have left behind.
  const std::u16string& url() const { return url_; }
  bool fullScreen() const { return full_screen_; }
  bool stretchToFit() const { return stretch_to_fit_; }
  bool shown() const { return shown_; }

  void setURL(std::u16string_view url) override {
    record(Op::setURL, "URL=" + Utf16ToUtf8(url));  // reads naturally in test output
    url_ = url;
    alternatives_.clear();
  }
  void close() override {
    record(Op::close, "close");
    alternatives_.clear();
  }
  void setFailover(std::u16string_view label,
                   std::vector<AlternativeConnection> alternatives) override {
    std::string entry = "failover=" + Utf16ToUtf8(label);
    for (const AlternativeConnection& a : alternatives)
      entry += ">" + Utf16ToUtf8(a.label) + " " + Utf16ToUtf8(a.url);
    record(Op::setFailover, entry);
    alternatives_ = std::move(alternatives);
  }
  void cancelReconnection() override { ++cancelled_reconnections_; }
  int cancelledReconnections() const { return cancelled_reconnections_; }
  // The alternatives last given (a test plays one by calling its `playing`).
  const std::vector<AlternativeConnection>& alternatives() const { return alternatives_; }
  PlayerControls& controls() override { return *this; }
  void setFullScreen(bool on) override {
    record(Op::setFullScreen, on ? "fullScreen=1" : "fullScreen=0");
    full_screen_ = on;
  }
  void setStretchToFit(bool on) override {
    record(Op::setStretchToFit, on ? "stretchToFit=1" : "stretchToFit=0");
    stretch_to_fit_ = on;
  }
  void showInPlace() override {
    record(Op::showInPlace, "show");
    shown_ = true;
  }

 private:
  void play() override { record(Op::play, "play"); }

  void record(Op op, std::string entry) {
    calls_.push_back(entry);
    if (failing_.count(op) != 0) throw PlayerError("refused by test: " + entry);
  }

  std::vector<std::string> calls_;
  int cancelled_reconnections_ = 0;
  std::set<Op> failing_;
  std::vector<AlternativeConnection> alternatives_;
  std::u16string url_;
  bool full_screen_ = false;
  bool stretch_to_fit_ = false;
  bool shown_ = false;
};

}  // namespace telvana::testsupport
