#include "player/playback_engine.h"

#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <cstdlib>
#include <functional>
#include <thread>

#include "player/address.h"
#include "player/audio_output.h"
#include "player/ffmpeg_handles.h"
#include "player/media_clock.h"
#include "player/media_queue.h"
#include "player/metafile.h"

namespace telvana::player {

namespace {

using namespace std::chrono_literals;
using SteadyClock = std::chrono::steady_clock;
using PacketQueue = MediaQueue<av::Packet>;

// The first bytes of an HTTP body tell a metafile from a stream.
constexpr std::size_t kHeadBytes = 4096;
// Metafiles that list metafiles: no deeper than this.
constexpr int kMaxMetafileDepth = 3;
// Reading stops while the queues hold this much.
constexpr std::size_t kMaxQueuedBytes = 16u << 20;
constexpr double kMaxQueuedSeconds = 30;
// A picture later than this is dropped, unless many in a row were.
constexpr double kLatePicture = 0.15;
constexpr int kMaxDropsInRow = 8;
// Sound is written this far ahead of the clock; the device's buffers hold about as much.
constexpr double kSoundLead = 0.3;
// The clock follows the sound when they drift further apart than this.
constexpr double kSoundDrift = 0.08;
// A stream whose first packets all fail to decode is not one we can play.
constexpr int kMaxErrorsBeforeAnyFrame = 64;
// Close waits this long for the threads to end; threads that take longer end on their own.
constexpr auto kCloseWait = 150ms;
// Pictures are never scaled beyond this (a size from a damaged header).
constexpr int kMaxPictureSide = 4096;

void InitializeFfmpeg() {
  static std::once_flag once;
  std::call_once(once, [] {
    avformat_network_init();
    // FFmpeg's messages go to the standard error stream, which a windowed program does not
    // have; they can be asked for when looking into a stream.
    av_log_set_level(std::getenv("TELVANA_PLAYER_LOG") ? AV_LOG_INFO : AV_LOG_QUIET);
  });
}

int Rank(PlaybackFailure f) {
  switch (f) {
    case PlaybackFailure::None:
      return 0;
    case PlaybackFailure::UnsupportedAddress:
      return 1;
    case PlaybackFailure::NothingToPlay:
      return 2;
    case PlaybackFailure::Unreachable:
      return 3;
    case PlaybackFailure::NoAnswer:
      return 4;
    case PlaybackFailure::NotFound:
      return 5;
    case PlaybackFailure::Undecodable:
      return 6;
  }
  return 0;
}

// When several addresses fail, the most telling failure is reported.
void Note(PlaybackFailure& kept, PlaybackFailure f) {
  if (Rank(f) > Rank(kept)) kept = f;
}

PlaybackFailure FailureOf(int error, bool timedOut) {
  if (timedOut) return PlaybackFailure::NoAnswer;
  switch (error) {
    case AVERROR_HTTP_BAD_REQUEST:
    case AVERROR_HTTP_UNAUTHORIZED:
    case AVERROR_HTTP_FORBIDDEN:
    case AVERROR_HTTP_NOT_FOUND:
    case AVERROR_HTTP_OTHER_4XX:
      return PlaybackFailure::NotFound;
    case AVERROR_INVALIDDATA:
    case AVERROR_DECODER_NOT_FOUND:
    case AVERROR_DEMUXER_NOT_FOUND:
    case AVERROR_STREAM_NOT_FOUND:
    case AVERROR_PATCHWELCOME:
    case AVERROR(ENOSYS):
      return PlaybackFailure::Undecodable;
    case AVERROR_EOF:
      return PlaybackFailure::NoAnswer;  // the server took the connection and said nothing
    case AVERROR(ETIMEDOUT):             // the connection itself timed out: nobody at that address
    default:
      return PlaybackFailure::Unreachable;
  }
}

double Seconds(std::int64_t ts, AVRational base) {
  return ts == AV_NOPTS_VALUE ? NAN : static_cast<double>(ts) * av_q2d(base);
}

}  // namespace

struct PlaybackEngine::Session : std::enable_shared_from_this<Session> {
  Session(Listener& l, std::string a, const EngineSettings& s)
      : listener(&l), address(std::move(a)), settings(s) {
    status.state = PlaybackState::Connecting;
  }

