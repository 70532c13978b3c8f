// The shared paint bitmap: one instance while it lives, sized on demand, stretching with
// COLORONCOLOR, and freed by its owner's scope.
#include "skin/shared_paint_bitmap_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/canvas.h"

namespace telvana {
namespace {

SIZE SelectedBitmapSize(HDC dc) {
  BITMAP info{};
  ::GetObjectW(::GetCurrentObject(dc, OBJ_BITMAP), sizeof(info), &info);
  return {info.bmWidth, info.bmHeight};
}

class SharedPaintBitmapTest : public ::testing::Test {
 protected:
  SharedPaintBitmapLifetime lifetime_;
};

TEST_F(SharedPaintBitmapTest, IsOneInstanceSizedOnDemand) {
  SharedPaintBitmap& shared = SharedPaintBitmap::Get();
  EXPECT_EQ(&SharedPaintBitmap::Get(), &shared);
  EXPECT_EQ(::GetStretchBltMode(shared.dc()), COLORONCOLOR);
  shared.Resize(30, 12);
  EXPECT_EQ(shared.width(), 30);
  EXPECT_EQ(SelectedBitmapSize(shared.dc()).cx, 30);
  EXPECT_EQ(SelectedBitmapSize(shared.dc()).cy, 12);
  const HGDIOBJ bitmap = ::GetCurrentObject(shared.dc(), OBJ_BITMAP);
  shared.Resize(30, 12);
  EXPECT_EQ(::GetCurrentObject(shared.dc(), OBJ_BITMAP), bitmap);
  shared.Resize(8, 40);
  EXPECT_EQ(SelectedBitmapSize(shared.dc()).cy, 40);
  EXPECT_EQ(::GetStretchBltMode(shared.dc()), COLORONCOLOR);
}

TEST_F(SharedPaintBitmapTest, ComposesOffScreenAndCopiesOut) {
  SharedPaintBitmap& shared = SharedPaintBitmap::Get();
  shared.Resize(4, 3);
  const RECT all{0, 0, 4, 3};
  const win::Brush red(::CreateSolidBrush(RGB(200, 10, 10)));
  ::FillRect(shared.dc(), &all, red.get());
  testsupport::Canvas canvas(6, 5, RGB(0, 0, 0));
  ::BitBlt(canvas.dc(), 1, 1, 4, 3, shared.dc(), 0, 0, SRCCOPY);
  EXPECT_EQ(canvas.at(1, 1), RGB(200, 10, 10));
  EXPECT_EQ(canvas.at(4, 3), RGB(200, 10, 10));
  EXPECT_EQ(canvas.Count(RGB(200, 10, 10)), 12);
}

TEST(SharedPaintBitmapLifetime, FreesTheInstanceAtTheEndOfItsScope) {
  {
    SharedPaintBitmapLifetime lifetime;
    SharedPaintBitmap::Get().Resize(5, 5);
  }
  // A new instance, not yet sized.
  SharedPaintBitmapLifetime lifetime;
  EXPECT_EQ(SharedPaintBitmap::Get().width(), 0);
}

}  // namespace
}  // namespace telvana
