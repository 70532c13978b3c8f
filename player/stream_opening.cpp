// Reaching a stream: each transport of an address in turn, metafiles read and their entries
// tried in order, the header read and the decoders opened; failures told apart.
#include "player/playback_session.h"

#include "player/address.h"

namespace telvana::player {

namespace {

// The first bytes of an HTTP body tell a metafile from a stream.
constexpr std::size_t kHeadBytes = 4096;
// Metafiles that list metafiles: no deeper than this.
constexpr int kMaxMetafileDepth = 3;

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

}  // namespace

// Reaching the stream

AVDictionary* PlaybackEngine::Session::OptionsFor(const std::string& url) {
  AVDictionary* options = nullptr;
  const std::string scheme = SchemeOf(url);
  if (scheme == "rtsp") av_dict_set(&options, "rtsp_transport", "tcp", 0);  // passes firewalls
  if (scheme == "http") av_dict_set(&options, "icy", "0", 0);
  return options;
}

std::string PlaybackEngine::Session::ReadUpTo(AVIOContext* io, std::size_t limit) {
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

bool PlaybackEngine::Session::OpenAny(const std::string& target, int depth,
                                      PlaybackFailure& failure) {
  const std::vector<std::string> candidates = TransportCandidates(target);
  if (candidates.empty()) Note(failure, PlaybackFailure::UnsupportedAddress);
  for (const std::string& url : candidates) {
    if (halted) return false;
    if (OpenCandidate(url, depth, failure)) return true;
  }
  return false;
}

bool PlaybackEngine::Session::OpenCandidate(const std::string& url, int depth,
                                            PlaybackFailure& failure) {
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

bool PlaybackEngine::Session::OpenMetafile(MetafileKind kind, const std::string& text,
                                           const std::string& url, int depth,
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

av::CodecContext PlaybackEngine::Session::OpenDecoder(AVMediaType type, int& index) {
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

bool PlaybackEngine::Session::OpenDecoders() {
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

}  // namespace telvana::player
