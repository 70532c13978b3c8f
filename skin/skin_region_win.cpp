#include "skin/skin_region_win.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace telvana {

namespace {

win::Region Batch(std::span<const RasterRect> rects) {
  std::vector<std::byte> data(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
  RGNDATAHEADER header{};
  header.dwSize = sizeof(RGNDATAHEADER);
  header.iType = RDH_RECTANGLES;
  header.nCount = static_cast<DWORD>(rects.size());
  header.nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
  header.rcBound = {rects[0].left, rects[0].top, rects[0].right, rects[0].bottom};
  std::byte* out = data.data() + sizeof(RGNDATAHEADER);
  for (const RasterRect& r : rects) {
    const RECT rect{r.left, r.top, r.right, r.bottom};
    header.rcBound.left = std::min(header.rcBound.left, rect.left);
    header.rcBound.top = std::min(header.rcBound.top, rect.top);
    header.rcBound.right = std::max(header.rcBound.right, rect.right);
    header.rcBound.bottom = std::max(header.rcBound.bottom, rect.bottom);
    std::memcpy(out, &rect, sizeof(RECT));
    out += sizeof(RECT);
  }
  std::memcpy(data.data(), &header, sizeof(header));
  win::Region region(::ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                                       reinterpret_cast<const RGNDATA*>(data.data())));
  if (!region) throw std::runtime_error("no region for a skin picture");
  return region;
}

}  // namespace

win::Region RegionFromRects(std::span<const RasterRect> rects) {
  win::Region all(::CreateRectRgn(0, 0, 0, 0));
  if (!all) throw std::runtime_error("no region for a skin picture");
  for (std::size_t start = 0; start < rects.size(); start += kRegionBatch) {
    const win::Region part =
        Batch(rects.subspan(start, std::min(kRegionBatch, rects.size() - start)));
    ::CombineRgn(all.get(), all.get(), part.get(), RGN_OR);
  }
  return all;
}

win::Region BitmapToRegion(const PixelImage& image, int x, int y) {
  return RegionFromRects(RegionRuns(image, x, y));
}

}  // namespace telvana
