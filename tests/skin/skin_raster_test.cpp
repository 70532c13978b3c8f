// Pixel primitives of skin painting: frame cells, the nearest-pixel stretch (its expected
// pixels are what StretchBlt in COLORONCOLOR mode gives under Wine), tiling, keyed copies.
#include "skin/skin_raster.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/skin/letter_pictures.h"

namespace telvana {
namespace {

using testing::Lettered;
using testing::Letters;
using Rows = std::vector<std::string>;

PixelImage Stretched(const PixelImage& src, const RasterRect& from, int width, int height) {
  PixelImage dst = BlankImage(width, height);
  StretchPiece(dst, {0, 0, width, height}, src, from);
  return dst;
}

TEST(FrameCell, FramesStartAtTheirShareOfTheStrip) {
  PixelImage strip = BlankImage(10, 4);
  EXPECT_EQ(FrameCell(strip, false, 3, 1), (RasterRect{0, 0, 3, 4}));
  EXPECT_EQ(FrameCell(strip, false, 3, 2), (RasterRect{3, 0, 6, 4}));  // 10 div 3
  EXPECT_EQ(FrameCell(strip, false, 3, 3), (RasterRect{6, 0, 9, 4}));  // 20 div 3
  EXPECT_EQ(FrameCell(BlankImage(4, 10), true, 3, 3), (RasterRect{0, 6, 4, 9}));
  // Counts below 1 count as 1; indices are held to the strip.
  EXPECT_EQ(FrameCell(strip, false, 0, 1), (RasterRect{0, 0, 10, 4}));
  EXPECT_EQ(FrameCell(strip, false, 3, 9), (RasterRect{6, 0, 9, 4}));
}

TEST(StretchPiece, EnlargingTakesThePixelUnderEachCentreTiesGoingLeft) {
  const PixelImage row = Lettered({"abc"});
  EXPECT_EQ(Letters(Stretched(row, {0, 0, 3, 1}, 8, 1)), Rows{"aaabbccc"});
  EXPECT_EQ(Letters(Stretched(row, {0, 0, 3, 1}, 4, 1)), Rows{"abbc"});
  EXPECT_EQ(Letters(Stretched(row, {1, 0, 3, 1}, 3, 1)), Rows{"bbc"});
}

TEST(StretchPiece, ShrinkingARowKeepsTheLastPixelOfEachGroup) {
  const PixelImage row = Lettered({"abcdefghij"});
  EXPECT_EQ(Letters(Stretched(row, {0, 0, 10, 1}, 3, 1)), Rows{"cgj"});
  EXPECT_EQ(Letters(Stretched(row, {0, 0, 5, 1}, 3, 1)), Rows{"bce"});
  // One pixel wide: the last but one.
  EXPECT_EQ(Letters(Stretched(row, {0, 0, 5, 1}, 1, 1)), Rows{"d"});
}

TEST(StretchPiece, ShrinkingAColumnKeepsTheFirstPixelOfEachGroup) {
  const PixelImage column = Lettered({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"});
  EXPECT_EQ(Letters(Stretched(column, {0, 0, 1, 10}, 1, 3)), (Rows{"a", "d", "h"}));
  EXPECT_EQ(Letters(Stretched(column, {0, 0, 1, 5}, 1, 3)), (Rows{"a", "c", "d"}));
  EXPECT_EQ(Letters(Stretched(column, {0, 0, 1, 5}, 1, 1)), (Rows{"a"}));
}

TEST(StretchPiece, ANegativeSourceExtentReadsBackwards) {
  const PixelImage row = Lettered({"abcdefgh"});
  // From x = 6 leftwards over three pixels: g, f, e.
  EXPECT_EQ(Letters(Stretched(row, {6, 0, 3, 1}, 8, 1)), Rows{"gggffeee"});
}

TEST(StretchPiece, SourcePixelsOutsideThePictureLeaveTheDestination) {
  const PixelImage row = Lettered({"abcd"});
  EXPECT_EQ(Letters(Stretched(row, {2, 0, 6, 1}, 8, 1)), Rows{"ccdd...."});
  EXPECT_EQ(Letters(Stretched(row, {-2, 0, 2, 1}, 8, 1)), Rows{"....aabb"});
}

TEST(StretchPiece, ADestinationPartlyOutsideKeepsTheMappingOfTheWholeRectangle) {
  PixelImage dst = BlankImage(8, 1);
  StretchPiece(dst, {-3, 0, 6, 1}, Lettered({"abcd"}), {0, 0, 4, 1});
  // The whole nine pixels would read aabbbccdd; the three left of the picture are cut.
  EXPECT_EQ(Letters(dst), Rows{"bbccdd.."});
}

TEST(StretchPiece, ADestinationWhollyOutsideOrAnEmptySourceDrawsNothing) {
  PixelImage dst = BlankImage(3, 2);
  StretchPiece(dst, {5, 0, 9, 2}, Lettered({"ab"}), {0, 0, 2, 1});
  StretchPiece(dst, {-6, 0, -1, 2}, Lettered({"ab"}), {0, 0, 2, 1});
  StretchPiece(dst, {0, 0, 3, 2}, Lettered({"ab"}), {1, 0, 1, 1});  // a source of no width
  EXPECT_EQ(Letters(dst), (Rows{"...", "..."}));
}

TEST(TilePiece, RepeatsFromTheCornerAndSpillsPastTheLimits) {
  PixelImage dst = BlankImage(7, 4);
  // Corners at x = 1, 3, 5 (all left of 6) and y = 0, 2 (above 3).
  TilePiece(dst, 1, 0, 6, 3, Lettered({"abx", "cdx"}), {0, 0, 2, 2});
  EXPECT_EQ(Letters(dst), (Rows{".ababab", ".cdcdcd", ".ababab", ".cdcdcd"}));
}

TEST(PutKeyed, KeyColouredPixelsKeepTheDestination) {
  PixelImage dst = Lettered({"zzzz", "zzzz"});
  PixelImage src = Lettered({"a#", "#b"});
  src.pixels[1] &= 0x00FFFFFF;  // still the key colour, whatever the alpha byte says
  PutKeyed(dst, 1, 0, src);
  EXPECT_EQ(Letters(dst), (Rows{"zazz", "zzbz"}));
  PutKeyed(dst, -1, 1, PixelImage{2, 1, {0xFFFF00FFu, 0xFFFE00FFu}});  // one step off: copied
  EXPECT_EQ(dst.at(0, 1), 0xFFFE00FFu);
}

TEST(BlankImage, RefusesPicturesLargerThanAnyWindow) {
  EXPECT_THROW(BlankImage(kMaxPaintSide + 1, 1), std::length_error);
  EXPECT_THROW(BlankImage(16384, 8192), std::length_error);
  EXPECT_TRUE(BlankImage(-3, 2).empty());
}

}  // namespace
}  // namespace telvana