  // ---------------------------------------------------------------------------------------
  // Threads

  bool Start(void (Session::*body)()) {
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

  // Ends everything and forgets the listener; no call reaches the control after this.
  void Abort() {
    aborted = true;
    {
      std::lock_guard lock(listenerMutex);
      listener = nullptr;
    }
    Halt();
  }

  // Stops reading and decoding (after a failure, or when aborted).
  void Halt() {
    halted = true;
    videoQueue.Abort();
    audioQueue.Abort();
    clock.Wake();
    readerWake.notify_all();
  }

  bool Halted() const { return halted.load(); }

  // Waits a little for the threads; those still running are let go.
  void Release(std::chrono::milliseconds wait) {
    std::unique_lock lock(threadMutex);
    threadsEnded.wait_for(lock, wait, [&] { return running == 0; });
    const bool allEnded = running == 0;
    for (std::thread& t : threads) {
      if (allEnded) {
        t.join();
      } else {
        t.detach();
      }
    }
    threads.clear();
  }

  // ---------------------------------------------------------------------------------------
  // Telling the control

  void NotifyStatus() {
    std::lock_guard lock(listenerMutex);
    if (listener) listener->StatusChanged();
  }
  void NotifyPicture() {
    std::lock_guard lock(listenerMutex);
    if (listener) listener->PictureReady();
  }

  template <class Change>
  void Update(Change&& change) {
    {
      std::lock_guard lock(statusMutex);
      change(status);
    }
    NotifyStatus();
  }

  void SetState(PlaybackState state, int percent = 0) {
    Update([&](PlaybackStatus& s) {
      s.state = state;
      s.bufferingPercent = percent;
    });
  }

  void Fail(PlaybackFailure failure) {
    if (aborted) return;
    Update([&](PlaybackStatus& s) {
      s.state = PlaybackState::Failed;
      s.failure = failure;
    });
    Halt();
  }

  PlaybackStatus Snapshot() const {
    PlaybackStatus s;
    {
      std::lock_guard lock(statusMutex);
      s = status;
    }
    if (s.state == PlaybackState::Buffering || s.state == PlaybackState::Playing ||
        s.state == PlaybackState::Paused || s.state == PlaybackState::Stopped) {
      s.position = std::max(0.0, clock.Now());
      if (s.duration > 0) s.position = std::min(s.position, s.duration);
    }
    return s;
  }

  // ---------------------------------------------------------------------------------------
  // Network calls are interrupted when the session ends or their time is up.

  static int Interrupted(void* opaque) {
    auto* self = static_cast<Session*>(opaque);
    if (self->halted) return 1;
    const auto deadline = self->deadline.load();
    if (deadline != 0 && SteadyClock::now().time_since_epoch().count() > deadline) {
      self->timedOut = true;
      return 1;
    }
    return 0;
  }

  void ArmDeadline(std::chrono::milliseconds timeout) {
    timedOut = false;
    deadline = (SteadyClock::now() + timeout).time_since_epoch().count();
  }

  AVIOInterruptCB InterruptCallback() { return AVIOInterruptCB{&Session::Interrupted, this}; }

  // ---------------------------------------------------------------------------------------
  // Reaching the stream

  static AVDictionary* OptionsFor(const std::string& url) {
    AVDictionary* options = nullptr;
    const std::string scheme = SchemeOf(url);
    if (scheme == "rtsp") av_dict_set(&options, "rtsp_transport", "tcp", 0);  // passes firewalls
    if (scheme == "http") av_dict_set(&options, "icy", "0", 0);
    return options;
  }

  // Reads up to `limit` bytes (fewer at the end of the body, or when the time is up).
  std::string ReadUpTo(AVIOContext* io, std::size_t limit) {
    std::string data;
    std::uint8_t buffer[4096];
    while (data.size() < limit && !halted) {
      const int want = static_cast<int>(std::min(sizeof buffer, limit - data.size()));
      const int n = avio_read_partial(io, buffer, want);
      if (n <= 0) break;
      data.append(reinterpret_cast<const char*>(buffer), static_cast<std::size_t>(n));
    }
    return data;
  }

  bool OpenAny(const std::string& target, int depth, PlaybackFailure& failure) {
    const std::vector<std::string> candidates = TransportCandidates(target);
    if (candidates.empty()) Note(failure, PlaybackFailure::UnsupportedAddress);
    for (const std::string& url : candidates) {
      if (halted) return false;
      if (OpenCandidate(url, depth, failure)) return true;
    }
    return false;
  }

  bool OpenCandidate(const std::string& url, int depth, PlaybackFailure& failure) {
    std::unique_ptr<av::ReplayingIo> io;
    if (SchemeOf(url) == "http") {
      AVIOContext* raw = nullptr;
      AVDictionary* options = OptionsFor(url);
      const AVIOInterruptCB interrupt = InterruptCallback();
      ArmDeadline(settings.connectTimeout);
      const int error = avio_open2(&raw, url.c_str(), AVIO_FLAG_READ, &interrupt, &options);
      av_dict_free(&options);
      if (error < 0) {
        Note(failure, FailureOf(error, timedOut));
        return false;
      }
      std::string head = ReadUpTo(raw, kHeadBytes);
      const MetafileKind kind = SniffMetafile(head);
      if (kind != MetafileKind::None) {
        head += ReadUpTo(raw, kMaxMetafileBytes - head.size());
        avio_closep(&raw);
        return OpenMetafile(kind, head, url, depth, failure);
      }
      if (head.empty()) {
        avio_closep(&raw);
        Note(failure, timedOut ? PlaybackFailure::NoAnswer : PlaybackFailure::Undecodable);
        return false;
      }
      io = std::make_unique<av::ReplayingIo>(raw, std::move(head));
      if (!io->get()) {
        Note(failure, PlaybackFailure::Undecodable);
        return false;
      }
    }
    AVFormatContext* format = avformat_alloc_context();
    if (!format) return false;
    format->interrupt_callback = InterruptCallback();
    format->probesize = 1 << 20;
    format->max_analyze_duration = AV_TIME_BASE;
    if (io) {
      format->pb = io->get();
      format->flags |= AVFMT_FLAG_CUSTOM_IO;
    }
    AVDictionary* options = OptionsFor(url);
    ArmDeadline(settings.connectTimeout);
    int error =
        avformat_open_input(&format, url.c_str(), nullptr, &options);  // frees `format` on failure
    av_dict_free(&options);
    if (error < 0) {
      Note(failure, FailureOf(error, timedOut));
      return false;
    }
    input.Adopt(format, std::move(io));
    error = avformat_find_stream_info(format, nullptr);
    if (error < 0 || halted) {
      Note(failure, FailureOf(error < 0 ? error : AVERROR_EXIT, timedOut));
      input.Reset();
      return false;
    }
    if (!OpenDecoders()) {
      Note(failure, PlaybackFailure::Undecodable);
      input.Reset();
      return false;
    }
    Update([&](PlaybackStatus& s) { s.playing = url; });
    return true;
  }

  bool OpenMetafile(MetafileKind kind, const std::string& text, const std::string& url, int depth,
                    PlaybackFailure& failure) {
    const std::vector<std::string> entries =
        depth < kMaxMetafileDepth ? ParseMetafile(kind, text, url) : std::vector<std::string>{};
    if (entries.empty()) Note(failure, PlaybackFailure::NothingToPlay);
    for (const std::string& entry : entries) {
      if (halted) return false;
      if (OpenAny(entry, depth + 1, failure)) return true;
    }
    return false;
  }

  av::CodecContext OpenDecoder(AVMediaType type, int& index) {
    const AVCodec* codec = nullptr;
    index = av_find_best_stream(input.get(), type, -1, -1, &codec, 0);
    if (index < 0 || !codec) return {};
    AVStream* stream = input->streams[index];
    if (stream->disposition & AV_DISPOSITION_ATTACHED_PIC) return {};  // cover art, not video
    av::CodecContext context(avcodec_alloc_context3(codec));
    if (!context || avcodec_parameters_to_context(context.get(), stream->codecpar) < 0) return {};
    context->pkt_timebase = stream->time_base;
    if (type == AVMEDIA_TYPE_VIDEO) context->thread_count = 2;
    if (avcodec_open2(context.get(), codec, nullptr) < 0) return {};
    return context;
  }

  bool OpenDecoders() {
    videoCodec = OpenDecoder(AVMEDIA_TYPE_VIDEO, videoIndex);
    if (!videoCodec) videoIndex = -1;
    audioCodec = OpenDecoder(AVMEDIA_TYPE_AUDIO, audioIndex);
    if (!audioCodec) audioIndex = -1;
    if (!videoCodec && !audioCodec) return false;
    AVFormatContext* f = input.get();
    // The decoding threads keep these; the reader may close the input before they end.
    if (videoCodec) videoBase = f->streams[videoIndex]->time_base;
    if (audioCodec) audioBase = f->streams[audioIndex]->time_base;
    startTime =
        f->start_time == AV_NOPTS_VALUE ? 0 : static_cast<double>(f->start_time) / AV_TIME_BASE;
    const double duration = f->duration > 0 ? static_cast<double>(f->duration) / AV_TIME_BASE : 0;
    const bool seekable =
        duration > 0 && ((f->pb && (f->pb->seekable & AVIO_SEEKABLE_NORMAL)) ||
                         (!f->pb && (f->iformat->read_seek || f->iformat->read_seek2)));
    Update([&](PlaybackStatus& s) {
      s.hasVideo = videoCodec != nullptr;
      s.hasAudio = audioCodec != nullptr;
      s.duration = duration;
      s.seekable = seekable;
      if (videoCodec) {
        AVStream* stream = f->streams[videoIndex];
        s.videoWidth = videoCodec->width;
        s.videoHeight = videoCodec->height;
        const AVRational sar = av_guess_sample_aspect_ratio(f, stream, nullptr);
        s.sampleAspect = sar.num > 0 && sar.den > 0 ? av_q2d(sar) : 1.0;
      }
    });
    return true;
  }

  // ---------------------------------------------------------------------------------------
  // The reading thread: reaches the stream, then reads packets into the queues, buffering
  // before playing, seeking when asked, and noticing the end.

  void Read() {
    SetState(PlaybackState::Connecting);
    PlaybackFailure failure = PlaybackFailure::None;
    if (!OpenAny(address, 0, failure)) {
      if (!halted) Fail(failure == PlaybackFailure::None ? PlaybackFailure::Unreachable : failure);
      return;
    }
    if (videoCodec && !Start(&Session::PlayVideo)) return;
    if (audioCodec && !Start(&Session::PlayAudio)) return;
    {
      std::lock_guard lock(controlMutex);
      buffering = true;
    }
    SetState(PlaybackState::Buffering, 0);
    ReadPackets();
    input.Reset();
  }

  bool Active(int index, const std::atomic<bool>& done) const { return index >= 0 && !done; }

  double LeastBuffered() const {
    double least = INFINITY;
    if (Active(videoIndex, videoDone)) least = std::min(least, videoQueue.Buffered());
    if (Active(audioIndex, audioDone)) least = std::min(least, audioQueue.Buffered());
    return std::isfinite(least) ? least : 0;
  }
  double MostBuffered() const { return std::max(videoQueue.Buffered(), audioQueue.Buffered()); }
  std::size_t QueuedBytes() const { return videoQueue.Bytes() + audioQueue.Bytes(); }

  bool Room() const {
    if (QueuedBytes() >= kMaxQueuedBytes) return false;
    return LeastBuffered() < kMaxQueuedSeconds;
  }

  void WaitForReader(std::chrono::milliseconds timeout) {
    std::unique_lock lock(readerMutex);
    readerWake.wait_for(lock, timeout, [&] { return halted || seekRequested; });
  }

  // Buffering ends when every stream holds enough, or the queues are full, or the stream
  // ended; then the clock starts (unless paused).
  void UpdateBuffering(bool ended) {
    std::unique_lock lock(controlMutex);
    if (buffering) {
      const double target = settings.bufferSeconds;
      const bool enough = ended || LeastBuffered() >= target || QueuedBytes() >= kMaxQueuedBytes ||
                          MostBuffered() >= 3 * target;
      if (enough) {
        buffering = false;
        if (!paused) clock.Start();
        lock.unlock();
        SetState(paused ? PlaybackState::Paused : PlaybackState::Playing);
        return;
      }
      const int percent = static_cast<int>(100 * LeastBuffered() / target);
      if (percent != lastPercent) {
        lastPercent = percent;
        lock.unlock();
        SetState(PlaybackState::Buffering, percent);
      }
    } else if (starved.exchange(false) && !ended && !paused) {
      buffering = true;
      lastPercent = 0;
      clock.Stop();
      lock.unlock();
      SetState(PlaybackState::Buffering, 0);
    }
  }

  void DoSeek() {
    const double target = seekTarget.load();
    AVFormatContext* f = input.get();
    const auto ts = static_cast<std::int64_t>((target + startTime) * AV_TIME_BASE);
    ArmDeadline(settings.connectTimeout);
    if (avformat_seek_file(f, -1, INT64_MIN, ts, INT64_MAX, 0) < 0) return;
    ++serial;
    videoQueue.Clear();
    audioQueue.Clear();
    videoDone = false;
    audioDone = false;
    endOfStream = false;
    {
      std::lock_guard lock(controlMutex);
      clock.Stop();
      clock.Set(target);
      buffering = true;
      lastPercent = 0;
      starved = false;
    }
    SetState(PlaybackState::Buffering, 0);
    videoQueue.Wake();
    audioQueue.Wake();
    clock.Wake();
  }

  void ReadPackets() {
    AVFormatContext* f = input.get();
    bool finished = false;
    while (!halted) {
      if (seekRequested.exchange(false)) {
        DoSeek();
        finished = false;
      }
      UpdateBuffering(endOfStream);
      if (endOfStream) {
        if (!finished && !Active(videoIndex, videoDone) && !Active(audioIndex, audioDone)) {
          finished = true;
          if (!decodedSomething) {
            Fail(timedOut ? PlaybackFailure::NoAnswer : PlaybackFailure::Undecodable);
            return;
          }
          {
            std::lock_guard lock(controlMutex);
            clock.Stop();
          }
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
      ArmDeadline(settings.readTimeout);
      const int error = av_read_frame(f, packet.get());
      if (halted) return;
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
      const double start = Seconds(ts, base) - startTime;
      const double duration = packet->duration > 0 ? Seconds(packet->duration, base) : 0;
      const auto bytes = static_cast<std::size_t>(packet->size);
      (index == videoIndex ? videoQueue : audioQueue)
          .Push(
              {PacketQueue::Kind::Data, std::move(packet), start, duration, bytes, serial.load()});
    }
  }

  // A decoding thread found its queue empty while the clock runs: the network fell behind.
  void NoteEmpty(const PacketQueue& queue) {
    if (!endOfStream && queue.Empty() && clock.Running()) starved = true;
  }

  void NoteDecodeError() {
    if (!decodedSomething && ++decodeErrors > kMaxErrorsBeforeAnyFrame)
      Fail(PlaybackFailure::Undecodable);
  }

  // ---------------------------------------------------------------------------------------
  // The video thread: decodes, waits for each picture's time, scales it for the screen.

  void PlayVideo() {
    AVCodecContext* c = videoCodec.get();
    const AVRational base = videoBase;
    av::Frame frame(av_frame_alloc());
    av::Scaler scaler;
    std::vector<std::uint32_t> scratch;
    int current = serial;
    bool shown = false;
    int dropsInRow = 0;
    while (!halted) {
      auto item = videoQueue.Pop(100ms);
      if (!item) {
        NoteEmpty(videoQueue);
        continue;
      }
      if (item->serial != serial) continue;  // from before a seek
      if (item->serial != current) {
        avcodec_flush_buffers(c);
        current = item->serial;
        shown = false;
      }
      const bool end = item->kind == PacketQueue::Kind::EndOfStream;
      const int sent = avcodec_send_packet(c, end ? nullptr : item->value.get());
      if (sent < 0 && sent != AVERROR(EAGAIN) && sent != AVERROR_EOF) NoteDecodeError();
      while (!halted && avcodec_receive_frame(c, frame.get()) >= 0) {
        Present(*frame, base, current, shown, dropsInRow, scaler, scratch);
        av_frame_unref(frame.get());
      }
      if (end) videoDone = true;
    }
  }

  void Present(const AVFrame& frame, AVRational base, int current, bool& shown, int& dropsInRow,
               av::Scaler& scaler, std::vector<std::uint32_t>& scratch) {
    if (!decodedSomething.exchange(true)) NotifyStatus();
    const double pts = Seconds(frame.best_effort_timestamp, base) - startTime;
    if (shown && std::isfinite(pts)) {
      const auto cancelled = [&] { return halted.load() || serial.load() != current; };
      if (!clock.WaitUntil(pts, cancelled)) return;
      if (clock.Now() - pts > kLatePicture && dropsInRow < kMaxDropsInRow) {
        ++dropsInRow;
        return;
      }
    }
    // The first picture (after opening or seeking) is shown at once, while buffering.
    shown = true;
    dropsInRow = 0;
    Show(frame, scaler, scratch);
  }

  void Show(const AVFrame& frame, av::Scaler& scaler, std::vector<std::uint32_t>& scratch) {
    if (frame.width <= 0 || frame.height <= 0) return;
    int width = pictureWidth, height = pictureHeight;
    if (width <= 0 || height <= 0) {
      const double aspect =
          frame.sample_aspect_ratio.num > 0 ? av_q2d(frame.sample_aspect_ratio) : 1.0;
      width = static_cast<int>(std::lround(frame.width * aspect));
      height = frame.height;
    }
    width = std::clamp(width, 1, kMaxPictureSide);
    height = std::clamp(height, 1, kMaxPictureSide);
    scaler.reset(sws_getCachedContext(scaler.release(), frame.width, frame.height,
                                      static_cast<AVPixelFormat>(frame.format), width, height,
                                      AV_PIX_FMT_BGRA, SWS_BILINEAR, nullptr, nullptr, nullptr));
    if (!scaler) return;
    scratch.resize(static_cast<std::size_t>(width) * height);
    std::uint8_t* planes[4] = {reinterpret_cast<std::uint8_t*>(scratch.data()), nullptr, nullptr,
                               nullptr};
    int strides[4] = {width * 4, 0, 0, 0};
    sws_scale(scaler.get(), frame.data, frame.linesize, 0, frame.height, planes, strides);
    bool sizeChanged;
    {
      std::lock_guard lock(pictureMutex);
      picture.pixels.swap(scratch);
      picture.width = width;
      picture.height = height;
      ++picture.number;
    }
    {
      std::lock_guard lock(statusMutex);
      sizeChanged = status.videoWidth != frame.width || status.videoHeight != frame.height;
      status.videoWidth = frame.width;
      status.videoHeight = frame.height;
    }
    if (sizeChanged) NotifyStatus();
    NotifyPicture();
  }

  // ---------------------------------------------------------------------------------------
  // The sound thread: decodes, converts to 16-bit samples and plays them; without a sound
  // device it drops them in time with the clock.

  void PlayAudio() {
    AVCodecContext* c = audioCodec.get();
    const AVRational base = audioBase;
    av::Frame frame(av_frame_alloc());
    Sound sound;
    int current = serial;
    while (!halted) {
      auto item = audioQueue.Pop(100ms);
      if (!item) {
        NoteEmpty(audioQueue);
        continue;
      }
      if (item->serial != serial) continue;
      if (item->serial != current) {
        avcodec_flush_buffers(c);
        current = item->serial;
        sound.Restart(*this);
      }
      const bool end = item->kind == PacketQueue::Kind::EndOfStream;
      const int sent = avcodec_send_packet(c, end ? nullptr : item->value.get());
      if (sent < 0 && sent != AVERROR(EAGAIN) && sent != AVERROR_EOF) NoteDecodeError();
      while (!halted && avcodec_receive_frame(c, frame.get()) >= 0) {
        if (!decodedSomething.exchange(true)) NotifyStatus();
        sound.Play(*this, *frame, base, current);
        av_frame_unref(frame.get());
      }
      if (end) {
        sound.Finish(*this);
        audioDone = true;
      }
    }
    std::lock_guard lock(outputMutex);
    output.reset();
  }

  struct Sound {
    av::Resampler resampler;
    int inRate = 0, inFormat = -1;
    AVChannelLayout inLayout{};
    int channels = 0;
    bool tried = false;
    double nextPts = NAN;
    double basePts = NAN;  // media time of the first sample written since the last restart
    std::vector<std::int16_t> samples;

    ~Sound() { av_channel_layout_uninit(&inLayout); }

    void Restart(Session& s) {
      nextPts = NAN;
      basePts = NAN;
      std::lock_guard lock(s.outputMutex);
      if (s.output) s.output->Reset();
    }

    void Open(Session& s, const AVFrame& frame) {
      tried = true;
      channels = std::min(frame.ch_layout.nb_channels, 2);
      if (channels < 1) return;
      auto device = AudioOutput::Open(frame.sample_rate, channels);
      std::lock_guard lock(s.outputMutex);
      s.output = std::move(device);
      if (s.output && s.paused) s.output->Pause(true);
      const bool present = s.output != nullptr;
      {
        std::lock_guard statusLock(s.statusMutex);
        s.status.soundDevice = present;
      }
    }

    bool Convert(const AVFrame& frame) {
      if (!resampler || frame.sample_rate != inRate || frame.format != inFormat ||
          av_channel_layout_compare(&frame.ch_layout, &inLayout) != 0) {
        AVChannelLayout out{};
        av_channel_layout_default(&out, channels);
        SwrContext* raw = nullptr;
        const int error = swr_alloc_set_opts2(&raw, &out, AV_SAMPLE_FMT_S16, frame.sample_rate,
                                              const_cast<AVChannelLayout*>(&frame.ch_layout),
                                              static_cast<AVSampleFormat>(frame.format),
                                              frame.sample_rate, 0, nullptr);
        av_channel_layout_uninit(&out);
        resampler.reset(raw);
        if (error < 0 || swr_init(raw) < 0) {
          resampler.reset();
          return false;
        }
        inRate = frame.sample_rate;
        inFormat = frame.format;
        av_channel_layout_uninit(&inLayout);
        av_channel_layout_copy(&inLayout, &frame.ch_layout);
      }
      const int capacity = swr_get_out_samples(resampler.get(), frame.nb_samples);
      if (capacity <= 0) return false;
      samples.resize(static_cast<std::size_t>(capacity) * channels);
      std::uint8_t* out[1] = {reinterpret_cast<std::uint8_t*>(samples.data())};
      const int n =
          swr_convert(resampler.get(), out, capacity,
                      const_cast<const std::uint8_t**>(frame.extended_data), frame.nb_samples);
      if (n < 0) return false;
      samples.resize(static_cast<std::size_t>(n) * channels);
      return true;
    }

    void Play(Session& s, const AVFrame& frame, AVRational base, int current) {
      if (frame.sample_rate <= 0 || frame.nb_samples <= 0) return;
      const double duration = static_cast<double>(frame.nb_samples) / frame.sample_rate;
      double pts = Seconds(frame.best_effort_timestamp, base) - s.startTime;
      if (!std::isfinite(pts)) pts = std::isfinite(nextPts) ? nextPts : s.clock.Now();
      nextPts = pts + duration;
      if (!tried) Open(s, frame);
      const auto cancelled = [&] { return s.halted.load() || s.serial.load() != current; };
      bool device;
      {
        std::lock_guard lock(s.outputMutex);
        device = s.output != nullptr;
      }
      if (!device) {
        // Nobody hears it: keep in time, so that the queue drains as it would.
        s.clock.WaitUntil(pts + duration, cancelled);
        return;
      }
      if (!s.clock.WaitUntil(pts - kSoundLead, cancelled)) return;
      if (!Convert(frame)) return;
      const double gain = s.muted ? 0.0 : s.volume.load();
      if (gain < 1) {
        for (std::int16_t& v : samples) v = static_cast<std::int16_t>(std::lround(v * gain));
      }
      if (!std::isfinite(basePts)) basePts = pts;
      const std::function<bool()> stop = cancelled;
      // Only this thread writes; the control may pause or reset the device meanwhile.
      if (!s.output->Write(samples.data(), samples.size() / channels, stop)) return;
      const double heard = basePts + s.output->Played();
      if (s.clock.Running() && std::fabs(s.clock.Now() - heard) > kSoundDrift) s.clock.Set(heard);
    }

    void Finish(Session& s) {
      std::lock_guard lock(s.outputMutex);
      if (s.output) s.output->Flush();
    }
  };

  // ---------------------------------------------------------------------------------------
  // Calls from the control

  void SetPaused(bool on) {
    {
      std::lock_guard lock(controlMutex);
      if (paused == on) return;
      paused = on;
      if (!buffering) {
        if (on) {
          clock.Stop();
        } else {
          clock.Start();
        }
      }
    }
    {
      std::lock_guard lock(outputMutex);
      if (output) output->Pause(on);
    }
    PlaybackState state;
    {
      std::lock_guard lock(statusMutex);
      state = status.state;
    }
    if (state == PlaybackState::Playing || state == PlaybackState::Paused) {
      SetState(on ? PlaybackState::Paused : PlaybackState::Playing);
    }
  }

  void RequestSeek(double seconds) {
    seekTarget = std::max(0.0, seconds);
    seekRequested = true;
    readerWake.notify_all();
    videoQueue.Wake();
    audioQueue.Wake();
    clock.Wake();
  }

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

// -----------------------------------------------------------------------------------------

PlaybackEngine::PlaybackEngine(Listener& listener) : listener_(listener) {}

PlaybackEngine::~PlaybackEngine() {
  Close();
}

void PlaybackEngine::Open(std::u16string_view address, const EngineSettings& settings) {
  Close();
  InitializeFfmpeg();
  auto session = std::make_shared<Session>(listener_, NormalizeAddress(address), settings);
  session->volume = volume_;
  session->muted = muted_;
  session->pictureWidth = pictureWidth_;
  session->pictureHeight = pictureHeight_;
  session_ = session;
  session->Start(&Session::Read);
}

void PlaybackEngine::Close() {
  if (!session_) return;
  session_->Abort();
  session_->Release(kCloseWait);
  session_.reset();
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
  if (session_) {
    session_->volume = volume_;
    session_->muted = muted_;
  }
}

void PlaybackEngine::SetPictureSize(int width, int height) {
  pictureWidth_ = std::max(0, width);
  pictureHeight_ = std::max(0, height);
  if (session_) {
    session_->pictureWidth = pictureWidth_;
    session_->pictureHeight = pictureHeight_;
  }
}

PlaybackStatus PlaybackEngine::Status() const {
  return session_ ? session_->Snapshot() : PlaybackStatus{};
}

std::mutex& PlaybackEngine::PictureMutex() const {
  return session_->pictureMutex;
}

const Picture* PlaybackEngine::CurrentPicture() const {
  return &session_->picture;
}

}  // namespace telvana::player
