// Reaching a stream: each transport of an address in turn, metafiles read and their entries
// tried in order, the header read and the decoders opened; failures told apart.
#include "player/stream_opening.h"

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
    case PlaybackFailure::UnsupportedTransport:
      return 5;
    case PlaybackFailure::UntrustedCertificate:
      return 6;
    case PlaybackFailure::NotFound:
      return 7;
    case PlaybackFailure::Undecodable:
      return 8;
  }
  return 0;
}

// When several addresses fail, the most telling failure is reported.
void Note(PlaybackFailure& kept, PlaybackFailure f) {
  if (Rank(f) > Rank(kept)) kept = f;
}

// What FFmpeg's SChannel TLS, as tools/build-ffmpeg.sh builds it, returns when the system does
// not accept the server's certificate.
constexpr int kCertificateRejected = FFERRTAG(0xF8, 'C', 'R', 'T');

PlaybackFailure FailureOf(int error, bool timedOut) {
  if (timedOut) return PlaybackFailure::NoAnswer;
  switch (error) {
    case kCertificateRejected:
      return PlaybackFailure::UntrustedCertificate;
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
    case AVERROR(EPROTONOSUPPORT):  // what FFmpeg makes of RTSP's "461 Unsupported transport"
      return PlaybackFailure::UnsupportedTransport;
    case AVERROR_EOF:
      return PlaybackFailure::NoAnswer;  // the server took the connection and said nothing
    case AVERROR(ETIMEDOUT):             // the connection itself timed out: nobody at that address
    default:
      return PlaybackFailure::Unreachable;
  }
}

AVDictionary* OptionsFor(const std::string& url, Transport transport) {
  AVDictionary* options = nullptr;
  if (transport == Transport::RtspOverTcp) av_dict_set(&options, "rtsp_transport", "tcp", 0);
  if (transport == Transport::RtspOverUdp) av_dict_set(&options, "rtsp_transport", "udp", 0);
  if (const std::string scheme = SchemeOf(url); scheme == "http" || scheme == "https")
    av_dict_set(&options, "icy", "0", 0);
  return options;
}

// An MP4 (or QuickTime, 3GP) file begins with a box: four bytes of size, then its type.
bool IsIsoMediaFile(std::string_view head) {
  if (head.size() < 8) return false;
  const std::string_view type = head.substr(4, 4);
  return type == "ftyp" || type == "moov" || type == "mdat" || type == "free" || type == "wide" ||
         type == "skip";
}

bool IsPlaylistOfSegments(std::string_view head) {
  if (head.starts_with("\xEF\xBB\xBF")) head.remove_prefix(3);
  return head.starts_with("#EXTM3U");
}

}  // namespace

bool StreamOpening::Open(const std::string& address, OpenedStream& out) {
  failure_ = PlaybackFailure::None;
  if (OpenAny(address, 0, out)) return true;
  if (failure_ == PlaybackFailure::None) failure_ = PlaybackFailure::Unreachable;
  return false;
}

void StreamOpening::Record(const std::string& url, Transport transport, int depth,
                           PlaybackFailure result, std::chrono::steady_clock::time_point start) {
  Note(failure_, result);
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  board_.Update([&](PlaybackStatus& s) {
    s.attempts.push_back(OpenAttempt{url, transport, result, took.count(), depth});
    if (result == PlaybackFailure::None && transport != Transport::Metafile) s.playing = url;
  });
}

std::string StreamOpening::ReadUpTo(AVIOContext* io, std::size_t limit) {
  std::string data;
  std::uint8_t buffer[4096];
  while (data.size() < limit && !cancel_.Halted()) {
    const int want = static_cast<int>(std::min(sizeof buffer, limit - data.size()));
    const int n = avio_read_partial(io, buffer, want);
    if (n <= 0) break;
    data.append(reinterpret_cast<const char*>(buffer), static_cast<std::size_t>(n));
  }
  return data;
}

bool StreamOpening::OpenAny(const std::string& target, int depth, OpenedStream& out) {
  const std::vector<TransportCandidate> candidates = TransportPlan(target);
  if (candidates.empty()) Note(failure_, PlaybackFailure::UnsupportedAddress);
  for (const TransportCandidate& c : candidates) {
    if (cancel_.Halted()) return false;
    if (OpenCandidate(c.url, c.transport, depth, out)) return true;
  }
  return false;
}

