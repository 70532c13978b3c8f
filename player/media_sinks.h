// The two outputs of a session, each run by a thread of its own: the video sink decodes
// pictures, waits for each one's time and scales it for the screen; the sound sink decodes,
// converts to 16-bit samples and plays them (without a sound device it drops them in time
// with the clock). Each owns its state behind its own lock; what they need of the session
// comes through DecodingFeed. Internal to the engine.
#pragma once

#include <atomic>
#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "player/audio_output.h"
#include "player/ffmpeg_handles.h"
#include "player/media_clock.h"
#include "player/media_queue.h"
#include "player/playback_engine.h"
#include "player/status_board.h"

namespace telvana::player {

using PacketQueue = MediaQueue<av::Packet>;

// Media time in seconds of a timestamp; NaN when there is none.
inline double Seconds(std::int64_t ts, AVRational base) {
  return ts == AV_NOPTS_VALUE ? NAN : static_cast<double>(ts) * av_q2d(base);
}

// What a sink needs of its session.
class DecodingFeed {
 public:
  virtual bool Halted() const = 0;
  // The seek generation; packets and pictures of an older one are dropped.
  virtual int Serial() const = 0;
  virtual MediaClock& Clock() = 0;
  // Media time of the stream's first packet, taken off every timestamp.
  virtual double StartTime() const = 0;
  // A frame came out of a decoder.
  virtual void NoteDecoded() = 0;
  virtual void NoteDecodeError() = 0;
  // The sink found its queue empty while the clock runs: the network fell behind.
  virtual void NoteEmpty(const PacketQueue& queue) = 0;
  // The sink decoded the last packet of its stream (it waits on, for a seek).
  virtual void NoteEnd(const PacketQueue& queue) = 0;

 protected:
  ~DecodingFeed() = default;
};

// The loop each sink runs on its thread until the session halts: every packet of the current
// seek generation through the decoder. `restart` runs when a new generation begins (the
// decoder flushed), `use` with each decoded frame and its generation, `finished` after the
// stream's last packet, before the feed hears of the end.
void DecodePackets(DecodingFeed& feed, PacketQueue& queue, AVCodecContext* codec,
                   const std::function<void()>& restart,
                   const std::function<void(const AVFrame&, int)>& use,
                   const std::function<void()>& finished);

class VideoSink {
 public:
  VideoSink(DecodingFeed& feed, StatusBoard& board) : feed_(feed), board_(board) {}

  // The size pictures are scaled to; 0 x 0: their own. Any thread.
  void SetSize(int width, int height) {
    width_ = width;
    height_ = height;
  }
  // The video thread: runs until the session halts.
  void Run(PacketQueue& queue, AVCodecContext* codec, AVRational base);
  // The picture shown, read under its lock.
  std::mutex& PictureMutex() { return picture_mutex_; }
  const Picture& CurrentPicture() const { return picture_; }

 private:
  void Present(const AVFrame& frame, AVRational base, int current);
  void Show(const AVFrame& frame);

  DecodingFeed& feed_;
  StatusBoard& board_;
  std::atomic<int> width_{0}, height_{0};
  std::mutex picture_mutex_;
  Picture picture_;
  // The video thread's own.
  av::Scaler scaler_;
  std::vector<std::uint32_t> scratch_;
  bool shown_ = false;
  int drops_in_row_ = 0;
};

class SoundSink {
 public:
  SoundSink(DecodingFeed& feed, StatusBoard& board);
  ~SoundSink();

  // Any thread.
  void SetVolume(double volume, bool muted) {
    volume_ = volume;
    muted_ = muted;
  }
  void Pause(bool on);
  // The sound thread: runs until the session halts.
  void Run(PacketQueue& queue, AVCodecContext* codec, AVRational base);

 private:
  struct Converter;
  void OpenDevice(const AVFrame& frame);
  void Restart();
  void Play(const AVFrame& frame, AVRational base, int current);
  void Finish();

  DecodingFeed& feed_;
  StatusBoard& board_;
  std::atomic<double> volume_{1};
  std::atomic<bool> muted_{false};
  std::mutex output_mutex_;  // the device and its pause, set by the control while it plays
  std::unique_ptr<AudioOutput> output_;
  bool paused_ = false;
  // The sound thread's own.
  std::unique_ptr<Converter> converter_;
  bool tried_ = false;
  int channels_ = 0;
  double next_pts_ = NAN;
  double base_pts_ = NAN;  // media time of the first sample written since the last restart
};

}  // namespace telvana::player
