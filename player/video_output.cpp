// The video thread: decodes, waits for each picture's time, scales it for the screen.
#include "player/playback_session.h"

#include <cmath>

namespace telvana::player {

namespace {

using namespace std::chrono_literals;

// A picture later than this is dropped, unless many in a row were.
constexpr double kLatePicture = 0.15;
constexpr int kMaxDropsInRow = 8;
// Pictures are never scaled beyond this (a size from a damaged header).
constexpr int kMaxPictureSide = 4096;

}  // namespace

void PlaybackEngine::Session::PlayVideo() {
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

void PlaybackEngine::Session::Present(const AVFrame& frame, AVRational base, int current,
                                      bool& shown, int& dropsInRow, av::Scaler& scaler,
                                      std::vector<std::uint32_t>& scratch) {
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

void PlaybackEngine::Session::Show(const AVFrame& frame, av::Scaler& scaler,
                                   std::vector<std::uint32_t>& scratch) {
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

}  // namespace telvana::player
