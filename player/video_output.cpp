// The video thread: decodes, waits for each picture's time, scales it for the screen.
#include <algorithm>
#include <cmath>

#include "player/media_sinks.h"

namespace telvana::player {

namespace {

// A picture later than this is dropped, unless many in a row were.
constexpr double kLatePicture = 0.15;
constexpr int kMaxDropsInRow = 8;
// Pictures are never scaled beyond this (a size from a damaged header).
constexpr int kMaxPictureSide = 4096;

}  // namespace

void VideoSink::Run(PacketQueue& queue, AVCodecContext* codec, AVRational base) {
  DecodePackets(
      feed_, queue, codec, [this] { shown_ = false; },
      [&](const AVFrame& frame, int current) { Present(frame, base, current); }, nullptr);
}

void VideoSink::Present(const AVFrame& frame, AVRational base, int current) {
  const double pts = Seconds(frame.best_effort_timestamp, base) - feed_.StartTime();
  if (shown_ && std::isfinite(pts)) {
    const auto cancelled = [&] { return feed_.Halted() || feed_.Serial() != current; };
    if (!feed_.Clock().WaitUntil(pts, cancelled)) return;
    if (feed_.Clock().Now() - pts > kLatePicture && drops_in_row_ < kMaxDropsInRow) {
      ++drops_in_row_;
      board_.UpdateQuietly([](PlaybackStatus& s) {
        ++s.picturesDropped;
        return false;
      });
      return;
    }
  }
  // The first picture (after opening or seeking) is shown at once, while buffering.
  shown_ = true;
  drops_in_row_ = 0;
  Show(frame);
}

void VideoSink::Show(const AVFrame& frame) {
  if (frame.width <= 0 || frame.height <= 0) return;
  int width = width_, height = height_;
  if (width <= 0 || height <= 0) {
    const double aspect =
        frame.sample_aspect_ratio.num > 0 ? av_q2d(frame.sample_aspect_ratio) : 1.0;
    width = static_cast<int>(std::lround(frame.width * aspect));
    height = frame.height;
  }
  width = std::clamp(width, 1, kMaxPictureSide);
  height = std::clamp(height, 1, kMaxPictureSide);
  scaler_.reset(sws_getCachedContext(scaler_.release(), frame.width, frame.height,
                                     static_cast<AVPixelFormat>(frame.format), width, height,
                                     AV_PIX_FMT_BGRA, SWS_BILINEAR, nullptr, nullptr, nullptr));
  if (!scaler_) return;
  scratch_.resize(static_cast<std::size_t>(width) * height);
  std::uint8_t* planes[4] = {reinterpret_cast<std::uint8_t*>(scratch_.data()), nullptr, nullptr,
                             nullptr};
  int strides[4] = {width * 4, 0, 0, 0};
  sws_scale(scaler_.get(), frame.data, frame.linesize, 0, frame.height, planes, strides);
  {
    std::lock_guard lock(picture_mutex_);
    picture_.pixels.swap(scratch_);
    picture_.width = width;
    picture_.height = height;
    ++picture_.number;
  }
  board_.UpdateQuietly([&](PlaybackStatus& s) {
    const bool size_changed = s.videoWidth != frame.width || s.videoHeight != frame.height;
    s.videoWidth = frame.width;
    s.videoHeight = frame.height;
    return size_changed;
  });
  board_.NotifyPicture();
}

}  // namespace telvana::player
