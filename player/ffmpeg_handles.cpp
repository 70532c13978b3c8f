#include "player/ffmpeg_handles.h"

#include <algorithm>
#include <cstring>

namespace telvana::player::av {

namespace {
constexpr int kBufferSize = 32 * 1024;
// A server that ignores ranges makes every seek cost the bytes up to its place; no further
// than this (a demuxer then does without, as with any stream that cannot seek).
constexpr std::int64_t kMaxReadToSeek = 32 << 20;

// Reads and drops `count` bytes; false when the body ends or fails first.
bool Skip(AVIOContext* io, std::int64_t count) {
  std::uint8_t scratch[16384];
  while (count > 0) {
    const int n =
        avio_read(io, scratch, static_cast<int>(std::min<std::int64_t>(count, sizeof scratch)));
    if (n <= 0) return false;
    count -= n;
  }
  return true;
}
}  // namespace

ReplayingIo::ReplayingIo(AVIOContext* inner, std::string head, std::string url,
                         AVIOInterruptCB interrupt, bool seekWithoutRanges)
    : inner_(inner), url_(std::move(url)), interrupt_(interrupt), head_(std::move(head)) {
  inner_seeks_ = (inner_->seekable & AVIO_SEEKABLE_NORMAL) != 0;
  auto* buffer = static_cast<unsigned char*>(av_malloc(kBufferSize));
  if (buffer) outer_ = avio_alloc_context(buffer, kBufferSize, 0, this, &Read, nullptr, &Seek);
  if (outer_) {
    // A live stream has no length and cannot seek; a file of known length can, one way or
    // the other, when asked to.
    outer_->seekable =
        inner_seeks_ || (seekWithoutRanges && avio_size(inner_) > 0) ? AVIO_SEEKABLE_NORMAL : 0;
  } else {
    av_free(buffer);
  }
}

ReplayingIo::~ReplayingIo() {
  if (outer_) {
    av_freep(&outer_->buffer);
    avio_context_free(&outer_);
  }
  avio_closep(&inner_);
}

int ReplayingIo::Read(void* opaque, std::uint8_t* buffer, int size) {
  auto* self = static_cast<ReplayingIo*>(opaque);
  if (self->position_ < self->head_.size()) {
    const std::size_t n =
        std::min<std::size_t>(static_cast<std::size_t>(size), self->head_.size() - self->position_);
    std::memcpy(buffer, self->head_.data() + self->position_, n);
    self->position_ += n;
    return static_cast<int>(n);
  }
  const int n = avio_read_partial(self->inner_, buffer, size);
  return n == 0 ? AVERROR_EOF : n;
}

std::int64_t ReplayingIo::Seek(void* opaque, std::int64_t offset, int whence) {
  auto* self = static_cast<ReplayingIo*>(opaque);
  if (whence & AVSEEK_SIZE) return avio_size(self->inner_);
  if ((whence & ~AVSEEK_FORCE) != SEEK_SET || offset < 0) return AVERROR(EINVAL);
  const auto headSize = static_cast<std::int64_t>(self->head_.size());
  if (offset < headSize) {
    // Back into the replayed bytes: the inner context must stand right after them.
    if (avio_tell(self->inner_) != headSize) {
      const std::int64_t result = self->inner_seeks_ ? avio_seek(self->inner_, headSize, SEEK_SET)
                                                     : self->SeekByReading(headSize);
      if (result < 0) return AVERROR(EIO);
    }
    self->position_ = static_cast<std::size_t>(offset);
    return offset;
  }
  if (!self->inner_seeks_) return self->SeekByReading(offset);
  const std::int64_t result = avio_seek(self->inner_, offset, SEEK_SET);
  if (result < 0) return result;
  self->position_ = self->head_.size();
  return offset;
}

std::int64_t ReplayingIo::SeekByReading(std::int64_t offset) {
  const std::int64_t at = avio_tell(inner_);
  if (offset >= at && offset - at <= kMaxReadToSeek) {
    if (!Skip(inner_, offset - at)) return AVERROR(EIO);
  } else {
    if (offset > kMaxReadToSeek) return AVERROR(ESPIPE);
    AVIOContext* again = nullptr;
    AVDictionary* options = nullptr;
    av_dict_set(&options, "icy", "0", 0);
    const int error = avio_open2(&again, url_.c_str(), AVIO_FLAG_READ, &interrupt_, &options);
    av_dict_free(&options);
    if (error < 0) return error;
    if (!Skip(again, offset)) {
      avio_closep(&again);
      return AVERROR(EIO);
    }
    avio_closep(&inner_);
    inner_ = again;
  }
  position_ = head_.size();
  return offset;
}

}  // namespace telvana::player::av
