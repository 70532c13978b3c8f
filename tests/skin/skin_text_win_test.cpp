// Text helpers and arrows of the skin painters, drawn with the DC's own font (a stock one
// here) on memory DCs: where the ink lands, its colour when disabled, the transparent
// background, and the DC left as it was.
#include "skin/skin_text_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "tests/support/canvas.h"
#include "ui/win_handles.h"

namespace telvana {
namespace {

using testsupport::Canvas;

constexpr COLORREF kPaper = RGB(0xC0, 0xC8, 0xD0);

// A canvas with the stock GUI font, black text and an opaque white text background, so
// that a helper that forgot the transparent background would show it.
class TextCanvas : public Canvas {
 public:
  TextCanvas(int width, int height)
      : Canvas(width, height, kPaper), font_(dc(), ::GetStockObject(DEFAULT_GUI_FONT)) {
    ::SetTextColor(dc(), RGB(0, 0, 0));
    ::SetBkColor(dc(), RGB(0xFF, 0xFF, 0xFF));
    ::SetBkMode(dc(), OPAQUE);
  }
  SIZE Measure(const std::wstring& text) {
    RECT r{0, 0, 1000, 1000};
    ::DrawTextW(dc(), text.c_str(), static_cast<int>(text.size()), &r,
                DT_CALCRECT | DT_SINGLELINE | DT_NOCLIP | DT_EXPANDTABS);
    return {r.right - r.left, r.bottom - r.top};
  }
  // The smallest rectangle holding every pixel that is not paper.
  RECT Ink() const {
    RECT ink{10000, 10000, -1, -1};
    const RECT all = area();
    for (int y = 0; y < all.bottom; ++y)
      for (int x = 0; x < all.right; ++x)
        if (at(x, y) != kPaper) {
          ink = {std::min<LONG>(ink.left, x), std::min<LONG>(ink.top, y),
                 std::max<LONG>(ink.right, x + 1), std::max<LONG>(ink.bottom, y + 1)};
        }
    return ink;
  }

