// The media player control of the main window: our own control in place of the platform's,
// offering the operations the program performs on it. The playback engine connects, buffers,
// decodes and times on its own threads and posts what changed to this window; the control
// only paints pictures and its control bar, and answers the mouse and the keyboard.
//
// In mode "full" a bar under the video carries play and pause, stop, mute, volume, a
// position slider for media that can seek, and the state in words. Right-clicking shows the
// control's context menu. Full screen lends the control's window to a borderless window
// over the monitor; Escape and a double-click on the video bring it back.
#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "player/connection_details_window.h"
#include "player/control_bar_layout.h"
#include "player/full_screen_host.h"
#include "player/media_player.h"
#include "player/playback_engine.h"
#include "player/player_painting.h"
#include "player/reconnect_schedule.h"
#include "ui/control.h"

namespace telvana {

class TWindowsMediaPlayer : public ui::TWinControl,
                            public MediaPlayer,
                            private PlayerControls,
                            private player::PlaybackEngine::Listener {
 public:
  // Private messages: the engine's threads post them; each stands for "look again".
  static constexpr UINT WM_PLAYERSTATUS = WM_APP + 0x310;
  static constexpr UINT WM_PLAYERPICTURE = WM_APP + 0x311;

  explicit TWindowsMediaPlayer(ui::TComponent* owner);
  ~TWindowsMediaPlayer() override;
  static const ui::ClassInfo& StaticClass();
  const ui::ClassInfo& Class() const override { return StaticClass(); }

  // MediaPlayer
  void setURL(std::u16string_view url) override;
  void close() override;
  void setFailover(std::u16string_view label,
                   std::vector<AlternativeConnection> alternatives) override;
  void cancelReconnection() override;
  PlayerControls& controls() override { return *this; }
  void setFullScreen(bool on) override;
  void setStretchToFit(bool on) override;
  void showInPlace() override;

  const std::u16string& URL() const { return url_; }
  bool stretchToFit() const { return stretch_to_fit_; }
  const std::wstring& uiMode() const { return ui_mode_; }
  bool fullScreen() const { return host_ != nullptr; }

  // What the bar shows, as of the last message from the engine.
  player::PlaybackState state() const;
  const player::PlaybackStatus& status() const { return status_; }
  std::u16string statusText() const;
  player::ControlLayout layout() const;
  // The rectangle the picture takes in the video area.
  player::Box pictureBox() const;
  bool muted() const { return muted_; }
  double volume() const { return volume_; }
  void setMuted(bool muted);
  void setVolume(double volume);
  void pause();
  void stop();
  // The engine's limits (the tests shorten them).
  void setEngineSettings(const player::EngineSettings& settings) { settings_ = settings; }
  // When a live stream that broke is opened again (the tests shorten the waits).
  void setReconnectPolicy(const player::ReconnectPolicy& policy) { reconnect_policy_ = policy; }
  // Opens (or brings up) the connection details window; a click on the status text does.
  void showConnectionDetails();
  TConnectionDetails* connectionDetails() const { return details_.get(); }
  // True while it waits to open a broken stream again.
  bool reconnecting() const { return reconnect_waiting_; }
  // Pictures drawn on the screen since the control was made.
  std::uint64_t picturesShown() const { return pictures_shown_; }

  void SetBounds(int left, int top, int width, int height) override;
  void WndProc(ui::TMessage& message) override;

 protected:
  void Paint(HDC dc, const RECT& area) override;
  void HandleCreated() override;

 private:
  void play() override;           // PlayerControls
  void StatusChanged() override;  // PlaybackEngine::Listener, on the engine's threads
  void PictureReady() override;

  player::UiMode Mode() const;
  bool HasVideoToShow() const;
  void OnStatus();
  void OnPicture();
  void DrawPicture(HDC dc);
  void UpdatePictureSize();
  void InvalidateBar();
  void InvalidateVideo();
  void TogglePlay();
  void OnMouseDown(int x, int y);
  void OnMouseMove(int x, int y);
  void OnMouseUp(int x, int y);
  void DragTo(int x);
  void EnterFullScreen();
  void LeaveFullScreen();
  void ShowFullScreenBar(bool show);
  void UpdateTimer();
  player::BarView View() const;
  // The part of the bar (or the picture) at (x, y), as the bar now shows.
  player::BarPart PartAt(int x, int y) const;

  std::u16string url_;
  bool stretch_to_fit_ = false;
  std::wstring ui_mode_ = L"full";

  // Going on to another connection when one cannot be played.
  void FailOver();
  // Opening a live stream again that broke while playing.
  void NoteReconnection();
  void ScheduleReconnect();
  void Reconnect();
  void EndReconnecting();
  void PlaceConnectionDetails();

  player::PlaybackEngine engine_{*this};
  std::u16string failover_label_;                    // the connection of url_
  std::vector<AlternativeConnection> alternatives_;  // as given
  std::size_t next_alternative_ = 0;                 // the next to try
  std::u16string trying_label_;                      // the connection being tried
  std::function<void()> alternative_playing_;        // to call when it plays
  std::u16string failover_text_;                     // the bar's text while it connects
  std::u16string opened_url_;                        // what the engine was last asked to open

  player::ReconnectPolicy reconnect_policy_;
  bool played_ = false;        // the current opening reached playing
  int reconnect_attempt_ = 0;  // 0: not reconnecting
  bool reconnect_waiting_ = false;
  std::chrono::steady_clock::time_point broke_at_, reconnect_due_;
  player::EngineSettings settings_;
  player::PlaybackStatus status_;
  bool stopped_by_user_ = false;
  bool muted_ = false;
  double volume_ = 0.8;

  std::atomic<HWND> window_{nullptr};  // for the engine's threads
  std::atomic<bool> status_posted_{false}, picture_posted_{false};
  std::uint64_t picture_number_ = 0;  // the last picture drawn
  std::uint64_t pictures_shown_ = 0;

  player::BarPart hot_ = player::BarPart::None;
  player::BarPart pressed_ = player::BarPart::None;
  double drag_fraction_ = -1;  // where the position slider is being dragged to
  bool tracking_ = false;
  bool timer_running_ = false;

  std::unique_ptr<TConnectionDetails> details_;
  std::unique_ptr<player::FullScreenHost> host_;
  HWND normal_parent_ = nullptr;
  RECT normal_bounds_{};
  bool full_screen_bar_ = false;
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
