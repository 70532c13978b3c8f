// The adaptive Huffman tree of LZHUF, shared by the decoder and our encoder so that both
// evolve it identically. Nodes are kept in order of frequency; leaves hold symbols.
#pragma once

#include <array>
#include <cstdint>

#include "skin/lzh_params.h"

namespace telvana::lzh {

class HuffmanTree {
 public:
  HuffmanTree();

  // A child index at or above kNodes denotes the leaf of symbol (index - kNodes); otherwise
  // the two children of a node are at child and child + 1.
  int ChildOf(int node) const { return son_[node]; }
  int ParentOf(int node) const { return prnt_[node]; }
  int NodeOfSymbol(int symbol) const { return prnt_[symbol + kNodes]; }

  // Two levels of the walk down at once, for the decoder: from `node` by `bit`, the node
  // reached (the low kStepNodeBits) and that node's child index (the bits above); kLeafStep
  // when `node` itself is a leaf.
  static constexpr std::uint32_t kLeafStep = ~std::uint32_t{0};
  static constexpr int kStepNodeBits = 10;
  std::uint32_t Step(unsigned node, unsigned bit) const { return steps_[2 * node + bit]; }

  // Counts one more occurrence of the symbol and restores the frequency order.
  void Update(int symbol) {
    if (RebuildDue()) Rebuild();
    UpdateFrom(prnt_[symbol + kNodes], [](int, int) {});
  }

  // The decoder's form of Update: it already holds the symbol's leaf node, and it learns of
  // every pair of nodes whose children have just changed places. The caller rebuilds first
  // when due.
  bool RebuildDue() const { return freq_[kRoot] == kMaxFreq; }
  void Rebuild();
  template <class OnSwap>
  void UpdateFrom(int leaf_node, OnSwap&& on_swap) {
    int c = leaf_node;
    do {
      const std::uint32_t k = ++freq_[c];
      if (k > freq_[c + 1]) {
        // Swap with the last node of the run that is now less frequent (the sentinel stops
        // the scan).
        int l = c + 1;
        while (k > freq_[++l]) {
        }
        --l;
        freq_[c] = freq_[l];
        freq_[l] = k;
        SwapChildren(c, l);
        on_swap(c, l);
        c = l;
      }
      c = prnt_[c];
    } while (c != 0);
  }

 private:
  void SwapChildren(int c, int l) {
    const int i = son_[c];
    prnt_[i] = l;
    if (i < kNodes) prnt_[i + 1] = l;

    const int j = son_[l];
    son_[l] = i;
    prnt_[j] = c;
    if (j < kNodes) prnt_[j + 1] = c;
    son_[c] = j;

    SetSteps(c);
    SetSteps(l);
    SetStepTo(c);
    SetStepTo(l);
  }

  std::uint32_t StepTo(int node) const {
    return static_cast<std::uint32_t>(node) | static_cast<std::uint32_t>(son_[node])
                                                  << kStepNodeBits;
  }

  void SetSteps(int node) {
    const int child = son_[node];
    if (child >= kNodes) {
      steps_[2 * node] = steps_[2 * node + 1] = kLeafStep;
    } else {
      steps_[2 * node] = StepTo(child);
      steps_[2 * node + 1] = StepTo(child + 1);
    }
  }

  // The parent's step that leads to `node`.
  void SetStepTo(int node) {
    const int parent = prnt_[node];
    steps_[2 * parent + (node - son_[parent])] = StepTo(node);
  }

  void SetAllSteps();

  std::array<std::uint32_t, kNodes + 1> freq_{};  // one more: a sentinel above every count
  std::array<int, kNodes + kSymbols> prnt_{};     // parents; the tail maps symbols to leaves
  std::array<int, kNodes> son_{};
  std::array<std::uint32_t, 2 * kNodes> steps_{};  // at 2 * node + bit
  static_assert(kNodes <= 1 << kStepNodeBits);
};

}  // namespace telvana::lzh
