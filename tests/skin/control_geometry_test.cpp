// The places of the skinned common controls' pieces, worked out by hand.
#include "skin/control_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "skin/bitmap_transforms.h"
#include "skin/button_layout.h"

namespace telvana {
namespace {

TEST(ControlGeometryTest, AProgressBarFillsOnlyWithAPositiveRangeAndNeverMoreThanItsWidth) {
  EXPECT_EQ(ProgressFilledWidth(50, 100, 200), 100);
  EXPECT_EQ(ProgressFilledWidth(1, 3, 100), 33);
  EXPECT_EQ(ProgressFilledWidth(0, 100, 200), 0);
  EXPECT_EQ(ProgressFilledWidth(50, 0, 200), 0);
  EXPECT_EQ(ProgressFilledWidth(-5, 100, 200), 0);
  EXPECT_EQ(ProgressFilledWidth(150, 100, 200), 200);
  EXPECT_EQ(ProgressFilledWidth(INT_MAX - 1, INT_MAX, 1000), 999);
}

TEST(ControlGeometryTest, TheSizeGripSitsOnePixelInsideTheBarsCorner) {
  EXPECT_EQ(StatusGripRect({0, 0, 300, 20}, 12, 12), (RasterRect{287, 7, 299, 19}));
}

TEST(ControlGeometryTest, UpDownArrowsSplitTheirControlAndFollowTheCursorWhilePressed) {
  const UpDownHalves stacked = SplitUpDown({0, 0, 16, 21}, false);
  EXPECT_EQ(stacked.first, (RasterRect{0, 0, 16, 10}));
  EXPECT_EQ(stacked.second, (RasterRect{0, 10, 16, 21}));
  const UpDownHalves side = SplitUpDown({1, 1, 32, 15}, true);
  EXPECT_EQ(side.first, (RasterRect{1, 1, 16, 15}));
  EXPECT_EQ(side.second, (RasterRect{16, 1, 32, 15}));

  EXPECT_FALSE(CursorOverSecondArrow({0, 0, 16, 20}, false, 9));
  EXPECT_TRUE(CursorOverSecondArrow({0, 0, 16, 20}, false, 10));
  EXPECT_TRUE(CursorOverSecondArrow({0, 0, 16, 20}, false, 500)) << "captured, below the control";
  EXPECT_EQ(UpDownArrowState(true, true, true), 2);
  EXPECT_EQ(UpDownArrowState(true, true, false), 1);
  EXPECT_EQ(UpDownArrowState(true, false, true), 1);
  EXPECT_EQ(UpDownArrowState(false, true, true), 3);
}

TEST(ControlGeometryTest, AComboButtonSitsRightOrMirroredLeftAndPressOutranksFocus) {
  const ComboPlaces right = PlaceComboButton({0, 0, 120, 21}, 16, false);
  EXPECT_EQ(right.text, (RasterRect{2, 2, 100, 19}));
  EXPECT_EQ(right.button, (RasterRect{102, 0, 120, 21}));
  EXPECT_EQ(right.glyph, (RasterRect{102, 0, 118, 21}));
  const ComboPlaces left = PlaceComboButton({0, 0, 120, 21}, 16, true);
  EXPECT_EQ(left.text, (RasterRect{20, 2, 118, 19}));
  EXPECT_EQ(left.button, (RasterRect{0, 0, 18, 21}));
  EXPECT_EQ(left.glyph, (RasterRect{2, 0, 18, 21}));

  EXPECT_EQ(ComboFrame(kMousePressed | kMouseHot, true, true), 2);
  EXPECT_EQ(ComboFrame(kMouseHot, false, true), 4);
  EXPECT_EQ(ComboFrame(0, true, false), 4);
  EXPECT_EQ(ComboFrame(0, false, true), 1);
  EXPECT_EQ(ComboFrame(0, false, false), 3);
  EXPECT_EQ(CentredCell({102, 0, 118, 21}, 12, 12), (RasterRect{104, 4, 116, 16}));
}

TEST(ControlGeometryTest, TabPositionsComeFromTheStyleAndThePageFrameLeansTowardTheTabs) {
  EXPECT_EQ(TabPositionFromStyle(0), kTabsTop);
  EXPECT_EQ(TabPositionFromStyle(0x2), kTabsBottom);
  EXPECT_EQ(TabPositionFromStyle(0x80), kTabsLeft);
  EXPECT_EQ(TabPositionFromStyle(0x82), kTabsRight);

  const RasterRect display{4, 26, 196, 146};
  EXPECT_EQ(TabPageFrame(display, kTabsTop), (RasterRect{0, 23, 200, 150}));
  EXPECT_EQ(TabPageFrame(display, kTabsRight), (RasterRect{0, 22, 199, 150}));
  const RasterRect whole{0, 0, 200, 150};
  EXPECT_EQ(TabStripRect(whole, TabPageFrame(display, kTabsTop), kTabsTop),
            (RasterRect{0, 0, 200, 23}));
  EXPECT_EQ(TabStripRect(whole, {0, 0, 200, 124}, kTabsBottom), (RasterRect{0, 124, 200, 150}));
}

// Marks `r` in a lying strip, turns the strip as the tab wrapper does and returns where the
// marked pixels are.
RasterRect TurnedMark(const RasterRect& r, StripSize lying, TabPosition position) {
  PixelImage strip{
      lying.width, lying.height,
      std::vector<std::uint32_t>(static_cast<std::size_t>(lying.width) * lying.height)};
  // What lies outside the strip is cut, as the strip's DC cuts it.
  for (int y = std::max(r.top, 0); y < std::min(r.bottom, lying.height); ++y) {
    for (int x = std::max(r.left, 0); x < std::min(r.right, lying.width); ++x) strip.at(x, y) = 1;
  }
  const PixelImage turned = position == kTabsLeft ? RotateLeft(strip) : RotateRight(strip);
  RasterRect found{turned.width, turned.height, 0, 0};
  for (int y = 0; y < turned.height; ++y) {
    for (int x = 0; x < turned.width; ++x) {
      if ((turned.at(x, y) & 0xFFFFFF) != 1) continue;
      found = {std::min(found.left, x), std::min(found.top, y), std::max(found.right, x + 1),
               std::max(found.bottom, y + 1)};
    }
  }
  return found;
}

TEST(ControlGeometryTest, SideTabsComposedLyingDownLandOnTheirOwnPlaceWhenTurned) {
  const RasterRect whole{0, 0, 120, 200};
  const RasterRect tab{2, 30, 22, 90};  // a left tab, 20 wide, 60 high

  const RasterRect left_page{21, 0, 120, 200};
  const RasterRect left_strip = TabStripRect(whole, left_page, kTabsLeft);
  const StripSize left_lying = LyingStripSize(left_strip, kTabsLeft);
  ASSERT_EQ(left_lying.width, 200);
  ASSERT_EQ(left_lying.height, 21);
  const RasterRect lying = TabInLyingStrip(tab, kTabsLeft, whole, left_page, left_lying.width);
  EXPECT_EQ(TurnedMark(lying, left_lying, kTabsLeft), (RasterRect{2, 30, 21, 90}))
      << "the same place, cut at the strip's edge";

  const RasterRect right_tab{98, 30, 118, 90};
  const RasterRect right_page{0, 0, 99, 200};
  const RasterRect right_strip = TabStripRect(whole, right_page, kTabsRight);
  const StripSize right_lying = LyingStripSize(right_strip, kTabsRight);
  const RasterRect placed =
      TabInLyingStrip(right_tab, kTabsRight, whole, right_page, right_lying.width);
  // The strip starts a pixel right of the tab (which reaches under the page frame).
  EXPECT_EQ(TurnedMark(placed, right_lying, kTabsRight),
            (RasterRect{0, 30, right_tab.right - right_strip.left, 90}));
}

TEST(ControlGeometryTest, ATabSetSkipsTabsThatDoNotFitButTriesEveryLaterOne) {
  EXPECT_EQ(PlaceTabSetTabs(5, 100, {30, 60, 10}, false), (std::vector<int>{5, -1, 44}));
  EXPECT_EQ(PlaceTabSetTabs(5, 100, {30, 60, 10}, true), (std::vector<int>{5, -1, 44}));
  // 5 + 30 + 9 = 44 fits exactly without the scroller, not with it.
  EXPECT_EQ(PlaceTabSetTabs(5, 44, {30}, false), (std::vector<int>{5}));
  EXPECT_EQ(PlaceTabSetTabs(5, 44, {30}, true), (std::vector<int>{-1}));
}

}  // namespace
}  // namespace telvana
