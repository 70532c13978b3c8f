// The sound thread: decodes, converts to 16-bit samples and plays them; without a sound
// device it drops them in time with the clock.
#include "player/playback_session.h"

#include <cmath>
#include <functional>

namespace telvana::player {

namespace {

using namespace std::chrono_literals;

// Sound is written this far ahead of the clock; the device's buffers hold about as much.
constexpr double kSoundLead = 0.3;
// The clock follows the sound when they drift further apart than this.
constexpr double kSoundDrift = 0.08;

}  // namespace

struct PlaybackEngine::Session::Sound {
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

void PlaybackEngine::Session::PlayAudio() {
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

}  // namespace telvana::player
