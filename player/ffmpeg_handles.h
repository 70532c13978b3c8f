// Owning wrappers for FFmpeg's objects, so that every path frees them once.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

namespace telvana::player::av {

struct PacketDeleter {
  void operator()(AVPacket* p) const { av_packet_free(&p); }
};
struct FrameDeleter {
  void operator()(AVFrame* f) const { av_frame_free(&f); }
};
struct CodecContextDeleter {
  void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
};
struct SwrDeleter {
  void operator()(SwrContext* s) const { swr_free(&s); }
};
struct SwsDeleter {
  void operator()(SwsContext* s) const { sws_freeContext(s); }
};

using Packet = std::unique_ptr<AVPacket, PacketDeleter>;
using Frame = std::unique_ptr<AVFrame, FrameDeleter>;
using CodecContext = std::unique_ptr<AVCodecContext, CodecContextDeleter>;
using Resampler = std::unique_ptr<SwrContext, SwrDeleter>;
using Scaler = std::unique_ptr<SwsContext, SwsDeleter>;

// Reading that starts with bytes already read from another I/O context (the first bytes of
// an HTTP body, looked at to tell a metafile from a stream) and goes on with that context,
// so that the connection is used once. Seeks go to the inner context when it can seek (the
// server honours byte ranges). With `seekWithoutRanges`, a body of known length from a
// server that ignores ranges (it answers every request with the whole body) seeks too,
// within a limit: forward by reading on, backward by asking for the body again and reading
// up to the place. That is what a progressive MP4 whose index lies at its end needs; other
// formats are better off without it (a WAV or MP3 reader that may seek would read the whole
// body before playing, to look at what follows the samples).
class ReplayingIo {
 public:
  // Takes `inner`; `url` and `interrupt` are for asking again.
  ReplayingIo(AVIOContext* inner, std::string head, std::string url, AVIOInterruptCB interrupt,
              bool seekWithoutRanges);
  ~ReplayingIo();
  ReplayingIo(const ReplayingIo&) = delete;
  ReplayingIo& operator=(const ReplayingIo&) = delete;
  AVIOContext* get() const { return outer_; }

 private:
  static int Read(void* opaque, std::uint8_t* buffer, int size);
  static std::int64_t Seek(void* opaque, std::int64_t offset, int whence);
  // Seeking where the inner context cannot: reads on, or opens the address again.
  std::int64_t SeekByReading(std::int64_t offset);

  AVIOContext* inner_;
  std::string url_;
  AVIOInterruptCB interrupt_;
  bool inner_seeks_ = false;
  AVIOContext* outer_ = nullptr;
  std::string head_;
  std::size_t position_ = 0;  // in head_, while it is being replayed
};

// An opened input: the format context, and the I/O context when we made it, which the
// format context then does not own.
class Input {
 public:
  Input() = default;
  Input(const Input&) = delete;
  Input& operator=(const Input&) = delete;
  ~Input() { Reset(); }

  AVFormatContext* get() const { return format_; }
  AVFormatContext* operator->() const { return format_; }
  explicit operator bool() const { return format_ != nullptr; }

  void Reset() {
    if (format_) avformat_close_input(&format_);
    io_.reset();
  }
  void Adopt(AVFormatContext* format, std::unique_ptr<ReplayingIo> io) {
    Reset();
    format_ = format;
    io_ = std::move(io);
  }

 private:
  AVFormatContext* format_ = nullptr;
  std::unique_ptr<ReplayingIo> io_;
};

}  // namespace telvana::player::av
