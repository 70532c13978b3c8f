// Scroll bar geometry: the bars of every window case, the thumb from the scroll information,
// what a click along a bar hits, and the position a dragged thumb stands for.
#include "skin/scrollbar_layout.h"

#include <gtest/gtest.h>

namespace telvana {
namespace {

// A window of 120 x 100 with a 2-pixel border on each side and 16-pixel bars.
ScrollFrame Frame(bool horz, bool vert, bool left) {
  return {120, 100, 120 - 4 - (vert ? 16 : 0), 100 - 4 - (horz ? 16 : 0), 16, horz, vert, left};
}

TEST(ScrollBarLayoutTest, BarsAndCornerOfEveryCase) {
  ScrollBarPlaces p = PlaceScrollBars(Frame(true, true, false));
  EXPECT_EQ(p.horz, (RasterRect{2, 82, 102, 98}));
  EXPECT_EQ(p.vert, (RasterRect{102, 2, 118, 82}));
  EXPECT_EQ(p.corner, (RasterRect{102, 82, 118, 98}));

  p = PlaceScrollBars(Frame(true, true, true));
  EXPECT_EQ(p.horz, (RasterRect{18, 82, 118, 98})) << "starts after the corner";
  EXPECT_EQ(p.vert, (RasterRect{2, 2, 18, 82}));
  EXPECT_EQ(p.corner, (RasterRect{2, 82, 18, 98}));

  p = PlaceScrollBars(Frame(false, true, false));
  EXPECT_EQ(p.vert, (RasterRect{102, 2, 118, 98}));
  EXPECT_EQ(p.horz, RasterRect{});
  EXPECT_EQ(p.corner, RasterRect{});
  EXPECT_EQ(PlaceScrollBars(Frame(false, true, true)).vert, (RasterRect{2, 2, 18, 98}));

  p = PlaceScrollBars(Frame(true, false, true));
  EXPECT_EQ(p.horz, (RasterRect{2, 82, 118, 98})) << "a lone horizontal bar has no corner";
  EXPECT_EQ(p.vert, RasterRect{});
  EXPECT_EQ(PlaceScrollBars(Frame(false, false, false)).horz, RasterRect{});
}

TEST(ScrollBarLayoutTest, MulDivRoundsHalvesAwayFromZeroAndRefusesWhatDoesNotFit) {
  EXPECT_EQ(MulDivRounded(5, 1, 2), 3);
  EXPECT_EQ(MulDivRounded(-5, 1, 2), -3);
  EXPECT_EQ(MulDivRounded(7, 1, -2), -4);
  EXPECT_EQ(MulDivRounded(4, 1, 3), 1);
  EXPECT_EQ(MulDivRounded(1, 1, 0), -1);
  EXPECT_EQ(MulDivRounded(0x7FFFFFFF, 4, 2), -1);
  EXPECT_EQ(MulDivRounded(0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF), 0x7FFFFFFF);
}

// A vertical bar 132 long: 16-pixel arrows around a 100-pixel track.
constexpr int kBar = 132;
constexpr ThumbRules kRules{8, 17};

TEST(ScrollBarLayoutTest, ThumbFromPageAndPosition) {
  ScrollBarGeometry g;
  ASSERT_TRUE(ComputeThumb(g, kBar, 16, {0, 99, 10, 45, 45}, kRules));
  EXPECT_EQ(g.arrow, 16);
  EXPECT_EQ(g.track, 100);
  EXPECT_EQ(g.thumb, 10);         // 10 x 100 / 99 = 10.1
  EXPECT_EQ(g.thumb_offset, 46);  // 45 x 90 / 89 = 45.5
  ASSERT_TRUE(ComputeThumb(g, kBar, 16, {0, 99, 10, 90, 90}, kRules));
  EXPECT_EQ(g.thumb_offset, 90) << "the last position keeps the thumb in the track";

  ASSERT_TRUE(ComputeThumb(g, kBar, 16, {0, 10000, 1, 0, 0}, kRules));
  EXPECT_EQ(g.thumb, 8) << "the least thumb";
  ASSERT_TRUE(ComputeThumb(g, kBar, 16, {0, 10000, 0, 0, 0}, kRules));
  EXPECT_EQ(g.thumb, 17) << "without a page the system's thumb length";
  ASSERT_TRUE(ComputeThumb(g, kBar, 16, {0, 50, 500, 3, 3}, kRules));
  EXPECT_EQ(g.thumb, 100) << "never longer than the track";
  EXPECT_EQ(g.thumb_offset, 0);
}

TEST(ScrollBarLayoutTest, APageOfTheWholeRangeFillsTheTrackLessOnePixel) {
  ScrollBarGeometry g;
  ASSERT_TRUE(ComputeThumb(g, kBar, 16, {0, 40, 40, 7, 7}, kRules));
  EXPECT_EQ(g.thumb, 99);
  EXPECT_EQ(g.thumb_offset, 0);
}

TEST(ScrollBarLayoutTest, PositionsBeyondSixteenBits) {
  ScrollBarGeometry g;
  ASSERT_TRUE(ComputeThumb(g, kBar, 16, {0, 1000000, 10, 500000, 500000}, kRules));
  EXPECT_EQ(g.thumb, 8);
  EXPECT_EQ(g.thumb_offset, 46);  // 500000 x 92 / 999990
  const ThumbDrag end = DragThumb(g, {0, 1000000, 10, 0, 0}, g.thumb_offset, 1000);
  EXPECT_EQ(end.position, 999991);
  EXPECT_EQ(end.offset, 92);
  EXPECT_EQ(DragThumb(g, {0, 1000000, 10, 0, 0}, 0, 25).position, 250000);
}

TEST(ScrollBarLayoutTest, ABarWithoutRangeKeepsItsThumb) {
  ScrollBarGeometry g;
  ASSERT_TRUE(ComputeThumb(g, kBar, 16, {0, 99, 10, 45, 45}, kRules));
  const ScrollBarGeometry good = g;
  EXPECT_FALSE(ComputeThumb(g, kBar, 16, {0, 0, 0, 0, 0}, kRules));
  EXPECT_EQ(g, good);
  EXPECT_FALSE(ComputeThumb(g, kBar, 16, {5, 2, 1, 0, 0}, kRules));
  EXPECT_EQ(g, good);
  // Shrunk meanwhile: what is kept stays inside the new track.
  EXPECT_FALSE(ComputeThumb(g, 32 + 40, 16, {0, 0, 0, 0, 0}, kRules));
  EXPECT_EQ(g.track, 40);
  EXPECT_EQ(g.thumb, 10);
  EXPECT_EQ(g.thumb_offset, 30);
}

TEST(ScrollBarLayoutTest, ABarShorterThanTwoArrowsHasHalfArrows) {
  EXPECT_EQ(ArrowLength(20, 16), 10);
  EXPECT_EQ(ArrowLength(32, 16), 16);
  EXPECT_EQ(ArrowLength(-3, 16), 0);
  ScrollBarGeometry g;
  ASSERT_TRUE(ComputeThumb(g, 21, 16, {0, 99, 10, 45, 45}, kRules));
  EXPECT_EQ(g.arrow, 10);
  EXPECT_EQ(g.track, 1);
  EXPECT_LE(g.thumb, 1);
  EXPECT_EQ(HitTestBar(g, 5), kHitLineUp);
  EXPECT_EQ(HitTestBar(g, 12), kHitLineDown);
}

TEST(ScrollBarLayoutTest, HitTestAlongABar) {
  const ScrollBarGeometry g{16, 100, 10, 30, 0};
  EXPECT_EQ(HitTestBar(g, -1), kHitLineUp);
  EXPECT_EQ(HitTestBar(g, 15), kHitLineUp);
  EXPECT_EQ(HitTestBar(g, 16), kHitPageUp);
  EXPECT_EQ(HitTestBar(g, 45), kHitPageUp);
  EXPECT_EQ(HitTestBar(g, 46), kHitThumb);
  EXPECT_EQ(HitTestBar(g, 55), kHitThumb);
  EXPECT_EQ(HitTestBar(g, 56), kHitPageDown);
  EXPECT_EQ(HitTestBar(g, 115), kHitPageDown);
  EXPECT_EQ(HitTestBar(g, 116), kHitLineDown);
  EXPECT_EQ(HitTestBar(g, 131), kHitLineDown);
  EXPECT_EQ(HitTestBar(g, 132), kHitNone);
  EXPECT_EQ(HitTestBar({16, 100, 0, 30, 0}, 46), kHitPageDown) << "no thumb, nothing to drag";
}

TEST(ScrollBarLayoutTest, DraggingAPagedThumb) {
  const ScrollBarGeometry g{16, 100, 10, 20, 0};
  const ScrollValues v{0, 99, 10, 20, 20};
  EXPECT_EQ(DragThumb(g, v, 20, 10), (ThumbDrag{30, 30}));  // 30 x 99 / 100 = 29.7
  EXPECT_EQ(DragThumb(g, v, 20, -50), (ThumbDrag{0, 0}));
  // The end of the range gives the last page whole, never more.
  EXPECT_EQ(DragThumb(g, v, 20, 70).position, 90);  // 90 x 99 / 100 = 89.1: max - page
  EXPECT_EQ(DragThumb(g, v, 20, 69).position, 88);
  const ThumbDrag far = DragThumb(g, v, 20, 5000);
  EXPECT_EQ(far.position, 90);
  EXPECT_EQ(far.offset, 90) << "drawn inside the track";
  EXPECT_EQ(DragThumb(g, {-50, 49, 10, 0, 0}, 0, 0).position, -50);
}

TEST(ScrollBarLayoutTest, DraggingAThumbWithoutPage) {
  const ScrollBarGeometry g{16, 100, 20, 0, 0};
  const ScrollValues v{0, 200, 0, 0, 0};
  EXPECT_EQ(DragThumb(g, v, 0, 40), (ThumbDrag{40, 100}));
  EXPECT_EQ(DragThumb(g, v, 0, 1000), (ThumbDrag{80, 200}));
  // A track no longer than its thumb: no division, the first position.
  EXPECT_EQ(DragThumb({16, 20, 20, 0, 0}, v, 0, 10).position, 0);
}

}  // namespace
}  // namespace telvana
