#include "skin/menu_item_layout.h"

#include <gtest/gtest.h>

namespace telvana {
namespace {

TEST(MenuItemLayoutTest, AShortcutWidensTheItemByTheColumnAndASeparatorIsLow) {
  MenuItemExtents plain{.caption_width = 60, .text_height = 17, .left_width = 4};
  MenuItemExtents with_key = plain;
  with_key.shortcut_width = 20;
  const MenuItemSize a = MeasureMenuItemBox(plain), b = MeasureMenuItemBox(with_key);
  EXPECT_EQ(b.width - a.width, kMenuShortcutGap + 20);
  EXPECT_EQ(a.height, 21);
  // A small font still leaves room for the glyph.
  EXPECT_EQ(MeasureMenuItemBox({.caption_width = 10, .text_height = 8}).height, kMenuGlyphSize + 2);
  MenuItemExtents line = plain;
  line.separator = true;
  EXPECT_EQ(MeasureMenuItemBox(line).height, kMenuSeparatorHeight);
}

TEST(MenuItemLayoutTest, TheShortcutEndsBeforeTheCaptionBoxAndMirrorsRightToLeft) {
  const RasterRect item{10, 20, 210, 42};
  const MenuItemExtents e{
      .caption_width = 60, .shortcut_width = 20, .text_height = 17, .left_width = 4};
  const MenuItemBoxes ltr = LayoutMenuItem(item, e, false);
  EXPECT_EQ(ltr.glyph, (RasterRect{15, 23, 31, 39}));  // centred in the 22 rows
  EXPECT_EQ(ltr.caption, (RasterRect{34, 20, 209, 42}));
  EXPECT_EQ(ltr.shortcut, (RasterRect{94, 20, 199, 42}));
  const MenuItemBoxes rtl = LayoutMenuItem(item, e, true);
  EXPECT_EQ(rtl.glyph, (RasterRect{189, 23, 205, 39}));
  EXPECT_EQ(rtl.caption, (RasterRect{11, 20, 186, 42}));
  EXPECT_EQ(rtl.shortcut, (RasterRect{21, 20, 126, 42}));
  // A separator has no glyph and no shortcut.
  MenuItemExtents line = e;
  line.separator = true;
  const MenuItemBoxes sep = LayoutMenuItem(item, line, false);
  EXPECT_EQ(sep.glyph.Width(), 0);
  EXPECT_EQ(sep.shortcut.Width(), 0);
}

TEST(MenuItemLayoutTest, AnItemTooNarrowForItsCaptionKeepsItsBoxesInOrder) {
  const MenuItemBoxes boxes = LayoutMenuItem(
      {0, 0, 20, 20}, {.caption_width = 80, .shortcut_width = 30, .left_width = 4}, false);
  EXPECT_LE(boxes.caption.left, boxes.caption.right);
  EXPECT_LE(boxes.shortcut.left, boxes.shortcut.right);
}

TEST(MenuItemLayoutTest, TheSeparatorTakesTheBottomRowsOfTheSecondFrame) {
  // Five frames of 30 × 20; an item 100 × 8 takes rows 12 to 20 of frame 2 (x 30 to 60).
  const auto pieces = SeparatorPieces(150, 20, 100, 8, 4, 4);
  ASSERT_EQ(pieces.size(), 3u);
  EXPECT_EQ(pieces[0].to, (RasterRect{0, 0, 4, 8}));
  EXPECT_EQ(pieces[0].from, (RasterRect{30, 12, 34, 20}));
  EXPECT_EQ(pieces[1].to, (RasterRect{96, 0, 100, 8}));
  EXPECT_EQ(pieces[1].from, (RasterRect{56, 12, 60, 20}));
  EXPECT_EQ(pieces[2].to, (RasterRect{4, 0, 96, 8}));
  EXPECT_EQ(pieces[2].from, (RasterRect{34, 12, 56, 20}));
  // A picture lower than the item: all its rows, stretched.
  EXPECT_EQ(SeparatorPieces(150, 6, 100, 8, 4, 4)[0].from, (RasterRect{30, 0, 34, 6}));
}

TEST(MenuItemLayoutTest, SeparatorPiecesRefuseWhatCannotBeCut) {
  EXPECT_TRUE(SeparatorPieces(4, 20, 100, 8, 0, 0).empty());      // frames of no width
  EXPECT_TRUE(SeparatorPieces(150, 20, 0, 8, 4, 4).empty());      // no item
  EXPECT_TRUE(SeparatorPieces(150, 20, 100, 8, 20, 20).empty());  // margins past the frame
  // Ends wider than the item are dropped: the middle spans it.
  const auto narrow = SeparatorPieces(150, 20, 6, 8, 4, 4);
  ASSERT_EQ(narrow.size(), 1u);
  EXPECT_EQ(narrow[0].to, (RasterRect{0, 0, 6, 8}));
  EXPECT_EQ(narrow[0].from, (RasterRect{30, 12, 60, 20}));
}

TEST(MenuItemLayoutTest, BarButtonsRunFromTheStartAndEmptyCaptionsTakeNoRoom) {
  const auto slots = LayoutMenuBar({40, 0, 30}, 300, 7, false);
  ASSERT_EQ(slots.size(), 3u);
  EXPECT_EQ(slots[0].left, 7);
  EXPECT_EQ(slots[0].right, 57);
  EXPECT_EQ(slots[1].left, slots[1].right);
  EXPECT_EQ(slots[2].right, 97);
  const auto rtl = LayoutMenuBar({40}, 300, 11, true);
  EXPECT_EQ(rtl[0].right, 289);
  EXPECT_EQ(rtl[0].left, 239);
  EXPECT_EQ(MenuBarStart(true, 300, 3, 3, false), 7);
  EXPECT_EQ(MenuBarStart(true, 300, 3, 3, true), 11);
  EXPECT_EQ(MenuBarStart(true, 5, 3, 3, false), 12);
  EXPECT_EQ(MenuBarStart(false, 300, 3, 3, false), 6);
}

}  // namespace
}  // namespace telvana
