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
  SetAllSteps();
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
  SetAllSteps();
}

void HuffmanTree::SetAllSteps() {
  for (int node = 0; node < kNodes; ++node) SetSteps(node);
}

}  // namespace telvana::lzh
