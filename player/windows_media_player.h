// The media player control of the main window. It keeps the current media and answers the
// operations the program performs; connecting, buffering, decoding and drawing belong to
// the playback engine, which this control will host. Until then the video area stays dark
// and a full-screen request is refused, since there is never video to show.
#pragma once

#include <string>

#include "player/media_player.h"
#include "ui/control.h"

namespace telvana {

class TWindowsMediaPlayer : public ui::TWinControl, public MediaPlayer, private PlayerControls {
 public:
  enum class State { Closed, Ready };

  explicit TWindowsMediaPlayer(ui::TComponent* owner);
  static const ui::ClassInfo& StaticClass();
  const ui::ClassInfo& Class() const override { return StaticClass(); }

  // MediaPlayer
  void setURL(std::u16string_view url) override;
  void close() override;
  PlayerControls& controls() override { return *this; }
  void setFullScreen(bool on) override;
  void setStretchToFit(bool on) override;
  void showInPlace() override;

  const std::u16string& URL() const { return url_; }
  State state() const { return state_; }
  bool stretchToFit() const { return stretchToFit_; }
  const std::wstring& uiMode() const { return uiMode_; }

 protected:
  void Paint(HDC dc, const RECT& area) override;

 private:
  void play() override;  // PlayerControls

  std::u16string url_;
  State state_ = State::Closed;
  bool stretchToFit_ = false;
  std::wstring uiMode_ = L"full";
};

// The thin strip at the top of the main window: a plain strip of our own. The program never
// gives it a page.
class TWebBrowser : public ui::TWinControl {
 public:
  explicit TWebBrowser(ui::TComponent* owner);
  static const ui::ClassInfo& StaticClass();
  const ui::ClassInfo& Class() const override { return StaticClass(); }

 protected:
  void Paint(HDC dc, const RECT& area) override;
};

void RegisterPlayerClasses();

}  // namespace telvana
