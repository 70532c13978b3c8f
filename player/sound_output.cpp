// The sound thread: decodes, converts to 16-bit samples and plays them; without a sound
// device it drops them in time with the clock.
#include <cmath>
#include <functional>

#include "player/media_sinks.h"

namespace telvana::player {

namespace {

// Sound is written this far ahead of the clock; the device's buffers hold about as much.
constexpr double kSoundLead = 0.3;
// The clock follows the sound when they drift further apart than this.
constexpr double kSoundDrift = 0.08;

}  // namespace

// Decoded samples to interleaved 16-bit ones at the device's channel count.
struct SoundSink::Converter {
  av::Resampler resampler;
  int in_rate = 0, in_format = -1;
  AVChannelLayout in_layout{};
  std::vector<std::int16_t> samples;

  ~Converter() { av_channel_layout_uninit(&in_layout); }

  bool Convert(const AVFrame& frame, int channels) {
    if (!resampler || frame.sample_rate != in_rate || frame.format != in_format ||
        av_channel_layout_compare(&frame.ch_layout, &in_layout) != 0) {
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
      in_rate = frame.sample_rate;
      in_format = frame.format;
      av_channel_layout_uninit(&in_layout);
      av_channel_layout_copy(&in_layout, &frame.ch_layout);
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
};

SoundSink::SoundSink(DecodingFeed& feed, StatusBoard& board) : feed_(feed), board_(board) {}

SoundSink::~SoundSink() = default;

void SoundSink::Pause(bool on) {
  std::lock_guard lock(output_mutex_);
  paused_ = on;
  if (output_) output_->Pause(on);
}

void SoundSink::Restart() {
  next_pts_ = NAN;
  base_pts_ = NAN;
  std::lock_guard lock(output_mutex_);
  if (output_) output_->Reset();
}

void SoundSink::OpenDevice(const AVFrame& frame) {
  tried_ = true;
  channels_ = std::min(frame.ch_layout.nb_channels, 2);
  if (channels_ < 1) return;
  auto device = AudioOutput::Open(frame.sample_rate, channels_);
  const bool present = device != nullptr;
  {
    std::lock_guard lock(output_mutex_);
    output_ = std::move(device);
    if (output_ && paused_) output_->Pause(true);
  }
  board_.UpdateQuietly([&](PlaybackStatus& s) {
    s.soundDevice = present;
    return false;
  });
}

void SoundSink::Play(const AVFrame& frame, AVRational base, int current) {
  if (frame.sample_rate <= 0 || frame.nb_samples <= 0) return;
  MediaClock& clock = feed_.Clock();
  const double duration = static_cast<double>(frame.nb_samples) / frame.sample_rate;
  double pts = Seconds(frame.best_effort_timestamp, base) - feed_.StartTime();
  if (!std::isfinite(pts)) pts = std::isfinite(next_pts_) ? next_pts_ : clock.Now();
  next_pts_ = pts + duration;
  if (!tried_) OpenDevice(frame);
  const auto cancelled = [&] { return feed_.Halted() || feed_.Serial() != current; };
  bool device;
  {
    std::lock_guard lock(output_mutex_);
    device = output_ != nullptr;
  }
  if (!device) {
    // Nobody hears it: keep in time, so that the queue drains as it would.
    clock.WaitUntil(pts + duration, cancelled);
    return;
  }
  if (!clock.WaitUntil(pts - kSoundLead, cancelled)) return;
  if (!converter_->Convert(frame, channels_)) return;
  std::vector<std::int16_t>& samples = converter_->samples;
  const double gain = muted_ ? 0.0 : volume_.load();
  if (gain < 1) {
    for (std::int16_t& v : samples) v = static_cast<std::int16_t>(std::lround(v * gain));
  }
  if (!std::isfinite(base_pts_)) base_pts_ = pts;
  const std::function<bool()> stop = cancelled;
  // Only this thread writes or replaces the device; the control may pause it meanwhile.
  if (!output_->Write(samples.data(), samples.size() / channels_, stop)) return;
  const double heard = base_pts_ + output_->Played();
  if (clock.Running() && std::fabs(clock.Now() - heard) > kSoundDrift) clock.Set(heard);
}

void SoundSink::Finish() {
  std::lock_guard lock(output_mutex_);
  if (output_) output_->Flush();
}

void SoundSink::Run(PacketQueue& queue, AVCodecContext* codec, AVRational base) {
  converter_ = std::make_unique<Converter>();
  DecodePackets(
      feed_, queue, codec, [this] { Restart(); },
      [&](const AVFrame& frame, int current) { Play(frame, base, current); }, [this] { Finish(); });
  std::lock_guard lock(output_mutex_);
  output_.reset();
}

}  // namespace telvana::player
