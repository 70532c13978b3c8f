#include "skin/region_runs.h"

namespace telvana {

std::vector<RasterRect> RegionRuns(const PixelImage& image, int dx, int dy) {
  std::vector<RasterRect> runs;
  for (int y = 0; y < image.height; ++y) {
    int x = 0;
    while (x < image.width) {
      while (x < image.width && IsRegionKey(image.at(x, y))) ++x;
      const int start = x;
      while (x < image.width && !IsRegionKey(image.at(x, y))) ++x;
      if (x > start) runs.push_back({start + dx, y + dy, x + dx, y + dy + 1});
    }
  }
  return runs;
}

}  // namespace telvana
