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
