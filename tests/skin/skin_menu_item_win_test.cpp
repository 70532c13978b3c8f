// The skinned menu item painter on memory DCs: the separator line cut from the skin picture,
// and the flat item's colours for a selected, a disabled and a separator item.
#include "skin/skin_menu_item_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/skin/canvas_letters.h"
#include "tests/skin/letter_pictures.h"
#include "tests/support/canvas.h"

namespace telvana {
namespace {

using testing::Lettered;
using testing::ReadLetters;
using testsupport::Canvas;
using Rows = std::vector<std::string>;

constexpr COLORREF kBackground = RGB(0x12, 0x34, 0x56);

TEST(DrawSeparator, TakesTheBottomRowsOfTheSecondImageWithItsEndsAndKeyColour) {
  TDataSkinObject item;
  // Five images of 4 × 3; the second is "ABCD" / "efgh" / "ij#k".
  item.Image = Lettered({"....ABCD............",  //
                         "....efgh............",  //
                         "....ij#k............"});
  item.LeftWidth = 1;
  item.RightWidth = 1;
  Canvas canvas(14, 5, kBackground);
  DrawSeparator(canvas.dc(), {2, 1, 12, 3}, item);
  EXPECT_EQ(ReadLetters(canvas, 2, 1, 10, 2), (Rows{"effffggggh",  //
                                                    "ijjjj????k"}));
  EXPECT_EQ(ReadLetters(canvas, 0, 0, 14, 1), (Rows{"??????????????"}));
  EXPECT_EQ(ReadLetters(canvas, 0, 3, 14, 2), (Rows{"??????????????", "??????????????"}));
}

TEST(PlainItemDraw, FillsWithHilightOnlyForASelectedEnabledItem) {
  SkinColours colours;
  colours.Hilight = RgbColour(0x10, 0x20, 0x30);
  colours.Menu = RgbColour(0xF0, 0xE0, 0xD0);
  colours.MenuText = RgbColour(0, 0, 0);
  colours.HilightText = RgbColour(0xFF, 0xFF, 0xFF);
  auto corner = [&](MenuItemView item, bool selected) {
    Canvas canvas(60, 24, kBackground);
    PlainItemDraw(canvas.dc(), colours, item, {5, 2, 55, 22}, selected);
    EXPECT_EQ(canvas.at(4, 2), kBackground);  // nothing outside the item
    return canvas.at(5, 2);
  };
  MenuItemView item{.caption = L"x"};
  EXPECT_EQ(corner(item, true), RGB(0x10, 0x20, 0x30));
  EXPECT_EQ(corner(item, false), RGB(0xF0, 0xE0, 0xD0));
  item.enabled = false;
  EXPECT_EQ(corner(item, true), RGB(0xF0, 0xE0, 0xD0));
  EXPECT_EQ(corner({.caption = L"-"}, true), RGB(0xF0, 0xE0, 0xD0));
}

}  // namespace
}  // namespace telvana
