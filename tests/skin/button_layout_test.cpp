// Frames and places of skinned buttons, worked out by hand.
#include "skin/button_layout.h"

#include <gtest/gtest.h>

namespace telvana {
namespace {

TEST(ButtonFrames, PressOutranksHoverDefaultAndFocusAndDisabledOutranksAll) {
  EXPECT_EQ(PushButtonFrame(kMousePressed | kMouseHot, true, true, true), 2);
  EXPECT_EQ(PushButtonFrame(kMouseHot, true, false, true), 4);
  EXPECT_EQ(PushButtonFrame(0, true, true, true), 5) << "a push button shows default over focus";
  EXPECT_EQ(BitButtonFrame(0, true, true, true), 4) << "a glyph button shows focus over default";
  EXPECT_EQ(PushButtonFrame(0, false, false, true), 1);
  EXPECT_EQ(PushButtonFrame(kMousePressed, false, false, false), 3);
}

TEST(ButtonFrames, BoxesRemapTheirLongStrips) {
  // Four frames: indeterminate shows 4 whether enabled or not.
  EXPECT_EQ(CheckBoxFrame(true, false, false, 4), 2);
  EXPECT_EQ(CheckBoxFrame(false, false, true, 4), 3);
  EXPECT_EQ(CheckBoxFrame(false, true, false, 4), 4);
  EXPECT_EQ(CheckBoxFrame(false, true, true, 4), 4);
  // Twelve frames.
  EXPECT_EQ(CheckBoxFrame(true, false, false, 12), 5);
  EXPECT_EQ(CheckBoxFrame(false, false, true, 12), 4);
  EXPECT_EQ(CheckBoxFrame(true, false, true, 12), 8);
  EXPECT_EQ(CheckBoxFrame(false, true, false, 12), 9);
  EXPECT_EQ(CheckBoxFrame(false, true, true, 12), 12);
  EXPECT_EQ(RadioButtonFrame(true, true, 8), 8);
  EXPECT_EQ(RadioButtonFrame(true, false, 4), 2);
}

TEST(GlyphButton, MarginAndSpacingWorkedOutWhenAskedFor) {
  // 100 x 30 client, a 16 x 16 glyph, text 40 x 12, glyph on the left.
  auto places = PlaceBitButton({100, 30}, {16, 16}, {40, 12}, -1, 4, GlyphLayout::kLeft);
  EXPECT_EQ(places.glyph, (LayoutPoint{20, 7}));  // margin (100 - 60) / 2
  EXPECT_EQ(places.text, (LayoutPoint{40, 9}));
  // Both -1: three equal gaps of (100 - 56) / 3.
  places = PlaceBitButton({100, 30}, {16, 16}, {40, 12}, -1, -1, GlyphLayout::kLeft);
  EXPECT_EQ(places.glyph.x, 14);
  EXPECT_EQ(places.text.x, 44);
  // Right: the text ends a spacing before the glyph.
  places = PlaceBitButton({100, 30}, {16, 16}, {40, 12}, 5, 3, GlyphLayout::kRight);
  EXPECT_EQ(places.glyph.x, 79);
  EXPECT_EQ(places.text.x, 36);
  // Bottom, with the spacing worked out from a given margin; centred across.
  places = PlaceBitButton({60, 80}, {16, 16}, {40, 12}, 4, -1, GlyphLayout::kBottom);
  EXPECT_EQ(places.glyph, (LayoutPoint{22, 60}));
  EXPECT_EQ(places.text, (LayoutPoint{10, 24}));  // spacing ((80 - 20) - 12) / 2 = 24
  // No text: no spacing.
  places = PlaceBitButton({100, 30}, {16, 16}, {0, 0}, -1, 10, GlyphLayout::kTop);
  EXPECT_EQ(places.glyph.y, 7);
}

TEST(GlyphButton, OnlyAFourCellGlyphShowsItsOtherCells) {
  EXPECT_EQ(GlyphCell(4, 2), 2);
  EXPECT_EQ(GlyphCell(4, 3), 1);
  EXPECT_EQ(GlyphCell(4, 4), 0);
  EXPECT_EQ(GlyphCell(3, 2), 0);
  EXPECT_EQ(GlyphCell(2, 3), 0);
}

TEST(Boxes, TheBoxSitsLeftOrRightOfTheText) {
  auto places = PlaceBox(0, 0, 120, 20, 13, 13, 13, false, false);
  EXPECT_EQ(places.glyph_left, 2);  // (14 - 13) / 2 + 2
  EXPECT_EQ(places.glyph_top, 3);
  EXPECT_EQ(places.face_right, 16);
  EXPECT_EQ(PlaceBox(0, 0, 120, 20, 13, 13, 13, false, true).glyph_left, 0);
  places = PlaceBox(0, 0, 120, 20, 16, 16, 13, true, false);
  EXPECT_EQ(places.glyph_left, 103);  // right - 1 - 16
  EXPECT_EQ(places.face_left, 104);
}

}  // namespace
}  // namespace telvana
