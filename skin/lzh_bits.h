// The bit source of TLZH: bits most significant first from a 64-bit buffer whose top `held`
// bits are the next ones. Refills take eight bytes at once while they last, then single bytes;
// past the end of the input come zero bits.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <span>

namespace telvana::lzh {

class BitReader {
 public:
  explicit BitReader(std::span<const std::uint8_t> source)
      : next_(source.data()), end_(source.data() + source.size()) {}

  // At least 56 bits held afterwards.
  void Refill() {
    if (end_ - next_ >= 8) {
      std::uint64_t word;
      std::memcpy(&word, next_, sizeof word);
      // The bits below the bytes counted as taken are the next bytes' own bits, so the
      // next refill ORs the same values over them.
      buffer_ |= BigEndian(word) >> held_;
      next_ += (63 - held_) >> 3;
      held_ |= 56;
      return;
    }
    while (held_ <= 56) {
      if (next_ < end_) buffer_ |= std::uint64_t{*next_++} << (56 - held_);
      held_ += 8;
    }
  }

  int Held() const { return held_; }

  // The buffer, the next bits at its top. Past the bits held it holds the input's next bits
  // or zeros, which are not yet the zeros past the end: count on the held ones only.
  std::uint64_t Buffer() const { return buffer_; }

  // The next n (1 to 56) bits, not taken.
  std::uint32_t Peek(int n) const { return static_cast<std::uint32_t>(buffer_ >> (64 - n)); }

  // Takes n bits, no more than are held.
  void Skip(int n) {
    buffer_ <<= n;
    held_ -= n;
  }

 private:
  static std::uint64_t BigEndian(std::uint64_t word) {
    if constexpr (std::endian::native == std::endian::little) return __builtin_bswap64(word);
    return word;
  }

  const std::uint8_t* next_;
  const std::uint8_t* end_;
  std::uint64_t buffer_ = 0;
  int held_ = 0;
};

}  // namespace telvana::lzh
