// The shape of a skinned window from a painted border: each row of the picture split into
// runs of pixels that are not the key colour, one rectangle per run. The Windows side
// (skin_region_win.h) makes the region from these rectangles.
#pragma once

#include <cstdint>
#include <vector>

#include "skin/skin_raster.h"

namespace telvana {

// A pixel that the region leaves out: within 1 of magenta (0xFF00FF) in each channel, so
// that a key colour one step off (a drawing program's rounding) still cuts the shape.
constexpr bool IsRegionKey(std::uint32_t pixel) {
  return ((pixel >> 16) & 0xFF) >= 0xFE && ((pixel >> 8) & 0xFF) <= 0x01 && (pixel & 0xFF) >= 0xFE;
}

// The runs of `image`, row by row from the top, left to right, each as a one-pixel-high
// rectangle moved by (dx, dy).
std::vector<RasterRect> RegionRuns(const PixelImage& image, int dx = 0, int dy = 0);

}  // namespace telvana
