// Sound to the platform's output: 16-bit interleaved samples to waveOut. Where there is no
// sound device (as on our test machines) Open returns nothing, and the player goes on
// silently, timing its video by the clock alone.
#pragma once

#include <windows.h>

#include <mmsystem.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace telvana::player {

class AudioOutput {
 public:
  // A device opened for `sampleRate` samples a second of `channels` (1 or 2) channels, or
  // nothing when no device takes that format.
  static std::unique_ptr<AudioOutput> Open(int sampleRate, int channels);
  ~AudioOutput();
  AudioOutput(const AudioOutput&) = delete;
  AudioOutput& operator=(const AudioOutput&) = delete;

  // Queues `frames` frames (a frame: one sample of each channel). Waits while every buffer
  // is queued; gives up, returning false, when `cancelled()` says so.
  bool Write(const std::int16_t* samples, std::size_t frames,
             const std::function<bool()>& cancelled);
  // Queues what is left in the buffer being filled (the end of a stream).
  void Flush();
  // Seconds of sound the device has played since it was opened or reset.
  double Played() const;
  // Seconds written since it was opened or reset.
  double Written() const { return static_cast<double>(frames_written_) / sample_rate_; }
  void Pause(bool paused);
  // Drops everything queued, at once.
  void Reset();

 private:
  static constexpr int kBuffers = 4;
  static constexpr int kBufferMilliseconds = 50;

  AudioOutput(HWAVEOUT device, HANDLE done, int sampleRate, int channels);
  bool Idle(int index) const;

  HWAVEOUT device_;
  HANDLE done_;  // signalled by the device whenever it finishes a buffer
  int sample_rate_;
  int channels_;
  std::array<WAVEHDR, kBuffers> headers_{};
  std::array<std::vector<std::int16_t>, kBuffers> buffers_;
  std::array<bool, kBuffers> queued_{};
  int next_ = 0;
  std::size_t fill_ = 0;  // frames already in buffers_[next_], not yet queued
  std::uint64_t frames_written_ = 0;
  std::uint64_t played_base_ = 0;  // the device's count at the last reset
};

}  // namespace telvana::player
