#include "player/windows_media_player.h"

#include "player/connection_details.h"

#include <windowsx.h>

#include <algorithm>

#include "player/player_painting.h"
#include "ui/forms.h"
#include "ui/utf.h"

namespace telvana {

using namespace ui;
using player::BarPart;
using player::Box;
using player::PlaybackState;

namespace {
// The bar's time and slider follow the clock this often while something plays.
constexpr UINT_PTR kPositionTimer = 1;
constexpr UINT kPositionInterval = 250;
// In full screen the bar shows while the mouse moves, and hides when it rests this long.
constexpr UINT_PTR kHideBarTimer = 2;
constexpr UINT_PTR kReconnectTimer = 3;
constexpr UINT kHideBarDelay = 2500;

// The parts of the bar that are painted differently under the mouse (PaintButton, the sliders).
bool DrawnHot(BarPart part) {
  return part == BarPart::PlayPause || part == BarPart::Stop || part == BarPart::Mute ||
         part == BarPart::Seek || part == BarPart::Volume;
}

bool ShowsPicture(PlaybackState s) {
  return s == PlaybackState::Buffering || s == PlaybackState::Playing || s == PlaybackState::Paused;
}
bool Running(PlaybackState s) {
  return s == PlaybackState::Connecting || s == PlaybackState::Buffering ||
         s == PlaybackState::Playing;
}
}  // namespace

TWindowsMediaPlayer::TWindowsMediaPlayer(TComponent* owner) : TWinControl(owner) {
  paints_ = true;
  double_buffered_ = true;
  color_ = clBlack;
  SetBounds(0, 0, 480, 389);
  engine_.SetVolume(volume_, muted_);
}

TWindowsMediaPlayer::~TWindowsMediaPlayer() {
  details_.reset();
  // No engine thread may post to the window once it is gone.
  engine_.Close();
  if (host_) LeaveFullScreen();
}

// ---------------------------------------------------------------------------------------
// The operations of the program

void TWindowsMediaPlayer::setURL(std::u16string_view url) {
  if (engine_.IsOpen()) engine_.Close();
  url_ = url;
  stopped_by_user_ = false;
  EndReconnecting();
  setFailover({}, {});
  OnStatus();
}

void TWindowsMediaPlayer::close() {
  LeaveFullScreen();
  engine_.Close();
  url_.clear();
  stopped_by_user_ = false;
  EndReconnecting();
  setFailover({}, {});
  OnStatus();
}

void TWindowsMediaPlayer::setFailover(std::u16string_view label,
                                      std::vector<AlternativeConnection> alternatives) {
  failover_label_ = label;
  alternatives_ = std::move(alternatives);
  next_alternative_ = alternatives_.size();  // none until play
  alternative_playing_ = nullptr;
  failover_text_.clear();
}

void TWindowsMediaPlayer::FailOver() {
  const AlternativeConnection& next = alternatives_[next_alternative_++];
  failover_text_ = trying_label_ + u"无法连接，正在尝试" + next.label + u"…";
  trying_label_ = next.label;
  alternative_playing_ = next.playing;
  opened_url_ = next.url;
  engine_.Open(next.url, settings_);
}

// A stream that played and then stopped or failed without the user stopping it broke,
// unless it is a clip that came to its end.
void TWindowsMediaPlayer::NoteReconnection() {
  const PlaybackState s = status_.state;
  if (s == PlaybackState::Playing) {
    played_ = true;
    reconnect_attempt_ = 0;                    // back: the next break starts over
    next_alternative_ = alternatives_.size();  // the other connections were for the start
    return;
  }
  if (reconnect_waiting_ || stopped_by_user_ || !engine_.IsOpen()) return;
  if (s != PlaybackState::Stopped && s != PlaybackState::Failed) return;
  if (played_) {
    played_ = false;
    const bool came_to_its_end = status_.duration > 0 && status_.position >= status_.duration - 1;
    if (came_to_its_end) return;
    broke_at_ = std::chrono::steady_clock::now();
    reconnect_attempt_ = 0;
    ScheduleReconnect();
  } else if (reconnect_attempt_ > 0) {
    ScheduleReconnect();  // an attempt that did not play
  }
}

void TWindowsMediaPlayer::ScheduleReconnect() {
  const auto now = std::chrono::steady_clock::now();
  const auto delay = player::ReconnectDelay(
      reconnect_policy_, reconnect_attempt_ + 1,
      std::chrono::duration_cast<std::chrono::milliseconds>(now - broke_at_));
  if (!delay || !Handle()) {
    reconnect_attempt_ = 0;  // given up: the bar shows the last failure
    return;
  }
  ++reconnect_attempt_;
  reconnect_waiting_ = true;
  reconnect_due_ = now + *delay;
  ::SetTimer(Handle(), kReconnectTimer,
             static_cast<UINT>(std::max<long long>(1, reconnect_policy_.tick.count())), nullptr);
  InvalidateBar();
}

void TWindowsMediaPlayer::Reconnect() {
  if (std::chrono::steady_clock::now() < reconnect_due_) {
    InvalidateBar();  // the countdown
    return;
  }
  ::KillTimer(Handle(), kReconnectTimer);
  reconnect_waiting_ = false;
  engine_.Open(opened_url_, settings_);
  OnStatus();
}

void TWindowsMediaPlayer::showConnectionDetails() {
  if (!details_) {
    details_ = std::make_unique<TConnectionDetails>();
    PlaceConnectionDetails();
  }
  status_ = engine_.Status();
  details_->SetLines(player::ConnectionDetailsLines(status_));
  details_->Show();
}

// Under the control, or over it when there is no room below, so that the window hides
// neither the picture nor the bar whose text keeps telling what happens; centred on the
// screen when neither fits (as in full screen).
void TWindowsMediaPlayer::PlaceConnectionDetails() {
  RECT control;
  if (!Handle() || !::GetWindowRect(Handle(), &control)) return;
  MONITORINFO monitor{sizeof monitor};
  if (!::GetMonitorInfoW(::MonitorFromWindow(Handle(), MONITOR_DEFAULTTONEAREST), &monitor)) return;
  const RECT& work = monitor.rcWork;
  const int width = details_->Width(), height = details_->Height();
  int top;
  if (control.bottom + height <= work.bottom) {
    top = control.bottom;
  } else if (control.top - height >= work.top) {
    top = control.top - height;
  } else {
    return;
  }
  const int left = std::max<int>(work.left, std::min<int>(control.left, work.right - width));
  details_->SetPosition(ui::TPosition::poDesigned);  // its first showing would centre it
  details_->SetBounds(left, top, width, height);
}

void TWindowsMediaPlayer::cancelReconnection() {
  if (!reconnect_waiting_) return;
  EndReconnecting();
  OnStatus();
}

void TWindowsMediaPlayer::EndReconnecting() {
  if (reconnect_waiting_ && Handle()) ::KillTimer(Handle(), kReconnectTimer);
  reconnect_waiting_ = false;
  reconnect_attempt_ = 0;
  played_ = false;
}

void TWindowsMediaPlayer::play() {
  if (url_.empty()) return;
  if (engine_.IsOpen()) {
    const PlaybackState s = engine_.Status().state;
    if (s == PlaybackState::Paused) {
      engine_.SetPaused(false);
      OnStatus();
      return;
    }
    if (s != PlaybackState::Stopped && s != PlaybackState::Failed) return;  // already on its way
  }
  stopped_by_user_ = false;
  next_alternative_ = 0;
  trying_label_ = failover_label_;
  alternative_playing_ = nullptr;
  failover_text_.clear();
  EndReconnecting();
  opened_url_ = url_;
  engine_.Open(url_, settings_);
  OnStatus();
}

void TWindowsMediaPlayer::pause() {
  const PlaybackState s = state();
  if (s == PlaybackState::Playing || s == PlaybackState::Buffering) {
    engine_.SetPaused(true);
    OnStatus();
  }
}

void TWindowsMediaPlayer::stop() {
  if (!engine_.IsOpen()) return;
  LeaveFullScreen();
  engine_.Close();
  stopped_by_user_ = true;
  EndReconnecting();
  next_alternative_ = alternatives_.size();
  alternative_playing_ = nullptr;
  failover_text_.clear();
  OnStatus();
}

void TWindowsMediaPlayer::setFullScreen(bool on) {
  if (!on) {
    LeaveFullScreen();
    return;
  }
  if (!HasVideoToShow()) throw PlayerError("没有可以全屏显示的视频");
  if (!host_) EnterFullScreen();
}

void TWindowsMediaPlayer::setStretchToFit(bool on) {
  stretch_to_fit_ = on;
  UpdatePictureSize();
  InvalidateVideo();
}

void TWindowsMediaPlayer::showInPlace() {
  // Before its window exists the control shows itself at its bounds once it is created.
  SetVisible(true);
  if (Handle() && !host_) {
    ::SetWindowPos(Handle(), nullptr, Left(), Top(), Width(), Height(),
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  }
}

void TWindowsMediaPlayer::setMuted(bool muted) {
  muted_ = muted;
  engine_.SetVolume(volume_, muted_);
  InvalidateBar();
}

void TWindowsMediaPlayer::setVolume(double volume) {
  volume_ = std::clamp(volume, 0.0, 1.0);
  if (volume_ > 0) muted_ = false;
  engine_.SetVolume(volume_, muted_);
  InvalidateBar();
}

// ---------------------------------------------------------------------------------------
// What it shows

PlaybackState TWindowsMediaPlayer::state() const {
  if (engine_.IsOpen()) return status_.state;
  return stopped_by_user_ ? PlaybackState::Stopped : PlaybackState::Closed;
}

std::u16string TWindowsMediaPlayer::statusText() const {
  if (reconnect_waiting_) {
    return player::ReconnectText(std::chrono::duration_cast<std::chrono::milliseconds>(
                                     reconnect_due_ - std::chrono::steady_clock::now()),
                                 reconnect_attempt_);
  }
  const PlaybackState s = state();
  if (!failover_text_.empty() && (s == PlaybackState::Connecting || s == PlaybackState::Buffering))
    return failover_text_;
  return player::StatusText(state(), status_.bufferingPercent, status_.failure);
}

player::UiMode TWindowsMediaPlayer::Mode() const {
  if (host_ && !full_screen_bar_) return player::UiMode::None;
  if (ui_mode_ == L"none") return player::UiMode::None;
  if (ui_mode_ == L"mini") return player::UiMode::Mini;
  return player::UiMode::Full;
}

player::ControlLayout TWindowsMediaPlayer::layout() const {
  RECT client{0, 0, Width(), Height()};
  if (Handle()) ::GetClientRect(Handle(), &client);
  return player::LayoutControl(client.right, client.bottom, Mode());
}

Box TWindowsMediaPlayer::pictureBox() const {
  return player::FitPicture(status_.videoWidth, status_.videoHeight, status_.sampleAspect,
                            layout().video, stretch_to_fit_);
}

bool TWindowsMediaPlayer::HasVideoToShow() const {
  return engine_.IsOpen() && status_.hasVideo && ShowsPicture(status_.state);
}

BarPart TWindowsMediaPlayer::PartAt(int x, int y) const {
  const player::BarView view = View();
  return player::HitTest(layout(), x, y, view.seekable, player::ShowsTime(view));
}

player::BarView TWindowsMediaPlayer::View() const {
  player::BarView v;
  const PlaybackState s = state();
  v.playing = Running(s);
  v.canStop = engine_.IsOpen();
  v.muted = muted_;
  v.volume = volume_;
  v.seekable = engine_.IsOpen() && status_.seekable && s != PlaybackState::Failed;
  v.duration = status_.duration;
  v.position = drag_fraction_ >= 0 ? drag_fraction_ * status_.duration : status_.position;
  v.live = engine_.IsOpen() && ShowsPicture(s) && status_.duration <= 0;
  v.status = statusText();
  v.hot = hot_;
  v.pressed = pressed_;
  return v;
}

void TWindowsMediaPlayer::Paint(HDC dc, const RECT&) {
  const player::ControlLayout l = layout();
  const PlaybackState s = state();
  if (status_.hasVideo && ShowsPicture(s)) {
    const Box box = pictureBox();
    player::PaintAround(dc, l.video, box);
    bool drawn = false;
    engine_.WithPicture([&](const player::Picture& picture) {
      player::PaintPicture(dc, box, picture);
      drawn = true;
    });
    if (!drawn) player::PaintAround(dc, l.video, Box{});
  } else if (status_.hasAudio && ShowsPicture(s)) {
    player::PaintSoundPicture(dc, l.video, FontHandle());
  } else {
    player::PaintAround(dc, l.video, Box{});
  }
  player::PaintControlBar(dc, l, View(), FontHandle());
}

void TWindowsMediaPlayer::DrawPicture(HDC dc) {
  if (!status_.hasVideo || !ShowsPicture(state())) return;
  const Box box = pictureBox();
  engine_.WithPicture([&](const player::Picture& picture) {
    player::PaintPicture(dc, box, picture);
    if (picture.number != picture_number_) {
      picture_number_ = picture.number;
      ++pictures_shown_;
    }
  });
}

void TWindowsMediaPlayer::InvalidateBar() {
  if (!Handle()) return;
  const RECT r = player::ToRect(layout().bar);
  ::InvalidateRect(Handle(), &r, FALSE);
}

void TWindowsMediaPlayer::InvalidateVideo() {
  if (Handle()) ::InvalidateRect(Handle(), nullptr, FALSE);
}

void TWindowsMediaPlayer::UpdatePictureSize() {
  const Box box = pictureBox();
  if (status_.hasVideo) {
    engine_.SetPictureSize(box.Width(), box.Height());
  } else {
    engine_.SetPictureSize(0, 0);
  }
}

// ---------------------------------------------------------------------------------------
// News from the engine

void TWindowsMediaPlayer::StatusChanged() {
  HWND window = window_;
  if (window && !status_posted_.exchange(true) && !::PostMessageW(window, WM_PLAYERSTATUS, 0, 0))
    status_posted_ = false;
}

void TWindowsMediaPlayer::PictureReady() {
  HWND window = window_;
  if (window && !picture_posted_.exchange(true) &&
      !::PostMessageW(window, WM_PLAYERPICTURE, 0, 0)) {
    picture_posted_ = false;
  }
}

void TWindowsMediaPlayer::OnStatus() {
  status_posted_ = false;
  const player::PlaybackStatus old = status_;
  status_ = engine_.Status();
  if (status_.state == PlaybackState::Failed && next_alternative_ < alternatives_.size()) {
    FailOver();
    status_ = engine_.Status();
  } else if (status_.state == PlaybackState::Playing || status_.state == PlaybackState::Failed) {
    failover_text_.clear();
    if (status_.state == PlaybackState::Playing && alternative_playing_) {
      const std::function<void()> playing = std::move(alternative_playing_);
      alternative_playing_ = nullptr;
      playing();
    }
  }
  NoteReconnection();
  if (details_ && details_->Visible()) details_->SetLines(player::ConnectionDetailsLines(status_));
  if (old.videoWidth != status_.videoWidth || old.videoHeight != status_.videoHeight ||
      old.sampleAspect != status_.sampleAspect || old.hasVideo != status_.hasVideo) {
    UpdatePictureSize();
  }
  if (old.state != status_.state || old.hasVideo != status_.hasVideo ||
      old.hasAudio != status_.hasAudio || !engine_.IsOpen()) {
    InvalidateVideo();
  } else {
    InvalidateBar();
  }
  if (host_ && !HasVideoToShow()) LeaveFullScreen();
  UpdateTimer();
}

void TWindowsMediaPlayer::OnPicture() {
  picture_posted_ = false;
  if (!Handle()) return;
  win::WindowDc dc(Handle());
  DrawPicture(dc.get());
}

void TWindowsMediaPlayer::UpdateTimer() {
  if (!Handle()) return;
  const bool wanted = engine_.IsOpen() && Running(status_.state);
  if (wanted && !timer_running_) {
    ::SetTimer(Handle(), kPositionTimer, kPositionInterval, nullptr);
  } else if (!wanted && timer_running_) {
    ::KillTimer(Handle(), kPositionTimer);
  }
  timer_running_ = wanted;
}

// ---------------------------------------------------------------------------------------
// The mouse and the keyboard

void TWindowsMediaPlayer::TogglePlay() {
  switch (state()) {
    case PlaybackState::Playing:
    case PlaybackState::Buffering:
      pause();
      break;
    case PlaybackState::Connecting:
      break;
    default:
      play();
      break;
  }
}

void TWindowsMediaPlayer::DragTo(int x) {
  const player::ControlLayout l = layout();
  if (pressed_ == BarPart::Seek) {
    drag_fraction_ = player::SliderFraction(l.seek, x);
  } else if (pressed_ == BarPart::Volume) {
    setVolume(player::SliderFraction(l.volume, x));
  }
  InvalidateBar();
}

void TWindowsMediaPlayer::OnMouseDown(int x, int y) {
  if (Handle()) ::SetFocus(Handle());
  const BarPart part = PartAt(x, y);
  if (part == BarPart::Status) {
    showConnectionDetails();
    return;
  }
  if (part == BarPart::Video || part == BarPart::None || part == BarPart::Time) return;
  pressed_ = part;
  ::SetCapture(Handle());
  if (part == BarPart::Seek || part == BarPart::Volume) DragTo(x);
  InvalidateBar();
}

void TWindowsMediaPlayer::OnMouseMove(int x, int y) {
  if (!tracking_) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
    tracking_ = ::TrackMouseEvent(&track) != FALSE;
  }
  if (host_) {
    if (!full_screen_bar_) ShowFullScreenBar(true);
    ::SetTimer(Handle(), kHideBarTimer, kHideBarDelay, nullptr);
  }
  if (pressed_ == BarPart::Seek || pressed_ == BarPart::Volume) DragTo(x);
  const BarPart part = PartAt(x, y);
  if (part != hot_) {
    // Only the buttons and sliders look different under the mouse: moving onto the picture
    // (as the pointer does when the window first appears under it) repaints nothing.
    const bool repaint = DrawnHot(part) || DrawnHot(hot_);
    hot_ = part;
    if (repaint) InvalidateBar();
  }
}

void TWindowsMediaPlayer::OnMouseUp(int x, int y) {
  const BarPart pressed = pressed_;
  if (pressed == BarPart::None) return;
  pressed_ = BarPart::None;
  if (::GetCapture() == Handle()) ::ReleaseCapture();
  const BarPart part = PartAt(x, y);
  if (pressed == BarPart::Seek) {
    if (drag_fraction_ >= 0) engine_.Seek(drag_fraction_ * status_.duration);
    drag_fraction_ = -1;
  } else if (part == pressed) {
    if (pressed == BarPart::PlayPause) TogglePlay();
    if (pressed == BarPart::Stop) stop();
    if (pressed == BarPart::Mute) setMuted(!muted_);
  }
  InvalidateBar();
}

void TWindowsMediaPlayer::WndProc(TMessage& m) {
  switch (m.msg) {
    case WM_PLAYERSTATUS:
      OnStatus();
      return;
    case WM_PLAYERPICTURE:
      OnPicture();
      return;
    case WM_TIMER:
      if (m.wParam == kPositionTimer) {
        status_ = engine_.Status();
        InvalidateBar();
        return;
      }
      if (m.wParam == kReconnectTimer) {
        Reconnect();
        return;
      }
      if (m.wParam == kHideBarTimer) {
        ::KillTimer(Handle(), kHideBarTimer);
        if (pressed_ == BarPart::None) ShowFullScreenBar(false);
        return;
      }
      break;
    case WM_SIZE:
      TWinControl::WndProc(m);
      UpdatePictureSize();
      InvalidateVideo();
      return;
    case WM_LBUTTONDOWN:
      OnMouseDown(GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam));
      break;
    case WM_LBUTTONDBLCLK: {
      const int x = GET_X_LPARAM(m.lParam), y = GET_Y_LPARAM(m.lParam);
      if (player::HitTest(layout(), x, y, false, false) == BarPart::Video) {
        // As in every player: a double-click on the picture switches full screen.
        if (host_) {
          LeaveFullScreen();
        } else if (HasVideoToShow()) {
          EnterFullScreen();
        }
        m.result = 0;
        if (TForm* form = ParentForm()) form->RelayHintEvent(m);
        return;
      }
      OnMouseDown(x, y);  // a quick second click on a button is a click too
      break;
    }
    case WM_MOUSEMOVE:
      OnMouseMove(GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam));
      break;
    case WM_LBUTTONUP:
      OnMouseUp(GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam));
      break;
    case WM_MOUSELEAVE:
      tracking_ = false;
      if (hot_ != BarPart::None) {
        hot_ = BarPart::None;
        InvalidateBar();
      }
      break;
    case WM_CAPTURECHANGED:
      if (pressed_ != BarPart::None && reinterpret_cast<HWND>(m.lParam) != Handle()) {
        pressed_ = BarPart::None;
        drag_fraction_ = -1;
        InvalidateBar();
      }
      break;
    case WM_KEYDOWN:
      if (m.wParam == VK_ESCAPE && host_) {
        LeaveFullScreen();
        return;
      }
      if (m.wParam == VK_SPACE) {
        TogglePlay();
        return;
      }
      break;
    case WM_DESTROY:
      // The window goes before the control (its parent went): nothing may post to it now.
      engine_.Close();
      window_ = nullptr;
      timer_running_ = false;
      EndReconnecting();
      break;
  }
  TWinControl::WndProc(m);
}

