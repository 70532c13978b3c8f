// Hand-made Windows bitmap files for tests: every header size, depth and layout, written
// field by field so that tests can also break them on purpose.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "skin/byte_order.h"

namespace telvana::testing {

struct BmpParams {
  int header_size = 40;  // 12 (OS/2 core), 40, 52, 56, 108 (V4), 124 (V5)
  int width = 1;
  int height = 1;  // negative: top-down
  int bits = 24;
  std::uint32_t compression = 0;
  std::vector<std::uint32_t> masks;    // after a 40-byte header, or inside a larger one
  std::vector<std::uint32_t> palette;  // 0x00RRGGBB
  std::uint32_t colours_used = 0;
  std::vector<std::uint8_t> pixels;           // as stored, rows padded
  std::optional<std::uint32_t> pixel_offset;  // default: right after the colour table
};

inline std::vector<std::uint8_t> BuildBmp(const BmpParams& s) {
  std::vector<std::uint8_t> h;  // the info header
  if (s.header_size == 12) {
    AppendLe32(h, 12);
    AppendLe16(h, static_cast<std::uint16_t>(s.width));
    AppendLe16(h, static_cast<std::uint16_t>(s.height));
    AppendLe16(h, 1);
    AppendLe16(h, static_cast<std::uint16_t>(s.bits));
  } else {
    AppendLe32(h, static_cast<std::uint32_t>(s.header_size));
    AppendLe32(h, static_cast<std::uint32_t>(s.width));
    AppendLe32(h, static_cast<std::uint32_t>(s.height));
    AppendLe16(h, 1);
    AppendLe16(h, static_cast<std::uint16_t>(s.bits));
    AppendLe32(h, s.compression);
    AppendLe32(h, static_cast<std::uint32_t>(s.pixels.size()));
    AppendLe32(h, 2835);
    AppendLe32(h, 2835);
    AppendLe32(h, s.colours_used);
    AppendLe32(h, 0);
    std::size_t mask = 0;
    while (h.size() < static_cast<std::size_t>(s.header_size)) {
      // V2 and later carry the masks at offset 40, then colour space data (zeros here).
      AppendLe32(h, h.size() < 56 && mask < s.masks.size() ? s.masks[mask++] : 0);
    }
  }
  std::vector<std::uint8_t> table;
  if (s.header_size == 40) {
    for (std::uint32_t m : s.masks) AppendLe32(table, m);
  }
  for (std::uint32_t c : s.palette) {
    table.push_back(static_cast<std::uint8_t>(c));
    table.push_back(static_cast<std::uint8_t>(c >> 8));
    table.push_back(static_cast<std::uint8_t>(c >> 16));
    if (s.header_size != 12) table.push_back(0);
  }
  const auto offset = static_cast<std::uint32_t>(14 + h.size() + table.size());
  std::vector<std::uint8_t> file{'B', 'M'};
  AppendLe32(file, static_cast<std::uint32_t>(offset + s.pixels.size()));
  AppendLe32(file, 0);
  AppendLe32(file, s.pixel_offset.value_or(offset));
  file.insert(file.end(), h.begin(), h.end());
  file.insert(file.end(), table.begin(), table.end());
  file.insert(file.end(), s.pixels.begin(), s.pixels.end());
  return file;
}

// Rows as stored: `rows` rows of `width` pixels of `bits` bits each, MSB-first within a
// byte for depths below 8, little-endian for 16 and 32, padded to four bytes. `value(x, n)`
// gives the value of pixel x of the n-th stored row.
inline std::vector<std::uint8_t> PackRows(int width, int rows, int bits,
                                          const std::function<std::uint32_t(int, int)>& value) {
  const std::size_t stride = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
  std::vector<std::uint8_t> out(stride * static_cast<std::size_t>(rows), 0);
  for (int n = 0; n < rows; ++n) {
    std::uint8_t* row = out.data() + stride * static_cast<std::size_t>(n);
    for (int x = 0; x < width; ++x) {
      const std::uint32_t v = value(x, n);
      if (bits < 8) {
        const int bit = x * bits;
        row[bit / 8] |= static_cast<std::uint8_t>(v << (8 - bits - bit % 8));
      } else {
        for (int b = 0; b < bits / 8; ++b)
          row[x * bits / 8 + b] = static_cast<std::uint8_t>(v >> (8 * b));
      }
    }
  }
  return out;
}

}  // namespace telvana::testing
