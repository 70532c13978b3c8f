// The fixed parameters of the LZHUF coding that skin files use: a 4096-byte ring buffer,
// matches of 3 to 60 bytes, an adaptive Huffman code over 314 symbols and the static code
// of the upper six bits of a match distance.
#pragma once

#include <array>
#include <cstdint>

namespace telvana::lzh {

inline constexpr int kRingSize = 4096;                     // N
inline constexpr int kLookAhead = 60;                      // F: the longest match
inline constexpr int kThreshold = 2;                       // a match is longer than this
inline constexpr int kRingStart = kRingSize - kLookAhead;  // first write position; below it, spaces
inline constexpr std::uint8_t kRingFill = 0x20;

inline constexpr int kSymbols = 256 - kThreshold + kLookAhead;  // 314: bytes, then match lengths
inline constexpr int kNodes = 2 * kSymbols - 1;                 // 627
inline constexpr int kRoot = kNodes - 1;                        // 626
inline constexpr std::uint32_t kMaxFreq = 0x8000;  // root frequency that forces a rebuild

inline constexpr int kFirstMatchSymbol = 256;
inline constexpr int kMinMatch = kThreshold + 1;  // symbol 256 is a match of 3 bytes

// Decoding side of the distance code: the first 8 bits read give the upper six bits of the
// distance (code) and the total length of that prefix (length, 3 to 8 bits).
struct PositionTables {
  std::array<std::uint8_t, 256> code{};
  std::array<std::uint8_t, 256> length{};
};

constexpr PositionTables MakePositionTables() {
  // Runs of equal codes: {number of codes, indexes per code, prefix length}.
  constexpr int kRuns[6][3] = {{1, 32, 3}, {3, 16, 4}, {8, 8, 5},
                               {12, 4, 6}, {24, 2, 7}, {16, 1, 8}};
  PositionTables t;
  int index = 0;
  int code = 0;
  for (const auto& run : kRuns) {
    for (int c = 0; c < run[0]; ++c, ++code) {
      for (int k = 0; k < run[1]; ++k, ++index) {
        t.code[index] = static_cast<std::uint8_t>(code);
        t.length[index] = static_cast<std::uint8_t>(run[2]);
      }
    }
  }
  return t;
}

inline constexpr PositionTables kPositionTables = MakePositionTables();

static_assert(kPositionTables.code[31] == 0 && kPositionTables.code[32] == 1);
static_assert(kPositionTables.code[255] == 63 && kPositionTables.length[255] == 8);
static_assert(kPositionTables.length[79] == 4 && kPositionTables.length[80] == 5);

}  // namespace telvana::lzh
