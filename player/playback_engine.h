// The playback engine behind the player control: it reaches an address (reading metafiles
// and trying each transport in turn), reads and decodes the stream and times its pictures
// and sound, all on threads of its own. The control calls it on the user-interface thread;
// none of its calls waits for the network. It tells the control that something changed
// through a listener, called on the engine's threads, which only posts a message.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "player/playback_state.h"

namespace telvana::player {

struct PlaybackStatus {
  PlaybackState state = PlaybackState::Closed;
  PlaybackFailure failure = PlaybackFailure::None;
  int bufferingPercent = 0;
  double position = 0;  // seconds from the start of the media
  double duration = 0;  // seconds; 0 for live streams and unknown lengths
  bool seekable = false;
  bool hasVideo = false;
  bool hasAudio = false;
  bool soundDevice = false;  // false: sound is decoded and dropped, the clock times the video
  int videoWidth = 0, videoHeight = 0;
  double sampleAspect = 1;            // width over height of one sample
  std::string playing;                // the address that is playing, after metafiles and transports
  std::vector<OpenAttempt> attempts;  // everything the opening tried, in order
  std::uint64_t picturesDropped = 0;  // pictures decoded too late to be shown
  std::string container;              // the demuxer's name: "asf", "mov,mp4,...", "rtsp"
  std::string videoCodec, audioCodec;  // decoder names; empty without that stream
  std::int64_t bitRate = 0;            // bits a second, as the stream declares; 0 unknown
  double bufferedSeconds = 0;          // media waiting to be decoded, in the emptier queue
};

// The picture to show: 32-bit BGRX rows, top row first.
struct Picture {
  std::vector<std::uint32_t> pixels;
  int width = 0, height = 0;
  std::uint64_t number = 0;  // counts up with every picture shown
};

struct EngineSettings {
  // How long reaching a server and reading the stream's header may take.
  std::chrono::milliseconds connectTimeout{10000};
  // How long a playing stream may send nothing before it counts as ended.
  std::chrono::milliseconds readTimeout{15000};
  // Seconds of stream gathered before playing starts, and again after it ran dry.
  double bufferSeconds = 2.0;
};

class PlaybackEngine {
 public:
  class Listener {
   public:
    virtual ~Listener() = default;
    // Called on the engine's threads; must only post, never wait.
    virtual void StatusChanged() = 0;
    virtual void PictureReady() = 0;
  };

  explicit PlaybackEngine(Listener& listener);
  ~PlaybackEngine();
  PlaybackEngine(const PlaybackEngine&) = delete;
  PlaybackEngine& operator=(const PlaybackEngine&) = delete;

  // Closes what plays and starts playing `address` (as given by the user; it is normalised
  // here). Returns at once.
  void Open(std::u16string_view address, const EngineSettings& settings = {});
  // Stops and releases everything; returns promptly in every state. Threads that are stuck
  // in a call that cannot be interrupted (a name look-up) finish later without telling
  // anyone; they are joined by later calls, and the engine's end waits for them, so that no
  // thread of the engine outlives it.
  void Close();
  bool IsOpen() const { return session_ != nullptr; }

  void SetPaused(bool paused);
  // Seeks media that can seek; ignored otherwise.
  void Seek(double seconds);
  // 0 to 1; applied to the samples, so other programs' sound is left alone.
  void SetVolume(double volume, bool muted);
  // The size the pictures are scaled to (the area they are shown in); 0 x 0: their own.
  void SetPictureSize(int width, int height);

  PlaybackStatus Status() const;
  // Calls `use(const Picture&)` with the current picture under its lock, if there is one.
  template <class Use>
  bool WithPicture(Use&& use) const;

  struct Session;

 private:
  std::mutex& PictureMutex() const;
  const Picture* CurrentPicture() const;

  // Joins the threads of closed sessions that have ended by now (all of them when `wait_all`).
  void JoinClosedSessions(bool wait_all);

  Listener& listener_;
  std::shared_ptr<Session> session_;
  std::vector<std::shared_ptr<Session>> closed_sessions_;  // threads still running
  double volume_ = 1;
  bool muted_ = false;
  int picture_width_ = 0, picture_height_ = 0;
};

template <class Use>
bool PlaybackEngine::WithPicture(Use&& use) const {
  if (!session_) return false;
  std::lock_guard lock(PictureMutex());
  const Picture* picture = CurrentPicture();
  if (!picture || picture->pixels.empty()) return false;
  use(*picture);
  return true;
}

}  // namespace telvana::player
