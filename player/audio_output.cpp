#include "player/audio_output.h"

#include <algorithm>
#include <cstring>

namespace telvana::player {

std::unique_ptr<AudioOutput> AudioOutput::Open(int sampleRate, int channels) {
  if (sampleRate <= 0 || channels < 1 || channels > 2) return nullptr;
  if (::waveOutGetNumDevs() == 0) return nullptr;
  WAVEFORMATEX format{};
  format.wFormatTag = WAVE_FORMAT_PCM;
  format.nChannels = static_cast<WORD>(channels);
  format.nSamplesPerSec = static_cast<DWORD>(sampleRate);
  format.wBitsPerSample = 16;
  format.nBlockAlign = static_cast<WORD>(channels * 2);
  format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;
  HANDLE done = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);
  if (!done) return nullptr;
  HWAVEOUT device = nullptr;
  if (::waveOutOpen(&device, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(done), 0,
                    CALLBACK_EVENT) != MMSYSERR_NOERROR) {
    ::CloseHandle(done);
    return nullptr;
  }
  return std::unique_ptr<AudioOutput>(new AudioOutput(device, done, sampleRate, channels));
}

AudioOutput::AudioOutput(HWAVEOUT device, HANDLE done, int sampleRate, int channels)
    : device_(device), done_(done), sample_rate_(sampleRate), channels_(channels) {
  const std::size_t frames = static_cast<std::size_t>(sampleRate) * kBufferMilliseconds / 1000;
  for (int i = 0; i < kBuffers; ++i) {
    buffers_[i].resize(frames * channels);
    WAVEHDR& h = headers_[i];
    h.lpData = reinterpret_cast<LPSTR>(buffers_[i].data());
    h.dwBufferLength = static_cast<DWORD>(buffers_[i].size() * sizeof(std::int16_t));
    ::waveOutPrepareHeader(device_, &h, sizeof h);
  }
}

AudioOutput::~AudioOutput() {
  ::waveOutReset(device_);
  for (WAVEHDR& h : headers_) ::waveOutUnprepareHeader(device_, &h, sizeof h);
  ::waveOutClose(device_);
  ::CloseHandle(done_);
}

bool AudioOutput::Idle(int index) const {
  return !queued_[index] || (headers_[index].dwFlags & WHDR_DONE);
}

bool AudioOutput::Write(const std::int16_t* samples, std::size_t frames,
                        const std::function<bool()>& cancelled) {
  const std::size_t capacity = buffers_[0].size() / channels_;
  while (frames > 0) {
    while (!Idle(next_)) {
      if (cancelled()) return false;
      ::WaitForSingleObject(done_, 20);
    }
    queued_[next_] = false;
    const std::size_t n = std::min(frames, capacity - fill_);
    std::memcpy(buffers_[next_].data() + fill_ * channels_, samples,
                n * channels_ * sizeof(std::int16_t));
    fill_ += n;
    samples += n * channels_;
    frames -= n;
    frames_written_ += n;
    if (fill_ == capacity) {
      WAVEHDR& h = headers_[next_];
      h.dwBufferLength = static_cast<DWORD>(capacity * channels_ * sizeof(std::int16_t));
      h.dwFlags &= ~WHDR_DONE;
      ::waveOutWrite(device_, &h, sizeof h);
      queued_[next_] = true;
      next_ = (next_ + 1) % kBuffers;
      fill_ = 0;
    }
  }
  return true;
}

void AudioOutput::Flush() {
  if (fill_ == 0 || !Idle(next_)) return;
  WAVEHDR& h = headers_[next_];
  h.dwBufferLength = static_cast<DWORD>(fill_ * channels_ * sizeof(std::int16_t));
  h.dwFlags &= ~WHDR_DONE;
  ::waveOutWrite(device_, &h, sizeof h);
  queued_[next_] = true;
  next_ = (next_ + 1) % kBuffers;
  fill_ = 0;
}

double AudioOutput::Played() const {
  MMTIME time{};
  time.wType = TIME_SAMPLES;
  if (::waveOutGetPosition(device_, &time, sizeof time) != MMSYSERR_NOERROR) return Written();
  std::uint64_t samples = time.wType == TIME_SAMPLES ? time.u.sample
                          : time.wType == TIME_BYTES ? time.u.cb / (channels_ * 2)
                                                     : 0;
  samples = samples >= played_base_ ? samples - played_base_ : 0;
  return static_cast<double>(samples) / sample_rate_;
}

void AudioOutput::Pause(bool paused) {
  if (paused) {
    ::waveOutPause(device_);
  } else {
    ::waveOutRestart(device_);
  }
}

void AudioOutput::Reset() {
  ::waveOutReset(device_);  // returns every queued buffer, marked done
  queued_.fill(false);
  fill_ = 0;
  frames_written_ = 0;
  // Played() counts from here, whether or not the driver starts its count again.
  played_base_ = 0;
  MMTIME time{};
  time.wType = TIME_SAMPLES;
  if (::waveOutGetPosition(device_, &time, sizeof time) == MMSYSERR_NOERROR &&
      time.wType == TIME_SAMPLES) {
    played_base_ = time.u.sample;
  }
}

}  // namespace telvana::player
