// One Open of the playback engine: the state its threads share with the control's calls.
// The reading thread (playback_session.cpp) reaches the stream (stream_opening.cpp) and
// fills the queues; the video thread (video_output.cpp) and the sound thread
// (sound_output.cpp) decode and time what they take from them. Internal to the engine.
#pragma once

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "player/audio_output.h"
#include "player/ffmpeg_handles.h"
#include "player/media_clock.h"
#include "player/media_queue.h"
#include "player/metafile.h"
#include "player/playback_engine.h"

namespace telvana::player {

using PacketQueue = MediaQueue<av::Packet>;

// Media time in seconds of a timestamp; NaN when there is none.
inline double Seconds(std::int64_t ts, AVRational base) {
  return ts == AV_NOPTS_VALUE ? NAN : static_cast<double>(ts) * av_q2d(base);
}

struct PlaybackEngine::Session : std::enable_shared_from_this<Session> {
  Session(Listener& l, std::string a, const EngineSettings& s)
      : listener(&l), address(std::move(a)), settings(s) {
    status.state = PlaybackState::Connecting;
  }

  // ---------------------------------------------------------------------------------------
  // Threads

  bool Start(void (Session::*body)());

  // Ends everything and forgets the listener; no call reaches the control after this.
  void Abort();

  // Stops reading and decoding (after a failure, or when aborted).
  void Halt();

  bool Halted() const { return halted.load(); }

  // Waits at most `wait` for the threads to end and joins them; false when some are still
  // running (they are joined by a later call).
  bool Release(std::chrono::milliseconds wait);

  // ---------------------------------------------------------------------------------------
  // Telling the control

  void NotifyStatus();
  void NotifyPicture();

  template <class Change>
  void Update(Change&& change) {
    {
      std::lock_guard lock(statusMutex);
      change(status);
    }
    NotifyStatus();
  }

  void SetState(PlaybackState state, int percent = 0);

  void Fail(PlaybackFailure failure);

  PlaybackStatus Snapshot() const;

  // ---------------------------------------------------------------------------------------
  // Network calls are interrupted when the session ends or their time is up.

  static int Interrupted(void* opaque);

  void ArmDeadline(std::chrono::milliseconds timeout);

  AVIOInterruptCB InterruptCallback() { return AVIOInterruptCB{&Session::Interrupted, this}; }

  // ---------------------------------------------------------------------------------------
  // Reaching the stream

  static AVDictionary* OptionsFor(const std::string& url);

  // Reads up to `limit` bytes (fewer at the end of the body, or when the time is up).
  std::string ReadUpTo(AVIOContext* io, std::size_t limit);

  bool OpenAny(const std::string& target, int depth, PlaybackFailure& failure);

  bool OpenCandidate(const std::string& url, int depth, PlaybackFailure& failure);

  bool OpenMetafile(MetafileKind kind, const std::string& text, const std::string& url, int depth,
                    PlaybackFailure& failure);

  av::CodecContext OpenDecoder(AVMediaType type, int& index);

  bool OpenDecoders();

  // ---------------------------------------------------------------------------------------
  // The reading thread: reaches the stream, then reads packets into the queues, buffering
  // before playing, seeking when asked, and noticing the end.

  void Read();

  bool Active(int index, const std::atomic<bool>& done) const { return index >= 0 && !done; }

  double LeastBuffered() const;
  double MostBuffered() const { return std::max(videoQueue.Buffered(), audioQueue.Buffered()); }
  std::size_t QueuedBytes() const { return videoQueue.Bytes() + audioQueue.Bytes(); }

  bool Room() const;

  void WaitForReader(std::chrono::milliseconds timeout);

  // Buffering ends when every stream holds enough, or the queues are full, or the stream
  // ended; then the clock starts (unless paused).
  void UpdateBuffering(bool ended);

  void DoSeek();

  void ReadPackets();

  // A decoding thread found its queue empty while the clock runs: the network fell behind.
  void NoteEmpty(const PacketQueue& queue);

  void NoteDecodeError();

  // ---------------------------------------------------------------------------------------
  // The video thread: decodes, waits for each picture's time, scales it for the screen.

  void PlayVideo();

  void Present(const AVFrame& frame, AVRational base, int current, bool& shown, int& dropsInRow,
               av::Scaler& scaler, std::vector<std::uint32_t>& scratch);

  void Show(const AVFrame& frame, av::Scaler& scaler, std::vector<std::uint32_t>& scratch);

  // ---------------------------------------------------------------------------------------
  // The sound thread: decodes, converts to 16-bit samples and plays them; without a sound
  // device it drops them in time with the clock.

  void PlayAudio();
  // Converts and plays the sound of one session (sound_output.cpp).
  struct Sound;

  // ---------------------------------------------------------------------------------------
  // Calls from the control

  void SetPaused(bool on);

  void RequestSeek(double seconds);

  // ---------------------------------------------------------------------------------------

  std::mutex listenerMutex;
  Listener* listener;
  const std::string address;
  const EngineSettings settings;

  std::atomic<bool> aborted{false};
  std::atomic<bool> halted{false};
  std::atomic<std::int64_t> deadline{0};
  std::atomic<bool> timedOut{false};
  std::atomic<int> serial{0};
  std::atomic<bool> seekRequested{false};
  std::atomic<double> seekTarget{0};
  std::atomic<bool> starved{false};
  std::atomic<bool> endOfStream{false};
  std::atomic<bool> videoDone{false}, audioDone{false};
  std::atomic<bool> decodedSomething{false};
  std::atomic<int> decodeErrors{0};
  std::atomic<double> volume{1};
  std::atomic<bool> muted{false};
  std::atomic<int> pictureWidth{0}, pictureHeight{0};

  std::mutex controlMutex;  // buffering, paused and the clock's running together
  bool buffering = false;
  bool paused = false;
  int lastPercent = -1;

  mutable std::mutex statusMutex;
  PlaybackStatus status;

  std::mutex pictureMutex;
  Picture picture;

  std::mutex outputMutex;
  std::unique_ptr<AudioOutput> output;

  MediaClock clock;
  PacketQueue videoQueue, audioQueue;
  std::mutex readerMutex;
  std::condition_variable readerWake;

  av::Input input;
  int videoIndex = -1, audioIndex = -1;
  av::CodecContext videoCodec, audioCodec;
  AVRational videoBase{1, 1}, audioBase{1, 1};
  double startTime = 0;

  std::mutex threadMutex;
  std::condition_variable threadsEnded;
  std::vector<std::thread> threads;
  int running = 0;
};

}  // namespace telvana::player
