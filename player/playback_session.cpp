// The reading thread and everything the control asks of a session: starting and ending its
// threads, its state, buffering, seeking and pausing.
#include "player/playback_session.h"

#include <cmath>

namespace telvana::player {

namespace {

using namespace std::chrono_literals;
using SteadyClock = std::chrono::steady_clock;

// Reading stops while the queues hold this much.
constexpr std::size_t kMaxQueuedBytes = 16u << 20;
constexpr double kMaxQueuedSeconds = 30;
// A stream whose first packets all fail to decode is not one we can play.
constexpr int kMaxErrorsBeforeAnyFrame = 64;

}  // namespace

// Threads

bool PlaybackEngine::Session::Start(void (Session::*body)()) {
  std::lock_guard lock(threadMutex);
  if (aborted) return false;
  ++running;
  threads.emplace_back([self = shared_from_this(), body] {
    ((*self).*body)();
    std::lock_guard lock(self->threadMutex);
    --self->running;
    self->threadsEnded.notify_all();
  });
  return true;
}

void PlaybackEngine::Session::Abort() {
  aborted = true;
  board.Forget();
  Halt();
}

void PlaybackEngine::Session::Halt() {
  cancel.Halt();
  videoQueue.Abort();
  audioQueue.Abort();
  playhead.Clock().Wake();
  readerWake.notify_all();
}

bool PlaybackEngine::Session::Release(std::chrono::milliseconds wait) {
  std::vector<std::thread> ended;
  {
    std::unique_lock lock(threadMutex);
    if (!threadsEnded.wait_for(lock, wait, [&] { return running == 0; })) return false;
    ended = std::move(threads);
    threads.clear();
  }
  // Each thread has left its body; joining only waits for its last instructions.
  for (std::thread& t : ended) t.join();
  return true;
}

// State

void PlaybackEngine::Session::SetState(PlaybackState state, int percent) {
  board.Update([&](PlaybackStatus& s) {
    s.state = state;
    s.bufferingPercent = percent;
  });
}

void PlaybackEngine::Session::Fail(PlaybackFailure failure) {
  if (aborted) return;
  board.Update([&](PlaybackStatus& s) {
    s.state = PlaybackState::Failed;
    s.failure = failure;
  });
  Halt();
}

PlaybackStatus PlaybackEngine::Session::Snapshot() const {
  PlaybackStatus s = board.Get();
  if (s.state == PlaybackState::Buffering || s.state == PlaybackState::Playing ||
      s.state == PlaybackState::Paused || s.state == PlaybackState::Stopped) {
    s.bufferedSeconds = LeastBuffered();
    s.position = std::max(0.0, playhead.Clock().Now());
    if (s.duration > 0) s.position = std::min(s.position, s.duration);
  }
  return s;
}

// The reading thread: reaches the stream, then reads packets into the queues, buffering
// before playing, seeking when asked, and noticing the end.

void PlaybackEngine::Session::Read() {
  SetState(PlaybackState::Connecting);
  StreamOpening opening(settings, cancel, board);
  if (!opening.Open(address, stream)) {
    if (!Halted()) Fail(opening.failure());
    return;
  }
  if (stream.video_codec && !Start(&Session::RunVideo)) return;
  if (stream.audio_codec && !Start(&Session::RunSound)) return;
  playhead.StartBuffering();
  SetState(PlaybackState::Buffering, 0);
  ReadPackets();
  stream.input.Reset();
}

double PlaybackEngine::Session::LeastBuffered() const {
  double least = INFINITY;
  if (Active(stream.video_index, videoDone)) least = std::min(least, videoQueue.Buffered());
  if (Active(stream.audio_index, audioDone)) least = std::min(least, audioQueue.Buffered());
  return std::isfinite(least) ? least : 0;
}

bool PlaybackEngine::Session::Room() const {
  if (QueuedBytes() >= kMaxQueuedBytes) return false;
  return LeastBuffered() < kMaxQueuedSeconds;
}

void PlaybackEngine::Session::WaitForReader(std::chrono::milliseconds timeout) {
  std::unique_lock lock(readerMutex);
  readerWake.wait_for(lock, timeout, [&] { return Halted() || seekRequested; });
}

void PlaybackEngine::Session::UpdateBuffering(bool ended) {
  // Only this thread starts or ends buffering; the control only pauses.
  if (playhead.Buffering()) {
    const double target = settings.bufferSeconds;
    const double least = LeastBuffered();
    const bool enough = ended || least >= target || QueuedBytes() >= kMaxQueuedBytes ||
                        MostBuffered() >= 3 * target;
    if (enough) {
      SetState(playhead.EndBuffering() ? PlaybackState::Playing : PlaybackState::Paused);
      return;
    }
    const int percent = playhead.NewPercent(static_cast<int>(100 * least / target));
    if (percent >= 0) SetState(PlaybackState::Buffering, percent);
  } else if (starved.exchange(false) && !ended && playhead.Rebuffer()) {
    SetState(PlaybackState::Buffering, 0);
  }
}

void PlaybackEngine::Session::DoSeek() {
  const double target = seekTarget.load();
  AVFormatContext* f = stream.input.get();
  const auto ts = static_cast<std::int64_t>((target + stream.start_time) * AV_TIME_BASE);
  cancel.Arm(settings.connectTimeout);
  if (avformat_seek_file(f, -1, INT64_MIN, ts, INT64_MAX, 0) < 0) return;
  ++serial;
  videoQueue.Clear();
  audioQueue.Clear();
  videoDone = false;
  audioDone = false;
  endOfStream = false;
  playhead.SeekTo(target);
  starved = false;
  SetState(PlaybackState::Buffering, 0);
  videoQueue.Wake();
  audioQueue.Wake();
  playhead.Clock().Wake();
}

void PlaybackEngine::Session::ReadPackets() {
  AVFormatContext* f = stream.input.get();
  const int videoIndex = stream.video_index, audioIndex = stream.audio_index;
  bool finished = false;
  while (!Halted()) {
    if (seekRequested.exchange(false)) {
      DoSeek();
      finished = false;
    }
    UpdateBuffering(endOfStream);
    if (endOfStream) {
      if (!finished && !Active(videoIndex, videoDone) && !Active(audioIndex, audioDone)) {
        finished = true;
        if (!decodedSomething) {
          Fail(cancel.TimedOut() ? PlaybackFailure::NoAnswer : PlaybackFailure::Undecodable);
          return;
        }
        playhead.StopAtEnd();
        SetState(PlaybackState::Stopped);
      }
      WaitForReader(50ms);
      continue;
    }
    if (!Room()) {
      WaitForReader(20ms);
      continue;
    }
    av::Packet packet(av_packet_alloc());
    if (!packet) return;
    cancel.Arm(settings.readTimeout);
    const int error = av_read_frame(f, packet.get());
    if (Halted()) return;
    if (error == AVERROR(EAGAIN)) {
      WaitForReader(10ms);
      continue;
    }
    if (error < 0) {
      endOfStream = true;
      const int s = serial;
      if (videoIndex >= 0) videoQueue.Push({PacketQueue::Kind::EndOfStream, {}, NAN, 0, 0, s});
      if (audioIndex >= 0) audioQueue.Push({PacketQueue::Kind::EndOfStream, {}, NAN, 0, 0, s});
      continue;
    }
    const int index = packet->stream_index;
    if (index != videoIndex && index != audioIndex) continue;
    const AVRational base = f->streams[index]->time_base;
    const std::int64_t ts = packet->dts != AV_NOPTS_VALUE ? packet->dts : packet->pts;
    const double start = Seconds(ts, base) - stream.start_time;
    const double duration = packet->duration > 0 ? Seconds(packet->duration, base) : 0;
    const auto bytes = static_cast<std::size_t>(packet->size);
    (index == videoIndex ? videoQueue : audioQueue)
        .Push({PacketQueue::Kind::Data, std::move(packet), start, duration, bytes, serial.load()});
  }
}

void PlaybackEngine::Session::NoteDecoded() {
  if (!decodedSomething.exchange(true)) board.NotifyStatus();
}

void PlaybackEngine::Session::NoteEnd(const PacketQueue& queue) {
  (&queue == &videoQueue ? videoDone : audioDone) = true;
}

void PlaybackEngine::Session::NoteEmpty(const PacketQueue& queue) {
  if (!endOfStream && queue.Empty() && playhead.Clock().Running()) starved = true;
}

void PlaybackEngine::Session::NoteDecodeError() {
  if (!decodedSomething && ++decodeErrors > kMaxErrorsBeforeAnyFrame)
    Fail(PlaybackFailure::Undecodable);
}

// Calls from the control

void PlaybackEngine::Session::SetPaused(bool on) {
  if (!playhead.SetPaused(on)) return;
  sound.Pause(on);
  const PlaybackState state = board.Get().state;
  if (state == PlaybackState::Playing || state == PlaybackState::Paused) {
    SetState(on ? PlaybackState::Paused : PlaybackState::Playing);
  }
}

void PlaybackEngine::Session::RequestSeek(double seconds) {
  seekTarget = std::max(0.0, seconds);
  seekRequested = true;
  readerWake.notify_all();
  videoQueue.Wake();
  audioQueue.Wake();
  playhead.Clock().Wake();
}

}  // namespace telvana::player
