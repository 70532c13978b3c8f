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

  // Counts one more occurrence of the symbol and restores the frequency order.
  void Update(int symbol);

 private:
  void Rebuild();

  std::array<std::uint32_t, kNodes + 1> freq_{};  // one more: a sentinel above every count
  std::array<int, kNodes + kSymbols> prnt_{};     // parents; the tail maps symbols to leaves
  std::array<int, kNodes> son_{};
};

}  // namespace telvana::lzh
