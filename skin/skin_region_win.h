// Window regions from skin pictures: the runs of region_runs.h made into one region.
#pragma once

#include <windows.h>

#include <cstddef>
#include <span>

#include "skin/region_runs.h"
#include "ui/win_handles.h"

namespace telvana {

// ExtCreateRegion is given at most this many rectangles at a time; the batches are OR-ed.
inline constexpr std::size_t kRegionBatch = 2000;

// The union of `rects` (an empty region for none). Throws std::runtime_error when GDI
// refuses a region.
win::Region RegionFromRects(std::span<const RasterRect> rects);

// The pixels of `image` that are not the key colour, with its top-left corner at (x, y).
win::Region BitmapToRegion(const PixelImage& image, int x, int y);

}  // namespace telvana