 private:
  win::SelectObjectScope font_;
};

void ExpectInside(const RECT& ink, const RECT& place) {
  EXPECT_LT(ink.left, ink.right) << "no ink at all";
  EXPECT_GE(ink.left, place.left);
  EXPECT_GE(ink.top, place.top);
  EXPECT_LE(ink.right, place.right);
  EXPECT_LE(ink.bottom, place.bottom);
}

TEST(DrawCentredText, CentresTheTextBothWays) {
  TextCanvas canvas(120, 40);
  const SIZE size = canvas.Measure(L"WWW");
  const RECT rect{10, 4, 110, 36};
  DrawCentredText(canvas.dc(), rect, L"WWW", 2, true);
  const LONG left = 10 + (100 - size.cx) / 2, top = 4 + (32 - size.cy) / 2;
  ExpectInside(canvas.Ink(), RECT{left, top, left + size.cx, top + size.cy});
  EXPECT_EQ(canvas.Count(RGB(0xFF, 0xFF, 0xFF)), 0);  // transparent background
}

TEST(DrawCentredText, DisabledTextTakesTheButtonShadowColourAndTheDcKeepsItsOwn) {
  TextCanvas canvas(80, 30);
  DrawCentredText(canvas.dc(), RECT{0, 0, 80, 30}, L"WW", 0, false);
  EXPECT_GT(canvas.Count(::GetSysColor(COLOR_BTNSHADOW)), 0);
  EXPECT_EQ(canvas.Count(RGB(0, 0, 0)), 0);
  EXPECT_EQ(::GetTextColor(canvas.dc()), RGB(0, 0, 0));
  EXPECT_EQ(::GetBkMode(canvas.dc()), OPAQUE);
}

TEST(DrawCaptionText, CentredTextSitsOnePixelAboveTheMiddle) {
  TextCanvas canvas(120, 40);
  const SIZE size = canvas.Measure(L"WWW");
  DrawCaptionText(canvas.dc(), RECT{0, 0, 120, 40}, DT_CENTER, true, L"WWW");
  const LONG left = (120 - size.cx) / 2, top = (40 - size.cy) / 2 - 1;
  ExpectInside(canvas.Ink(), RECT{left, top, left + size.cx, top + size.cy});
  EXPECT_EQ(canvas.Count(RGB(0xFF, 0xFF, 0xFF)), 0);
}

TEST(DrawCaptionText, OtherwiseSpansTheWholeWidth) {
  TextCanvas left_canvas(120, 30);
  DrawCaptionText(left_canvas.dc(), RECT{20, 0, 100, 30}, DT_LEFT, true, L"WWW");
  EXPECT_GE(left_canvas.Ink().left, 20);
  EXPECT_LT(left_canvas.Ink().left, 23);
  TextCanvas right_canvas(120, 30);
  DrawCaptionText(right_canvas.dc(), RECT{20, 0, 100, 30}, DT_RIGHT, true, L"WWW");
  EXPECT_LE(right_canvas.Ink().right, 100);
  EXPECT_GT(right_canvas.Ink().right, 97);
}

class DrawIconTextTest : public ::testing::Test {
 protected:
  static constexpr COLORREF kIcon = RGB(0xE0, 0x10, 0x20);
  void SetUp() override {
    images_.reset(ImageList_Create(16, 16, ILC_COLOR24, 1, 0));
    testsupport::Canvas icon(16, 16, kIcon);
    // The list copies the bitmap, which must not stay selected in the canvas meanwhile.
    const win::Bitmap bitmap(::CreateCompatibleBitmap(icon.dc(), 16, 16));
    {
      const win::MemoryDc dc(::CreateCompatibleDC(icon.dc()));
      const win::SelectObjectScope select(dc.get(), bitmap.get());
      ::BitBlt(dc.get(), 0, 0, 16, 16, icon.dc(), 0, 0, SRCCOPY);
    }
    ASSERT_EQ(ImageList_Add(images_.get(), bitmap.get(), nullptr), 0);
  }
  win::ImageList images_;
};

TEST_F(DrawIconTextTest, LeftAlignedIconStartsTwoPixelsInAndTheTextAfterIt) {
  TextCanvas canvas(120, 24);
  DrawIconText(canvas.dc(), RECT{0, 0, 120, 24}, 0, L"WW", 0, images_.get(), true);
  EXPECT_EQ(canvas.at(2, 4), kIcon);  // (24 - 16) div 2 down
  EXPECT_EQ(canvas.at(17, 19), kIcon);
  EXPECT_NE(canvas.at(1, 4), kIcon);
  EXPECT_NE(canvas.at(2, 3), kIcon);
  EXPECT_EQ(canvas.Count(kIcon), 256);
  int first_text_column = 120;
  for (int x = 18; x < 120; ++x)
    for (int y = 0; y < 24; ++y)
      if (canvas.at(x, y) != kPaper) first_text_column = std::min(first_text_column, x);
  EXPECT_GE(first_text_column, 2 + 16 + 1);
  EXPECT_LT(first_text_column, 120);
}

TEST_F(DrawIconTextTest, NoIconWithoutIndexOrWhenItDoesNotFit) {
  TextCanvas canvas(120, 24);
  DrawIconText(canvas.dc(), RECT{0, 0, 120, 24}, 0, L"W", -1, images_.get(), true);
  DrawIconText(canvas.dc(), RECT{0, 0, 16, 24}, 0, L"", 0, images_.get(), true);
  DrawIconText(canvas.dc(), RECT{0, 0, 120, 24}, 0, L"W", 0, nullptr, true);
  EXPECT_EQ(canvas.Count(kIcon), 0);
}

std::set<std::pair<int, int>> Black(const Canvas& canvas) {
  std::set<std::pair<int, int>> pixels;
  for (int y = 0; y < canvas.area().bottom; ++y)
    for (int x = 0; x < canvas.area().right; ++x)
      if (canvas.at(x, y) == RGB(0, 0, 0)) pixels.insert({x - 10, y - 10});
  return pixels;
}

std::set<std::pair<int, int>> ArrowAt(int direction) {
  Canvas canvas(21, 21, RGB(0xFF, 0xFF, 0xFF));
  const win::SelectObjectScope pen(canvas.dc(), ::GetStockObject(BLACK_PEN));
  ::MoveToEx(canvas.dc(), 3, 3, nullptr);
  DrawArrow(canvas.dc(), 10, 10, direction);
  POINT position;
  ::GetCurrentPositionEx(canvas.dc(), &position);
  EXPECT_EQ(position.x, 3);
  return Black(canvas);
}

TEST(DrawArrow, ChevronsPointUpAndDownFromTheirApex) {
  const std::set<std::pair<int, int>> up{{0, 0},  {-1, 1}, {0, 1},  {1, 1},  {-2, 2},
                                         {-1, 2}, {1, 2},  {2, 2},  {-3, 3}, {-2, 3},
                                         {2, 3},  {3, 3},  {-3, 4}, {3, 4}};
  EXPECT_EQ(ArrowAt(kArrowUp), up);
  std::set<std::pair<int, int>> down;
  for (auto [x, y] : up) down.insert({x, 4 - y});
  EXPECT_EQ(ArrowAt(kArrowDown), down);
}

TEST(DrawArrow, TrianglesPointLeftAndRight) {
  EXPECT_EQ(ArrowAt(kArrowLeft),
            (std::set<std::pair<int, int>>{{1, 0}, {1, 1}, {1, 2}, {1, 3}, {0, 1}, {0, 2}}));
  EXPECT_EQ(ArrowAt(kArrowRight),
            (std::set<std::pair<int, int>>{{0, 0}, {0, 1}, {0, 2}, {0, 3}, {1, 1}, {1, 2}}));
  EXPECT_TRUE(ArrowAt(7).empty());
}

}  // namespace
}  // namespace telvana
