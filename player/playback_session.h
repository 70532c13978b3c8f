// One Open of the playback engine. Internal to the engine.
//
// Parts. The opening (StreamOpening, stream_opening.cpp) reaches the stream and records its
// attempts; the reader (the rest of this file's session, playback_session.cpp) reads packets
// into the two queues, buffers, seeks and notices the end; the video sink and the sound sink
// (media_sinks.h) decode and time what they take from the queues. The status board holds
// what the control reads.
//
// Threads. The reading thread runs the opening, then the reader, and starts the video and
// sound threads once the stream is open. The control calls in on the user-interface thread
// (pause, seek, volume, picture size, status, the picture, abort).
//
// Locks, and who may hold what. Each lock guards one part's state and nothing else:
//   Playhead's lock       buffering, paused and starting or stopping the clock together
//   SoundSink's output    the sound device and its pause
//   VideoSink's picture   the picture shown
//   StatusBoard's status  the status; its listener lock: the listener pointer
//   readerMutex           only the reader's wake-up (seek requested, halted)
// A thread holds at most one of these at a time, with one exception: under the playhead's
// lock the clock is started, stopped and set (its own lock is a leaf that calls nothing).
// The queues and the clock have locks of their own, leaves too.
// The listener is called (it only posts) under the listener lock, and no other lock is held
// when the board is updated. Everything else shared is an atomic: the halt, the seek
// generation (serial), the seek request, the end and starvation flags.
//
// Exit. Every thread is started by Start, holds the session alive, and ends soon after Halt
// (network calls are interrupted through the cancellation). The engine joins them: at once
// when they end within Close's short wait, otherwise by a later call; its destructor waits
// for all, so that no thread outlives the engine's owner. Threads are never detached.
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

#include "player/cancellation.h"
#include "player/media_sinks.h"
#include "player/playback_engine.h"
#include "player/playhead.h"
#include "player/status_board.h"
#include "player/stream_opening.h"

namespace telvana::player {

struct PlaybackEngine::Session : std::enable_shared_from_this<Session>, DecodingFeed {
  Session(Listener& l, std::string a, const EngineSettings& s)
      : address(std::move(a)), settings(s), board(l), video(*this, board), sound(*this, board) {
    board.UpdateQuietly([](PlaybackStatus& status) {
      status.state = PlaybackState::Connecting;
      return false;
    });
  }

  // ---------------------------------------------------------------------------------------
  // Threads

  bool Start(void (Session::*body)());

  // Ends everything and forgets the listener; no call reaches the control after this.
  void Abort();

  // Stops reading and decoding (after a failure, or when aborted).
  void Halt();

  // Waits at most `wait` for the threads to end and joins them; false when some are still
  // running (they are joined by a later call).
  bool Release(std::chrono::milliseconds wait);

  // ---------------------------------------------------------------------------------------
  // State

  void SetState(PlaybackState state, int percent = 0);
  void Fail(PlaybackFailure failure);
  PlaybackStatus Snapshot() const;

  // ---------------------------------------------------------------------------------------
  // The reading thread: reaches the stream, then reads packets into the queues, buffering
  // before playing, seeking when asked, and noticing the end.

  void Read();
  void RunVideo() { video.Run(videoQueue, stream.video_codec.get(), stream.video_base); }
  void RunSound() { sound.Run(audioQueue, stream.audio_codec.get(), stream.audio_base); }

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

  // ---------------------------------------------------------------------------------------
  // DecodingFeed, for the sinks

  bool Halted() const override { return cancel.Halted(); }
  int Serial() const override { return serial.load(); }
  MediaClock& Clock() override { return playhead.Clock(); }
  double StartTime() const override { return stream.start_time; }
  void NoteDecoded() override;
  void NoteDecodeError() override;
  void NoteEmpty(const PacketQueue& queue) override;
  void NoteEnd(const PacketQueue& queue) override;

  // ---------------------------------------------------------------------------------------
  // Calls from the control

  void SetPaused(bool on);
  void RequestSeek(double seconds);

  // ---------------------------------------------------------------------------------------

  const std::string address;
  const EngineSettings settings;
  Cancellation cancel;
  StatusBoard board;
  VideoSink video;
  SoundSink sound;
  // Written by the reading thread before it starts the sinks, read-only afterwards.
  OpenedStream stream;

  std::atomic<bool> aborted{false};
  std::atomic<int> serial{0};
  std::atomic<bool> seekRequested{false};
  std::atomic<double> seekTarget{0};
  std::atomic<bool> starved{false};
  std::atomic<bool> endOfStream{false};
  std::atomic<bool> videoDone{false}, audioDone{false};
  std::atomic<bool> decodedSomething{false};
  std::atomic<int> decodeErrors{0};

  Playhead playhead;

  PacketQueue videoQueue, audioQueue;
  std::mutex readerMutex;
  std::condition_variable readerWake;

  std::mutex threadMutex;
  std::condition_variable threadsEnded;
  std::vector<std::thread> threads;
  int running = 0;
};

}  // namespace telvana::player
