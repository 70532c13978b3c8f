#include "player/ffmpeg_handles.h"

#include <algorithm>
#include <cstring>

namespace telvana::player::av {

namespace {
constexpr int kBufferSize = 32 * 1024;
}

ReplayingIo::ReplayingIo(AVIOContext* inner, std::string head)
    : inner_(inner), head_(std::move(head)) {
  auto* buffer = static_cast<unsigned char*>(av_malloc(kBufferSize));
  if (buffer) outer_ = avio_alloc_context(buffer, kBufferSize, 0, this, &Read, nullptr, &Seek);
  if (outer_) {
    outer_->seekable = inner_->seekable;
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
    if (avio_tell(self->inner_) != headSize && avio_seek(self->inner_, headSize, SEEK_SET) < 0)
      return AVERROR(EIO);
    self->position_ = static_cast<std::size_t>(offset);
    return offset;
  }
  const std::int64_t result = avio_seek(self->inner_, offset, SEEK_SET);
  if (result < 0) return result;
  self->position_ = self->head_.size();
  return offset;
}

}  // namespace telvana::player::av