void TWindowsMediaPlayer::HandleCreated() {
  window_ = Handle();
}

// ---------------------------------------------------------------------------------------
// Full screen

void TWindowsMediaPlayer::SetBounds(int left, int top, int width, int height) {
  if (host_) {
    // The window is lent out: remember where it goes back to.
    normal_bounds_ = RECT{left, top, left + std::max(width, 0), top + std::max(height, 0)};
    return;
  }
  TWinControl::SetBounds(left, top, width, height);
}

void TWindowsMediaPlayer::EnterFullScreen() {
  if (host_ || !Handle()) return;
  HWND root = ::GetAncestor(Handle(), GA_ROOT);
  normal_parent_ = ::GetParent(Handle());
  normal_bounds_ = BoundsRect();
  host_ = std::make_unique<player::FullScreenHost>(root, root);
  host_->OnCloseRequest = [this] { LeaveFullScreen(); };
  full_screen_bar_ = false;
  ::SetParent(Handle(), host_->Handle());
  const RECT area = host_->Area();
  ::SetWindowPos(Handle(), HWND_TOP, 0, 0, area.right - area.left, area.bottom - area.top,
                 SWP_SHOWWINDOW);
  ::SetFocus(Handle());
  UpdatePictureSize();
  InvalidateVideo();
}

