// Run-length encoded bitmaps (RLE8 and RLE4): runs, literals, line ends and jumps.
#include <algorithm>

#include "skin/bmp_layout.h"

namespace telvana::bmp {

void DecodeRle(const Layout& layout, PixelImage& image) {
  const auto& data = layout.pixels;
  const bool four_bits = layout.compression == kRle4;
  int x = 0;
  int row = 0;  // stored row: 0 is the bottom
  // x stops at the right edge, so no run of the data can make it overflow.
  auto put = [&](std::uint32_t index) {
    if (x >= layout.width) return;
    image.at(x, ImageRow(layout, row)) = PaletteColour(layout, index);
    ++x;
  };

  std::size_t pos = 0;
  while (pos + 1 < data.size() && row < layout.height) {
    const int count = data[pos];
    const std::uint8_t value = data[pos + 1];
    pos += 2;
    if (count > 0) {  // a run of one index (RLE8) or two alternating nibbles (RLE4)
      for (int k = 0; k < count && x < layout.width; ++k) {
        put(four_bits ? ((k & 1) ? value & 0x0Fu : value >> 4u) : value);
      }
      continue;
    }
    switch (value) {
      case 0:  // end of line
        x = 0;
        ++row;
        break;
      case 1:  // end of bitmap
        return;
      case 2:  // jump right and up
        if (pos + 1 >= data.size()) return;
        x = std::min(x + data[pos], layout.width);
        row = std::min(row + data[pos + 1], layout.height);
        pos += 2;
        break;
      default: {  // `value` literal indexes, padded to an even number of bytes
        const std::size_t bytes = four_bits ? (value + 1u) / 2 : value;
        for (int k = 0; k < value; ++k) {
          const std::size_t at = pos + (four_bits ? static_cast<std::size_t>(k / 2) : k);
          if (at >= data.size()) return;
          put(four_bits ? ((k & 1) ? data[at] & 0x0Fu : data[at] >> 4u) : data[at]);
        }
        pos += bytes + (bytes & 1);
        break;
      }
    }
  }
}

}  // namespace telvana::bmp
