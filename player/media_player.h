// The media player as the rest of the program sees it: the operations the main window,
// the playback start and the menu commands perform, nothing more. The control behind it
// does its connecting, buffering and decoding on its own; every operation is called on
// the user-interface thread and reports a failure by throwing PlayerError.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace telvana {

class PlayerError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;  // message in UTF-8
};

// The controls object of the player: what starts playback of the current media.
class PlayerControls {
 public:
  virtual ~PlayerControls() = default;
  // Starts connecting, buffering and playing the current URL; returns at once.
  virtual void play() = 0;
};

// Another connection of the same channel (another server), tried when the current one
// cannot be played.
struct AlternativeConnection {
  std::u16string label;  // how the control bar names it: "连接2"
  std::u16string url;
  // Called on the user-interface thread once it plays.
  std::function<void()> playing;
};

class MediaPlayer {
 public:
  virtual ~MediaPlayer() = default;

  // Makes the address the current media; an empty address means no media.
  virtual void setURL(std::u16string_view url) = 0;
  // Stops playback and releases the current media; returns promptly in every state.
  virtual void close() = 0;
  // The connections to go on to, in order, when the current URL cannot be played
  // (unreachable, refused, not found, no answer, nothing playable); `label` names the
  // current one ("连接1"). Set after the URL; setURL and close forget them.
  virtual void setFailover(std::u16string_view label,
                           std::vector<AlternativeConnection> alternatives) = 0;
  // Ends a wait to reopen a broken stream at once (a skin switch ends it, for one); nothing
  // when no wait is running.
  virtual void cancelReconnection() = 0;
  // The controls object; `controls().play()` starts playback.
  virtual PlayerControls& controls() = 0;
  // True shows the video over the whole monitor, false returns it to the window.
  // Refused with PlayerError when there is no video to show.
  virtual void setFullScreen(bool on) = 0;
  // True scales the video to the control's area, keeping its aspect ratio.
  virtual void setStretchToFit(bool on) = 0;
  // The show verb, carried out in place: the control becomes visible and active at its
  // current bounds.
  virtual void showInPlace() = 0;
};

}  // namespace telvana