void TWindowsMediaPlayer::LeaveFullScreen() {
  if (!host_) return;
  ::KillTimer(Handle(), kHideBarTimer);
  // The window comes home before its host goes, which would take it along.
  ::SetParent(Handle(), normal_parent_);
  auto host = std::move(host_);
  full_screen_bar_ = false;
  const RECT b = normal_bounds_;
  TWinControl::SetBounds(b.left, b.top, b.right - b.left, b.bottom - b.top);
  // We may be inside the host's own procedure (its WM_CLOSE): it goes once that is done.
  ::ShowWindow(host->Handle(), SW_HIDE);
  if (ui::TApplication* application = ui::TApplication::Current()) {
    application->ReleaseLater(std::move(host));
  }
  UpdatePictureSize();
  InvalidateVideo();
}

void TWindowsMediaPlayer::ShowFullScreenBar(bool show) {
  if (!host_ || full_screen_bar_ == show) return;
  full_screen_bar_ = show;
  UpdatePictureSize();
  InvalidateVideo();
}

// ---------------------------------------------------------------------------------------

const ClassInfo& TWindowsMediaPlayer::StaticClass() {
  static const ClassInfo info{
      "TWindowsMediaPlayer",
      &TWinControl::StaticClass(),
      [](TComponent& owner) -> TComponent* { return TComponent::New<TWindowsMediaPlayer>(owner); },
      {
          TextProp<TWindowsMediaPlayer>(
              "uiMode", [](const TWindowsMediaPlayer& p) { return p.ui_mode_; },
              [](TWindowsMediaPlayer& p, const std::wstring& v) {
                if (v != L"full" && v != L"mini" && v != L"none")
                  throw PropertyError("unknown user interface mode");
                p.ui_mode_ = v;
                p.UpdatePictureSize();
                p.InvalidateVideo();
              }),
          BoolProp<TWindowsMediaPlayer>(
              "stretchToFit", [](const TWindowsMediaPlayer& p) { return p.stretch_to_fit_; },
              [](TWindowsMediaPlayer& p, bool v) { p.setStretchToFit(v); }),
      }};
  return info;
}

TWebBrowser::TWebBrowser(TComponent* owner) : TWinControl(owner) {
  paints_ = true;
  color_ = clBtnFace;
  SetBounds(0, 0, 300, 23);
}

void TWebBrowser::Paint(HDC dc, const RECT& area) {
  ::FillRect(dc, &area, ColorBrush());
}

const ClassInfo& TWebBrowser::StaticClass() {
  static const ClassInfo info{
      "TWebBrowser",
      &TWinControl::StaticClass(),
      [](TComponent& owner) -> TComponent* { return TComponent::New<TWebBrowser>(owner); },
      {}};
  return info;
}

void RegisterPlayerClasses() {
  RegisterComponentClass(TWindowsMediaPlayer::StaticClass());
  RegisterComponentClass(TWebBrowser::StaticClass());
}

}  // namespace telvana
