#include "player/playback_engine.h"

#include <cstdlib>

#include "player/address.h"
#include "player/playback_session.h"

namespace telvana::player {

namespace {

using namespace std::chrono_literals;

// Close waits this long for the threads to end; threads that take longer end on their own.
constexpr auto kCloseWait = 150ms;

void InitializeFfmpeg() {
  static std::once_flag once;
  std::call_once(once, [] {
    avformat_network_init();
    // FFmpeg's messages go to the standard error stream, which a windowed program does not
    // have; they can be asked for when looking into a stream.
    av_log_set_level(std::getenv("TELVANA_PLAYER_LOG") ? AV_LOG_INFO : AV_LOG_QUIET);
  });
}

}  // namespace

PlaybackEngine::PlaybackEngine(Listener& listener) : listener_(listener) {}

PlaybackEngine::~PlaybackEngine() {
  Close();
  JoinClosedSessions(true);
}

void PlaybackEngine::Open(std::u16string_view address, const EngineSettings& settings) {
  Close();
  InitializeFfmpeg();
  auto session = std::make_shared<Session>(listener_, NormalizeAddress(address), settings);
  session->sound.SetVolume(volume_, muted_);
  session->video.SetSize(picture_width_, picture_height_);
  session_ = session;
  session->Start(&Session::Read);
}

void PlaybackEngine::Close() {
  JoinClosedSessions(false);
  if (!session_) return;
  session_->Abort();
  if (!session_->Release(kCloseWait)) closed_sessions_.push_back(session_);
  session_.reset();
}

void PlaybackEngine::JoinClosedSessions(bool wait_all) {
  using namespace std::chrono_literals;
  // An aborted session's threads end as soon as their blocking call returns; a name look-up
  // has a time limit of its own.
  std::erase_if(closed_sessions_, [&](const std::shared_ptr<Session>& session) {
    if (!wait_all) return session->Release(0ms);
    while (!session->Release(1s)) {
    }
    return true;
  });
}

void PlaybackEngine::SetPaused(bool paused) {
  if (session_) session_->SetPaused(paused);
}

void PlaybackEngine::Seek(double seconds) {
  if (session_ && session_->Snapshot().seekable) session_->RequestSeek(seconds);
}

void PlaybackEngine::SetVolume(double volume, bool muted) {
  volume_ = std::clamp(volume, 0.0, 1.0);
  muted_ = muted;
  if (session_) session_->sound.SetVolume(volume_, muted_);
}

void PlaybackEngine::SetPictureSize(int width, int height) {
  picture_width_ = std::max(0, width);
  picture_height_ = std::max(0, height);
  if (session_) session_->video.SetSize(picture_width_, picture_height_);
}

PlaybackStatus PlaybackEngine::Status() const {
  return session_ ? session_->Snapshot() : PlaybackStatus{};
}

std::mutex& PlaybackEngine::PictureMutex() const {
  return session_->video.PictureMutex();
}

const Picture* PlaybackEngine::CurrentPicture() const {
  return &session_->video.CurrentPicture();
}

}  // namespace telvana::player
