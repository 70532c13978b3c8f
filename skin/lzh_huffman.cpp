#include "skin/lzh_huffman.h"

#include <algorithm>

namespace telvana::lzh {

HuffmanTree::HuffmanTree() {
  for (int i = 0; i < kSymbols; ++i) {
    freq_[i] = 1;
    son_[i] = i + kNodes;
    prnt_[i + kNodes] = i;
  }
  for (int i = 0, j = kSymbols; j <= kRoot; i += 2, ++j) {
    freq_[j] = freq_[i] + freq_[i + 1];
    son_[j] = i;
    prnt_[i] = prnt_[i + 1] = j;
  }
  freq_[kNodes] = 0xFFFF;
  prnt_[kRoot] = 0;
}

void HuffmanTree::Rebuild() {
  // Leaves first, in their current order, with halved counts.
  int j = 0;
  for (int i = 0; i < kNodes; ++i) {
    if (son_[i] >= kNodes) {
      freq_[j] = (freq_[i] + 1) / 2;
      son_[j] = son_[i];
      ++j;
    }
  }
  // Then the internal nodes, each inserted after the last node not more frequent than it.
  for (int i = 0, k = kSymbols; k < kNodes; i += 2, ++k) {
    const std::uint32_t f = freq_[i] + freq_[i + 1];
    int at = k - 1;
    while (f < freq_[at]) --at;
    ++at;
    std::copy_backward(freq_.begin() + at, freq_.begin() + k, freq_.begin() + k + 1);
    std::copy_backward(son_.begin() + at, son_.begin() + k, son_.begin() + k + 1);
    freq_[at] = f;
    son_[at] = i;
  }
  for (int i = 0; i < kNodes; ++i) {
    const int child = son_[i];
    if (child >= kNodes) {
      prnt_[child] = i;
    } else {
      prnt_[child] = prnt_[child + 1] = i;
    }
  }
}

void HuffmanTree::Update(int symbol) {
  if (freq_[kRoot] == kMaxFreq) Rebuild();
  int c = prnt_[symbol + kNodes];
  do {
    const std::uint32_t k = ++freq_[c];
    if (k > freq_[c + 1]) {
      // Swap with the last node of the run that is now less frequent (the sentinel stops it).
      int l = c + 1;
      while (k > freq_[++l]) {
      }
      --l;
      freq_[c] = freq_[l];
      freq_[l] = k;

      const int i = son_[c];
      prnt_[i] = l;
      if (i < kNodes) prnt_[i + 1] = l;

      const int j = son_[l];
      son_[l] = i;
      prnt_[j] = c;
      if (j < kNodes) prnt_[j + 1] = c;
      son_[c] = j;

      c = l;
    }
    c = prnt_[c];
  } while (c != 0);
}

}  // namespace telvana::lzh
