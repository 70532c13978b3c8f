#include "player/windows_media_player.h"

#include "ui/utf.h"

namespace telvana {

using namespace ui;

TWindowsMediaPlayer::TWindowsMediaPlayer(TComponent* owner) : TWinControl(owner) {
  paints_ = true;
  doubleBuffered_ = true;
  color_ = clBlack;
  SetBounds(0, 0, 480, 389);
}

void TWindowsMediaPlayer::setURL(std::u16string_view url) {
  url_ = url;
  state_ = url_.empty() ? State::Closed : State::Ready;
}

void TWindowsMediaPlayer::close() { state_ = State::Closed; }

void TWindowsMediaPlayer::play() {
  // The current media stays ready; nothing is sent anywhere until the engine plays it.
  if (!url_.empty()) state_ = State::Ready;
}

void TWindowsMediaPlayer::setFullScreen(bool on) {
  if (on) throw PlayerError("没有可全屏显示的视频");
}

void TWindowsMediaPlayer::setStretchToFit(bool on) {
  stretchToFit_ = on;
  if (Handle()) ::InvalidateRect(Handle(), nullptr, FALSE);
}

void TWindowsMediaPlayer::showInPlace() {
  // Before its window exists the control shows itself at its bounds once it is created.
  SetVisible(true);
  if (Handle()) {
    ::SetWindowPos(Handle(), nullptr, Left(), Top(), Width(), Height(),
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  }
}

void TWindowsMediaPlayer::Paint(HDC dc, const RECT& area) { ::FillRect(dc, &area, ColorBrush()); }

const ClassInfo& TWindowsMediaPlayer::StaticClass() {
  static const ClassInfo info{
      "TWindowsMediaPlayer", &TWinControl::StaticClass(),
      [](TComponent& owner) -> TComponent* { return TComponent::New<TWindowsMediaPlayer>(owner); },
      {
          TextProp<TWindowsMediaPlayer>("uiMode", [](const TWindowsMediaPlayer& p) { return p.uiMode_; },
                                        [](TWindowsMediaPlayer& p, const std::wstring& v) {
                                          if (v != L"full" && v != L"mini" && v != L"none")
                                            throw PropertyError("unknown user interface mode");
                                          p.uiMode_ = v;
                                        }),
          BoolProp<TWindowsMediaPlayer>("stretchToFit", [](const TWindowsMediaPlayer& p) { return p.stretchToFit_; },
                                        [](TWindowsMediaPlayer& p, bool v) { p.setStretchToFit(v); }),
      }};
  return info;
}

TWebBrowser::TWebBrowser(TComponent* owner) : TWinControl(owner) {
  paints_ = true;
  color_ = clBtnFace;
  SetBounds(0, 0, 300, 23);
}

void TWebBrowser::Paint(HDC dc, const RECT& area) { ::FillRect(dc, &area, ColorBrush()); }

const ClassInfo& TWebBrowser::StaticClass() {
  static const ClassInfo info{
      "TWebBrowser", &TWinControl::StaticClass(),
      [](TComponent& owner) -> TComponent* { return TComponent::New<TWebBrowser>(owner); }, {}};
  return info;
}

void RegisterPlayerClasses() {
  RegisterComponentClass(TWindowsMediaPlayer::StaticClass());
  RegisterComponentClass(TWebBrowser::StaticClass());
}

}  // namespace telvana
