// How TLZH finds the leaf a code leads to in the adaptive Huffman tree. A walk is a chain of
// dependent loads, one a level; the tree's steps of two levels halve it. The decoder walks for
// the next symbol before it updates the tree for the current one, so that the walk overlaps
// the update; the walk remembers the nodes it passed, and is redone when the update swapped
// the children of one of them, which is rare.
#pragma once

#include <array>
#include <cstdint>

#include "skin/lzh_bits.h"
#include "skin/lzh_huffman.h"
#include "skin/lzh_params.h"

namespace telvana::lzh {

class Walker {
 public:
  explicit Walker(const HuffmanTree& tree) : tree_(tree) {}

  // Whether the last walk went through node a or b.
  bool Passed(int a, int b) const { return passed_[a] == stamp_ || passed_[b] == stamp_; }

  // The leaf node the next code leads to; takes the code's bits. The walk reads ahead in the
  // buffer; when the code turns out longer than the bits held, it goes again a bit at a time.
  // The decoder keeps 32 bits held, more than a code of a tree whose counts stay below 2^15
  // can take.
  int Walk(BitReader& bits) {
    ++stamp_;
    std::uint64_t buffer = bits.Buffer();
    unsigned child = static_cast<unsigned>(tree_.ChildOf(kRoot));
    unsigned node;
    int depth = 0;
    for (;;) {
      const auto two_bits = static_cast<unsigned>(buffer >> 62);
      const unsigned first = child + (two_bits >> 1);
      passed_[first] = stamp_;
      const std::uint32_t step = tree_.Step(first, two_bits & 1);
      if (step == HuffmanTree::kLeafStep) {
        node = first;
        depth += 1;
        break;
      }
      node = step & ((1u << HuffmanTree::kStepNodeBits) - 1);
      passed_[node] = stamp_;
      buffer <<= 2;
      depth += 2;
      child = step >> HuffmanTree::kStepNodeBits;
      if (child >= static_cast<unsigned>(kNodes)) break;
    }
    if (depth > bits.Held()) [[unlikely]] {
      return WalkBitByBit(bits);
    }
    bits.Skip(depth);
    return static_cast<int>(node);
  }

 private:
  int WalkBitByBit(BitReader& bits) {
    int child = tree_.ChildOf(kRoot);
    int node;
    do {
      if (bits.Held() == 0) bits.Refill();
      node = child + static_cast<int>(bits.Peek(1));
      bits.Skip(1);
      passed_[node] = stamp_;
      child = tree_.ChildOf(node);
    } while (child < kNodes);
    return node;
  }

  const HuffmanTree& tree_;
  std::array<std::uint64_t, kNodes> passed_{};  // the stamp of the last walk through a node
  std::uint64_t stamp_ = 0;
};

}  // namespace telvana::lzh
