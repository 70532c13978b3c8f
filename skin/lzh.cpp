#include "skin/lzh.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <new>

#include "skin/lzh_bits.h"
#include "skin/lzh_huffman.h"
#include "skin/lzh_params.h"
#include "skin/lzh_walker.h"
#include "skin/skin_error.h"

namespace telvana {
namespace {

using namespace lzh;

// The first 8 bits index the tables; the prefix they start is 3 to 8 bits long, and the six
// bits after it are the low bits of the distance.
int DecodeDistance(BitReader& bits) {
  if (bits.Held() < 14) bits.Refill();
  const int index = static_cast<int>(bits.Peek(8));
  const int taken = kPositionTables.length[index] + 6;
  const int low = static_cast<int>(bits.Peek(taken) & 63);
  bits.Skip(taken);
  return (kPositionTables.code[index] << 6) | low;
}

struct DecoderTables {
  HuffmanTree tree;
  Walker walker{tree};
};

std::unique_ptr<DecoderTables> AllocateTables() {
  try {
    return std::make_unique<DecoderTables>();
  } catch (const std::bad_alloc&) {
    throw ElzhException("LZH : Cannot get memory for dictionary tables");
  }
}

// The ring of the classic decoder is the output itself: a distance reaches at most a ring
// length back. Before the first bytes of the output, the ring still holds what it started
// with: spaces below the first write position and zeros above it.
std::uint8_t InitialRingByte(std::ptrdiff_t before_start) {
  return before_start >= -kRingStart ? kRingFill : 0;
}

// Appended output, grown in steps rather than trusting the count for one large allocation,
// with room past the written bytes for one longest match copied in whole words.
class Output {
 public:
  static constexpr std::size_t kRoom = 72;
  static_assert(kRoom >= kLookAhead + 8);

  Output(std::vector<std::uint8_t>& target, std::uint64_t count)
      : target_(target), base_(target.size()), wanted_(count + kRoom) {
    Grow();
  }

  std::uint8_t* Data() { return target_.data() + base_; }

  // Room for one more symbol's bytes after the first `written`.
  void MakeRoom(std::uint64_t written) {
    if (written + kRoom > available_) Grow();
  }

  void Finish(std::uint64_t written) { target_.resize(base_ + written); }

 private:
  void Grow() {
    constexpr std::uint64_t kFirstStep = std::uint64_t{1} << 18;  // today's skins in one step
    const std::uint64_t next = std::min(wanted_, std::max(kFirstStep, available_ * 2));
    target_.resize(base_ + next);
    available_ = next;
  }

  std::vector<std::uint8_t>& target_;
  std::size_t base_;
  std::uint64_t wanted_;  // enough for count bytes and the match that crosses it
  std::uint64_t available_ = 0;
};

// A match: `length` bytes from `back` bytes before `out`, all within the output.
void CopyMatch(std::uint8_t* out, std::ptrdiff_t back, int length) {
  const std::uint8_t* const from = out - back;
  if (back >= 8) {
    // Whole words: each reads only bytes written before it; the tail past the length is
    // overwritten later.
    for (int k = 0; k < length; k += 8) std::memcpy(out + k, from + k, 8);
    return;
  }
  // A short pattern repeated: one word holds whole periods of it, written period by period
  // rather than byte by byte from the bytes just written.
  std::uint8_t pattern[8];
  for (int k = 0; k < 8; ++k) pattern[k] = k < back ? from[k] : pattern[k - back];
  static constexpr std::array<int, 8> kWholePeriods = {0, 8, 8, 6, 8, 5, 6, 7};
  const int step = kWholePeriods[static_cast<std::size_t>(back)];
  for (int k = 0; k < length; k += step) std::memcpy(out + k, pattern, 8);
}

// A match that reaches before the output: byte by byte, from the initial ring until it
// catches up with the output.
void CopyEarlyMatch(std::uint8_t* start, std::uint64_t written, std::ptrdiff_t back, int length) {
  for (int k = 0; k < length; ++k) {
    const std::ptrdiff_t at = static_cast<std::ptrdiff_t>(written) + k - back;
    start[written + static_cast<std::uint64_t>(k)] = at < 0 ? InitialRingByte(at) : start[at];
  }
}

}  // namespace

void TLZH::Unpack(std::uint32_t count, std::span<const std::uint8_t> source,
                  std::vector<std::uint8_t>& target) {
  const auto tables = AllocateTables();
  HuffmanTree& tree = tables->tree;
  Walker& walker = tables->walker;
  Output output(target, count);
  BitReader bits(source);
  std::uint64_t written = 0;  // wide: a last match may pass a count near 2^32
  int leaf = 0;
  if (count > 0) {
    bits.Refill();
    leaf = walker.Walk(bits);
  }
  while (written < count) {
    const int c = tree.ChildOf(leaf) - kNodes;
    output.MakeRoom(written);
    if (c < kFirstMatchSymbol) {
      output.Data()[written] = static_cast<std::uint8_t>(c);
      ++written;
    } else {
      const std::ptrdiff_t back = DecodeDistance(bits) + 1;
      const int length = c - kFirstMatchSymbol + kMinMatch;
      if (static_cast<std::uint64_t>(back) > written) {
        CopyEarlyMatch(output.Data(), written, back, length);
      } else {
        CopyMatch(output.Data() + written, back, length);
      }
      written += static_cast<std::uint64_t>(length);
    }
    if (written >= count) break;  // the tree's last update would change nothing we read

    if (bits.Held() < 32) bits.Refill();
    if (tree.RebuildDue()) {
      tree.Rebuild();
      tree.UpdateFrom(tree.NodeOfSymbol(c), [](int, int) {});
      leaf = walker.Walk(bits);
      continue;
    }
    const BitReader before_walk = bits;
    const int next = walker.Walk(bits);
    bool stale = false;
    tree.UpdateFrom(leaf, [&](int a, int b) { stale |= walker.Passed(a, b); });
    if (stale) {
      bits = before_walk;
      leaf = walker.Walk(bits);
    } else {
      leaf = next;
    }
  }
  output.Finish(written);
}

}  // namespace telvana
