// The whole-picture transforms, on pictures small enough to check every pixel.
#include "skin/bitmap_transforms.h"

#include <gtest/gtest.h>

#include "tests/skin/letter_pictures.h"

namespace telvana {
namespace {

using testing::Lettered;
using testing::Letters;
using Rows = std::vector<std::string>;

TEST(GrayscaleBitmap, AveragesTheChannelsRoundingDown) {
  PixelImage image{2, 1, {Argb(0xFF, 30, 60, 90), Argb(0x00, 255, 255, 254)}};
  GrayscaleBitmap(image);
  EXPECT_EQ(image.pixels[0], Argb(0xFF, 60, 60, 60));
  EXPECT_EQ(image.pixels[1], Argb(0xFF, 254, 254, 254));  // 764 div 3, made opaque
}

TEST(MirrorBitmap, ReversesEachRow) {
  PixelImage image = Lettered({"abc", "def"});
  MirrorBitmap(image);
  EXPECT_EQ(Letters(image), (Rows{"cba", "fed"}));
}

TEST(FlipBitmap, ReversesTheRows) {
  PixelImage image = Lettered({"ab", "cd", "ef"});
  FlipBitmap(image);
  EXPECT_EQ(Letters(image), (Rows{"ef", "cd", "ab"}));
}

TEST(RotateLeft, TurnsTheTopEdgeIntoTheLeftEdge) {
  const PixelImage turned = RotateLeft(Lettered({"abc", "def"}));
  EXPECT_EQ(turned.width, 2);
  EXPECT_EQ(Letters(turned), (Rows{"cf", "be", "ad"}));
}

TEST(RotateRight, TurnsTheTopEdgeIntoTheRightEdge) {
  const PixelImage turned = RotateRight(Lettered({"abc", "def"}));
  EXPECT_EQ(turned.width, 2);
  EXPECT_EQ(Letters(turned), (Rows{"da", "eb", "fc"}));
}

}  // namespace
}  // namespace telvana
