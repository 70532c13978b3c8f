#include "skin/lzh.h"

#include <algorithm>
#include <array>
#include <memory>
#include <new>

#include "skin/lzh_huffman.h"
#include "skin/lzh_params.h"
#include "skin/skin_error.h"

namespace telvana {
namespace {

using namespace lzh;

// Bits most significant first from a 16-bit buffer, topped up a byte at a time.
class BitReader {
 public:
  explicit BitReader(std::span<const std::uint8_t> source) : source_(source) {}

  int Bit() {
    Fill();
    const int bit = (buffer_ >> 15) & 1;
    buffer_ = (buffer_ << 1) & 0xFFFF;
    --held_;
    return bit;
  }

  int Byte() {
    Fill();
    const int byte = static_cast<int>(buffer_ >> 8);
    buffer_ = (buffer_ << 8) & 0xFFFF;
    held_ -= 8;
    return byte;
  }

 private:
  void Fill() {
    while (held_ <= 8) {
      const std::uint32_t next = pos_ < source_.size() ? source_[pos_++] : 0;
      buffer_ |= next << (8 - held_);
      held_ += 8;
    }
  }

  std::span<const std::uint8_t> source_;
  std::size_t pos_ = 0;
  std::uint32_t buffer_ = 0;
  int held_ = 0;
};

struct DecoderTables {
  HuffmanTree tree;
  std::array<std::uint8_t, kRingSize> ring{};
};

int DecodeSymbol(HuffmanTree& tree, BitReader& bits) {
  int c = tree.ChildOf(kRoot);
  while (c < kNodes) c = tree.ChildOf(c + bits.Bit());
  c -= kNodes;
  tree.Update(c);
  return c;
}

int DecodeDistance(BitReader& bits) {
  int i = bits.Byte();
  const int upper = kPositionTables.code[i] << 6;
  for (int extra = kPositionTables.length[i] - 2; extra > 0; --extra) i = (i << 1) | bits.Bit();
  return upper | (i & 63);
}

std::unique_ptr<DecoderTables> AllocateTables() {
  try {
    return std::make_unique<DecoderTables>();
  } catch (const std::bad_alloc&) {
    throw ElzhException("LZH : Cannot get memory for dictionary tables");
  }
}

}  // namespace

void TLZH::Unpack(std::uint32_t count, std::span<const std::uint8_t> source,
                  std::vector<std::uint8_t>& target) {
  const auto tables = AllocateTables();
  HuffmanTree& tree = tables->tree;
  auto& ring = tables->ring;
  std::fill(ring.begin(), ring.begin() + kRingStart, kRingFill);

  // Grow in steps rather than trusting `count` for one large reservation.
  constexpr std::size_t kReserveCap = std::size_t{1} << 22;
  target.reserve(target.size() +
                 std::min<std::size_t>(count + std::size_t{kLookAhead}, kReserveCap));

  BitReader bits(source);
  int r = kRingStart;
  std::uint64_t written = 0;  // wide: a last match may pass a count near 2^32
  while (written < count) {
    const int c = DecodeSymbol(tree, bits);
    if (c < kFirstMatchSymbol) {
      const auto byte = static_cast<std::uint8_t>(c);
      target.push_back(byte);
      ring[r] = byte;
      r = (r + 1) & (kRingSize - 1);
      ++written;
    } else {
      const int from = (r - DecodeDistance(bits) - 1) & (kRingSize - 1);
      const int length = c - kFirstMatchSymbol + kMinMatch;
      for (int k = 0; k < length; ++k) {
        const std::uint8_t byte = ring[(from + k) & (kRingSize - 1)];
        target.push_back(byte);
        ring[r] = byte;
        r = (r + 1) & (kRingSize - 1);
      }
      written += static_cast<std::uint64_t>(length);
    }
  }
}

}  // namespace telvana