bool StreamOpening::OpenCandidate(const std::string& url, Transport transport, int depth,
                                  OpenedStream& out) {
  const auto start = std::chrono::steady_clock::now();
  const auto fail = [&](PlaybackFailure f) {
    Record(url, transport, depth, f, start);
    return false;
  };
  std::unique_ptr<av::ReplayingIo> io;
  if (transport == Transport::Http) {
    AVIOContext* raw = nullptr;
    AVDictionary* options = OptionsFor(url, transport);
    const AVIOInterruptCB interrupt = cancel_.Callback();
    cancel_.Arm(settings_.connectTimeout);
    const int error = avio_open2(&raw, url.c_str(), AVIO_FLAG_READ, &interrupt, &options);
    av_dict_free(&options);
    if (error < 0) return fail(FailureOf(error, cancel_.TimedOut()));
    std::string head = ReadUpTo(raw, kHeadBytes);
    const MetafileKind kind = SniffMetafile(head);
    if (kind != MetafileKind::None) {
      head += ReadUpTo(raw, kMaxMetafileBytes - head.size());
      avio_closep(&raw);
      Record(url, Transport::Metafile, depth, PlaybackFailure::None, start);
      return OpenMetafile(kind, head, url, depth, out);
    }
    if (head.empty()) {
      avio_closep(&raw);
      return fail(cancel_.TimedOut() ? PlaybackFailure::NoAnswer : PlaybackFailure::Undecodable);
    }
    if (IsPlaylistOfSegments(head)) transport = Transport::Hls;
    const bool mp4 = IsIsoMediaFile(head);
    io = std::make_unique<av::ReplayingIo>(raw, std::move(head), url, cancel_.Callback(), mp4);
    if (!io->get()) return fail(PlaybackFailure::Undecodable);
  }
  AVFormatContext* format = avformat_alloc_context();
  if (!format) return fail(PlaybackFailure::Undecodable);
  format->interrupt_callback = cancel_.Callback();
  format->probesize = 1 << 20;
  format->max_analyze_duration = AV_TIME_BASE;
  if (io) {
    format->pb = io->get();
    format->flags |= AVFMT_FLAG_CUSTOM_IO;
  }
  AVDictionary* options = OptionsFor(url, transport);
  cancel_.Arm(settings_.connectTimeout);
  int error =
      avformat_open_input(&format, url.c_str(), nullptr, &options);  // frees `format` on failure
  av_dict_free(&options);
  if (error < 0) return fail(FailureOf(error, cancel_.TimedOut()));
  out.input.Adopt(format, std::move(io));
  error = avformat_find_stream_info(format, nullptr);
  if (error < 0 || cancel_.Halted()) {
    const PlaybackFailure f = FailureOf(error < 0 ? error : AVERROR_EXIT, cancel_.TimedOut());
    out.input.Reset();
    return fail(f);
  }
  if (!OpenDecoders(out)) {
    out.input.Reset();
    return fail(PlaybackFailure::Undecodable);
  }
  Record(url, transport, depth, PlaybackFailure::None, start);
  return true;
}

bool StreamOpening::OpenMetafile(MetafileKind kind, const std::string& text, const std::string& url,
                                 int depth, OpenedStream& out) {
  const std::vector<std::string> entries =
      depth < kMaxMetafileDepth ? ParseMetafile(kind, text, url) : std::vector<std::string>{};
  if (entries.empty()) Note(failure_, PlaybackFailure::NothingToPlay);
  for (const std::string& entry : entries) {
    if (cancel_.Halted()) return false;
    if (OpenAny(entry, depth + 1, out)) return true;
  }
  return false;
}

namespace {

av::CodecContext OpenDecoder(AVFormatContext* input, AVMediaType type, int& index) {
  const AVCodec* codec = nullptr;
  index = av_find_best_stream(input, type, -1, -1, &codec, 0);
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

}  // namespace

bool StreamOpening::OpenDecoders(OpenedStream& out) {
  AVFormatContext* f = out.input.get();
  out.video_codec = OpenDecoder(f, AVMEDIA_TYPE_VIDEO, out.video_index);
  if (!out.video_codec) out.video_index = -1;
  out.audio_codec = OpenDecoder(f, AVMEDIA_TYPE_AUDIO, out.audio_index);
  if (!out.audio_codec) out.audio_index = -1;
  if (!out.video_codec && !out.audio_codec) return false;
  if (out.video_codec) out.video_base = f->streams[out.video_index]->time_base;
  if (out.audio_codec) out.audio_base = f->streams[out.audio_index]->time_base;
  out.start_time =
      f->start_time == AV_NOPTS_VALUE ? 0 : static_cast<double>(f->start_time) / AV_TIME_BASE;
  const double duration = f->duration > 0 ? static_cast<double>(f->duration) / AV_TIME_BASE : 0;
  const bool seekable =
      duration > 0 && ((f->pb && (f->pb->seekable & AVIO_SEEKABLE_NORMAL)) ||
                       (!f->pb && (f->iformat->read_seek || f->iformat->read_seek2)));
  board_.Update([&](PlaybackStatus& s) {
    s.hasVideo = out.video_codec != nullptr;
    s.hasAudio = out.audio_codec != nullptr;
    s.duration = duration;
    s.seekable = seekable;
    s.container = f->iformat && f->iformat->name ? f->iformat->name : "";
    s.videoCodec = out.video_codec ? avcodec_get_name(out.video_codec->codec_id) : "";
    s.audioCodec = out.audio_codec ? avcodec_get_name(out.audio_codec->codec_id) : "";
    s.bitRate = f->bit_rate > 0 ? f->bit_rate : 0;
    if (out.video_codec) {
      AVStream* stream = f->streams[out.video_index];
      s.videoWidth = out.video_codec->width;
      s.videoHeight = out.video_codec->height;
      const AVRational sar = av_guess_sample_aspect_ratio(f, stream, nullptr);
      s.sampleAspect = sar.num > 0 && sar.den > 0 ? av_q2d(sar) : 1.0;
    }
  });
  return true;
}

}  // namespace telvana::player
