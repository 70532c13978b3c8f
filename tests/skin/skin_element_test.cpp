// Skin elements as pixels: the nine-slice cut in its piece order, margins dropped in pairs,
// tiled centres whose spill the later pieces cover, frames side by side and stacked, and
// the three-slice strip. Every expected picture is worked out by hand from the source
// letters (skin_raster.cpp gives the stretch rule).
#include "skin/skin_element.h"

#include <gtest/gtest.h>

#include "tests/skin/letter_pictures.h"

namespace telvana {
namespace {

using testing::Lettered;
using testing::Letters;
using Rows = std::vector<std::string>;

const PixelImage& Square() {
  static const PixelImage square = Lettered({"abcde", "fghij", "klmno", "pqrst", "uvwxy"});
  return square;
}

TEST(BuildSkinElement, StretchesEdgesAndCentreAndKeepsCorners) {
  const PixelImage out = BuildSkinElement(9, 7, Square(), {1, 1, 1, 1}, false, false, 1, 1);
  EXPECT_EQ(Letters(out), (Rows{"abbcccdde",  //
                                "fgghhhiij",  //
                                "fgghhhiij",  //
                                "kllmmmnno",  //
                                "pqqrrrsst",  //
                                "pqqrrrsst",  //
                                "uvvwwwxxy"}));
}

// The centre (3 × 3) divides neither the 7 × 5 middle: the last tiles spill into the right
// and bottom margins, and the right and bottom pieces, drawn after, cover them.
TEST(BuildSkinElement, TiledCentreLeavesTheRightAndBottomMarginsIntact) {
  const PixelImage out = BuildSkinElement(9, 7, Square(), {1, 1, 1, 1}, false, true, 1, 1);
  EXPECT_EQ(Letters(out), (Rows{"abbcccdde",  //
                                "fghighigj",  //
                                "flmnlmnlj",  //
                                "kqrsqrsqo",  //
                                "pghighigt",  //
                                "plmnlmnlt",  //
                                "uvvwwwxxy"}));
}

TEST(BuildSkinElement, ANarrowDestinationDropsBothSideMarginsAndStretchesTheWholeWidth) {
  // 3 < 2 + 2: no side margins; the top and bottom margins stay.
  const PixelImage out = BuildSkinElement(3, 4, Square(), {2, 1, 2, 1}, false, false, 1, 1);
  EXPECT_EQ(Letters(out), (Rows{"bce", "ghj", "qrt", "vwy"}));
  // Negative margins from a damaged skin count as none.
  EXPECT_EQ(Letters(BuildSkinElement(5, 5, Square(), {-1, -4, 0, 0}, false, false, 1, 1)),
            Letters(Square()));
}

TEST(BuildSkinElement, AShortDestinationDropsTopAndBottomMargins) {
  const PixelImage out = BuildSkinElement(4, 3, Square(), {1, 2, 1, 2}, false, false, 1, 1);
  EXPECT_EQ(Letters(out), (Rows{"acde", "kmno", "prst"}));
}

TEST(BuildSkinElement, CutsTheAskedFrameOfAStripSideBySide) {
  const PixelImage strip = Lettered({"abcABC", "defDEF"});
  EXPECT_EQ(Letters(BuildSkinElement(3, 2, strip, {}, false, false, 2, 2)), (Rows{"ABC", "DEF"}));
  EXPECT_EQ(Letters(BuildSkinElement(4, 2, strip, {1, 0, 1, 0}, false, false, 2, 1)),
            (Rows{"abbc", "deef"}));
}

TEST(BuildSkinElement, CutsTheAskedFrameOfAStackedStrip) {
  const PixelImage strip = Lettered({"ab", "cd", "ef", "gh", "ij", "kl"});
  EXPECT_EQ(Letters(BuildSkinElement(2, 2, strip, {}, true, false, 3, 3)), (Rows{"ij", "kl"}));
}

TEST(BuildSkinStrip, RepeatsTheMiddleAtItsOwnWidthUnderTheRightCap) {
  const PixelImage strip = Lettered({"abcde", "fghij"});
  // Middle bcd at x = 1, 4, 7; the copy at 7 spills under the cap at 8.
  EXPECT_EQ(Letters(BuildSkinStrip(9, 2, strip, false, 1, 1, 1, 1)),
            (Rows{"abcdbcdbe", "fghighigj"}));
  // Stretched to the height, caps and middle alike.
  EXPECT_EQ(Letters(BuildSkinStrip(5, 4, strip, false, 1, 1, 1, 1)),
            (Rows{"abcde", "abcde", "fghij", "fghij"}));
}

TEST(BuildSkinStrip, AMiddleOfNoWidthLeavesOnlyTheCaps) {
  const PixelImage strip = Lettered({"abAB"});
  EXPECT_EQ(Letters(BuildSkinStrip(5, 1, strip, false, 2, 2, 1, 1)), Rows{"A...B"});
  EXPECT_EQ(Letters(BuildSkinStrip(5, 1, strip, false, 2, 1, 2, 1)), Rows{"ab..b"});
}

}  // namespace
}  // namespace telvana
