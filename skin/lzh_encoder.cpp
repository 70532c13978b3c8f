#include "skin/lzh_encoder.h"

#include <algorithm>
#include <array>
#include <bit>
#include <memory>

#include "skin/lzh_huffman.h"
#include "skin/lzh_params.h"

namespace telvana {
namespace {

using namespace lzh;

class BitWriter {
 public:
  void Put(int bit) {
    acc_ = (acc_ << 1) | static_cast<std::uint32_t>(bit & 1);
    if (++held_ == 8) Flush();
  }
  void PutBits(std::uint32_t value, int count) {
    for (int i = count - 1; i >= 0; --i) Put(static_cast<int>((value >> i) & 1));
  }
  std::vector<std::uint8_t> Finish() {
    if (held_ > 0) {
      acc_ <<= 8 - held_;
      Flush();
    }
    return std::move(out_);
  }

 private:
  void Flush() {
    out_.push_back(static_cast<std::uint8_t>(acc_));
    acc_ = 0;
    held_ = 0;
  }
  std::vector<std::uint8_t> out_;
  std::uint32_t acc_ = 0;
  int held_ = 0;
};

// The encoding side of the distance prefix: for each value of the upper six bits, the first
// 8-bit index that decodes to it and the prefix length.
struct PrefixCode {
  std::uint8_t first_index = 0;
  std::uint8_t length = 0;
};

constexpr std::array<PrefixCode, 64> MakePrefixCodes() {
  std::array<PrefixCode, 64> codes{};
  for (int i = 255; i >= 0; --i) {
    codes[kPositionTables.code[i]] = {static_cast<std::uint8_t>(i), kPositionTables.length[i]};
  }
  return codes;
}

constexpr std::array<PrefixCode, 64> kPrefixCodes = MakePrefixCodes();

void EncodeSymbol(HuffmanTree& tree, BitWriter& out, int symbol) {
  std::array<std::uint8_t, kNodes> path{};
  int depth = 0;
  for (int node = tree.NodeOfSymbol(symbol); node != kRoot; node = tree.ParentOf(node)) {
    path[depth++] = static_cast<std::uint8_t>(node - tree.ChildOf(tree.ParentOf(node)));
  }
  while (depth > 0) out.Put(path[--depth]);
  tree.Update(symbol);
}

void EncodeDistance(BitWriter& out, int distance) {
  const PrefixCode& code = kPrefixCodes[distance >> 6];
  out.PutBits(code.first_index >> (8 - code.length), code.length);
  out.PutBits(static_cast<std::uint32_t>(distance & 63), 6);
}

struct Match {
  int length = 0;
  int back = 0;  // 1 to kRingSize bytes back from the current position
};

// Hash chains over a linear copy of the history, which starts with the ring's initial spaces;
// a distance of up to kRingSize bytes reads the same byte from the linear copy as from the
// decoder's ring.
class MatchFinder {
 public:
  explicit MatchFinder(std::span<const std::uint8_t> data)
      : hash_bits_(HashBitsFor(kRingStart + data.size())), head_(std::size_t{1} << hash_bits_, -1) {
    window_.assign(kRingStart, kRingFill);
    window_.insert(window_.end(), data.begin(), data.end());
    prev_.fill(-1);
    // Below kRingStart - 2 the three bytes at a position are all spaces: those positions
    // chain up in one bucket, each after the one before it, as inserting them would do.
    constexpr int kSpaceKeys = kRingStart - 2;
    for (int p = 1; p < kSpaceKeys; ++p) prev_[p] = p - 1;
    head_[Hash(0)] = kSpaceKeys - 1;
    for (int p = kSpaceKeys; p < kRingStart; ++p) Insert(p);
  }

  static constexpr int kBase = kRingStart;  // window position of the first data byte

  std::uint8_t At(int pos) const { return window_[static_cast<std::size_t>(pos)]; }

  Match Search(int pos, int max_length) const {
    Match best;
    if (max_length <= kThreshold) return best;
    int chain = kMaxChain;
    for (int s = head_[Hash(pos)]; s >= 0 && s < pos && pos - s <= kRingSize && chain-- > 0;
         s = prev_[s & (kRingSize - 1)]) {
      int length = 0;
      while (length < max_length && window_[s + length] == window_[pos + length]) ++length;
      if (length > best.length) {
        best = {length, pos - s};
        if (length == max_length) break;
      }
    }
    if (best.length <= kThreshold) best = {};
    return best;
  }

  void Insert(int pos) {
    if (static_cast<std::size_t>(pos) + 2 >= window_.size()) return;
    const std::uint32_t h = Hash(pos);
    prev_[pos & (kRingSize - 1)] = head_[h];
    head_[h] = pos;
  }

 private:
  static constexpr int kMaxChain = 256;

  // Buckets enough for the window's positions, up to 2^15: a small input does not pay for
  // clearing a table it cannot fill.
  static int HashBitsFor(std::size_t positions) {
    return std::clamp(static_cast<int>(std::bit_width(positions)), 10, 15);
  }

  std::uint32_t Hash(int pos) const {
    const std::uint32_t key = (std::uint32_t{window_[pos]} << 16) |
                              (std::uint32_t{window_[pos + 1]} << 8) | window_[pos + 2];
    return (key * 2654435761u) >> (32 - hash_bits_);
  }

  int hash_bits_;
  std::vector<int> head_;
  std::array<int, kRingSize> prev_;
  std::vector<std::uint8_t> window_;
};

}  // namespace

std::vector<std::uint8_t> LzhPack(std::span<const std::uint8_t> data) {
  const auto tree = std::make_unique<HuffmanTree>();
  const auto finder = std::make_unique<MatchFinder>(data);
  BitWriter out;
  const int n = static_cast<int>(data.size());
  constexpr int kBase = MatchFinder::kBase;
  auto max_at = [n](int j) { return std::min(kLookAhead, n - j); };

  auto emit_literal = [&](int j) { EncodeSymbol(*tree, out, finder->At(kBase + j)); };
  auto emit_match = [&](const Match& m) {
    EncodeSymbol(*tree, out, kFirstMatchSymbol + m.length - kMinMatch);
    EncodeDistance(out, m.back - 1);
  };

  int j = 0;
  Match current;
  if (n > 0) {
    current = finder->Search(kBase, max_at(0));
    finder->Insert(kBase);
  }
  while (j < n) {
    const int pos = kBase + j;
    int inserted_up_to = pos;  // the last position already in the chains
    if (current.length > 0 && current.length < max_at(j) && j + 1 < n) {
      // One step of lazy matching: a longer match one byte on wins over this one.
      const Match next = finder->Search(pos + 1, max_at(j + 1));
      finder->Insert(pos + 1);
      inserted_up_to = pos + 1;
      if (next.length > current.length) {
        emit_literal(j);
        ++j;
        current = next;
        continue;
      }
    }
    int step = 1;
    if (current.length > 0) {
      emit_match(current);
      step = current.length;
    } else {
      emit_literal(j);
    }
    for (int p = inserted_up_to + 1; p < pos + step; ++p) finder->Insert(p);
    j += step;
    if (j < n) {
      current = finder->Search(kBase + j, max_at(j));
      finder->Insert(kBase + j);
    }
  }
  return out.Finish();
}

}  // namespace telvana
