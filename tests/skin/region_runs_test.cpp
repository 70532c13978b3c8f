// The runs that shape a skinned window: one rectangle per run of pixels that are not within
// one step of magenta in every channel.
#include "skin/region_runs.h"

#include <gtest/gtest.h>

#include "tests/skin/letter_pictures.h"

namespace telvana {
namespace {

TEST(RegionRuns, OneRectanglePerRunRowByRow) {
  PixelImage image = testing::Lettered({"#ab#c#", "a#bcde"});
  image.at(1, 1) = 0xFFFE01FEu;  // one step off magenta: still left out
  image.at(5, 1) = 0xFFFF02FFu;  // two steps off: part of the shape
  const std::vector<RasterRect> runs = RegionRuns(image, 10, 20);
  EXPECT_EQ(runs, (std::vector<RasterRect>{
                      {11, 20, 13, 21}, {14, 20, 15, 21}, {10, 21, 11, 22}, {12, 21, 16, 22}}));
}

}  // namespace
}  // namespace telvana
