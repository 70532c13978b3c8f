// Window regions from skin pictures: exactly the pixels that are not the key colour, built
// in batches when a picture has more runs than one ExtCreateRegion call takes.
#include "skin/skin_region_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/skin/letter_pictures.h"

namespace telvana {
namespace {

// Every pixel of `image` at (x, y) lies in the region exactly when it is not the key colour,
// and the region reaches no further than the picture.
void ExpectShape(HRGN region, const PixelImage& image, int x, int y) {
  int wrong = 0;
  for (int py = 0; py < image.height; ++py)
    for (int px = 0; px < image.width; ++px)
      wrong += (::PtInRegion(region, x + px, y + py) != FALSE) == IsRegionKey(image.at(px, py));
  EXPECT_EQ(wrong, 0);
  RECT box;
  ::GetRgnBox(region, &box);
  EXPECT_GE(box.left, x);
  EXPECT_GE(box.top, y);
  EXPECT_LE(box.right, x + image.width);
  EXPECT_LE(box.bottom, y + image.height);
}

TEST(BitmapToRegion, HoldsThePixelsThatAreNotTheKeyColour) {
  const PixelImage image = testing::Lettered({"#ab#", "abcd", "##a#"});
  const win::Region region = BitmapToRegion(image, 5, 7);
  ExpectShape(region.get(), image, 5, 7);
  const win::Region expected(::CreateRectRgn(6, 7, 8, 8));
  const win::Region row(::CreateRectRgn(5, 8, 9, 9));
  const win::Region cell(::CreateRectRgn(7, 9, 8, 10));
  ::CombineRgn(expected.get(), expected.get(), row.get(), RGN_OR);
  ::CombineRgn(expected.get(), expected.get(), cell.get(), RGN_OR);
  EXPECT_TRUE(::EqualRgn(region.get(), expected.get()));
}

TEST(BitmapToRegion, MoreRunsThanOneBatchAreJoined) {
  // 60 runs a row, 70 rows: 4200 rectangles, three batches.
  std::string row;
  for (int i = 0; i < 60; ++i) row += i % 3 ? "a#" : "ab#";
  std::vector<std::string> rows;
  for (int y = 0; y < 70; ++y) rows.push_back(y % 2 ? row.substr(1) + row[0] : row);
  const PixelImage image = testing::Lettered(rows);
  ASSERT_GT(RegionRuns(image).size(), 2 * kRegionBatch);
  const win::Region region = BitmapToRegion(image, 3, 2);
  ExpectShape(region.get(), image, 3, 2);
}

}  // namespace
}  // namespace telvana
