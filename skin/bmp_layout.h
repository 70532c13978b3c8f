// What the decoder learns from a bitmap's headers, shared by its plain and RLE halves.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "ui/pixel_image.h"

namespace telvana::bmp {

// The compression field of the info headers.
enum Compression : std::uint32_t {
  kRgb = 0,
  kRle8 = 1,
  kRle4 = 2,
  kBitFields = 3,
  kAlphaBitFields = 6,
};

struct Layout {
  int width = 0;
  int height = 0;  // rows, always positive
  bool top_down = false;
  int bits = 0;
  std::uint32_t compression = kRgb;
  std::uint32_t masks[4] = {};           // red, green, blue, alpha (alpha 0: opaque)
  std::vector<std::uint32_t> palette;    // opaque 0xAARRGGBB entries
  std::span<const std::uint8_t> pixels;  // from the pixel offset to the end of the file
};

// The pixel at palette index `i`; opaque black for an index past the table.
inline std::uint32_t PaletteColour(const Layout& l, std::uint32_t i) {
  return i < l.palette.size() ? l.palette[i] : 0xFF000000u;
}

// The image row that the `n`-th stored row is.
inline int ImageRow(const Layout& l, int n) {
  return l.top_down ? n : l.height - 1 - n;
}

// Fills `image` (already sized, opaque black) from RLE8 or RLE4 data. Stops quietly at the
// end of the data; runs and jumps that leave the picture are clipped.
void DecodeRle(const Layout& layout, PixelImage& image);

}  // namespace telvana::bmp
