// Skin element painting on memory DCs: the built pixels agree with StretchBlt, land at the
// rectangle's origin, keep the destination under the key colour, and leave the DC as it was.
#include "skin/skin_paint_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>
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

// Pixels of the canvas outside `inside` that are not the background.
int TouchedOutside(const Canvas& canvas, const RECT& inside) {
  const RECT all = canvas.area();
  int touched = 0;
  for (int y = all.top; y < all.bottom; ++y) {
    for (int x = all.left; x < all.right; ++x) {
      const POINT p{x, y};
      touched += !PtInRect(&inside, p) && canvas.at(x, y) != kBackground;
    }
  }
  return touched;
}

const PixelImage& Square() {
  static const PixelImage square = Lettered({"abcde", "fghij", "klmno", "pqrst", "uvwxy"});
  return square;
}

// A source picture in a memory DC, for GDI to stretch from.
class SourceDc {
 public:
  explicit SourceDc(const PixelImage& image)
      : bitmap_(CreateDibBitmap(image)),
        dc_(::CreateCompatibleDC(nullptr)),
        select_(dc_.get(), bitmap_.get()) {}
  HDC get() const { return dc_.get(); }

 private:
  win::Bitmap bitmap_;
  win::MemoryDc dc_;
  win::SelectObjectScope select_;
};

// Every pixel of a StretchBlt in COLORONCOLOR mode against the same piece stretched by the
// portable core, for enlarging, shrinking, single pixels and mirrored sources, each way.
TEST(StretchPieceOnWindows, GivesThePixelsOfStretchBlt) {
  PixelImage picture = BlankImage(40, 40);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) picture.at(x, y) = Argb(0xFF, x * 6, y * 6, 0x99);
  const SourceDc source(picture);
  struct Case {
    RasterRect from;
    int width, height;
  };
  std::vector<Case> cases;
  for (int s = 1; s <= 13; ++s) {
    for (int d = 1; d <= 31; d += (d < 15 ? 1 : 4)) {
      cases.push_back({{5, 7, 5 + s, 10}, d, 3});             // across
      cases.push_back({{7, 5, 10, 5 + s}, 3, d});             // down
      cases.push_back({{20, 7, 20 - s, 10}, d, 3});           // across, read backwards
      cases.push_back({{7, 20, 10, 20 - s}, 3, d});           // down, read backwards
      cases.push_back({{2, 3, 2 + s, 3 + d}, s + d % 5, s});  // both at once
    }
  }
  int mismatches = 0;
  std::string first;
  for (const Case& c : cases) {
    Canvas canvas(c.width, c.height, RGB(0, 0, 0));
    ::SetStretchBltMode(canvas.dc(), COLORONCOLOR);
    ::StretchBlt(canvas.dc(), 0, 0, c.width, c.height, source.get(), c.from.left, c.from.top,
                 c.from.Width(), c.from.Height(), SRCCOPY);
    PixelImage core = BlankImage(c.width, c.height);
    StretchPiece(core, {0, 0, c.width, c.height}, picture, c.from);
    for (int y = 0; y < c.height; ++y) {
      for (int x = 0; x < c.width; ++x) {
        const std::uint32_t p = core.at(x, y);
        if (canvas.at(x, y) != RGB(p >> 16 & 0xFF, p >> 8 & 0xFF, p & 0xFF)) {
          if (mismatches++ == 0) {
            first = "from " + std::to_string(c.from.left) + "," + std::to_string(c.from.top) +
                    " extent " + std::to_string(c.from.Width()) + "x" +
                    std::to_string(c.from.Height()) + " to " + std::to_string(c.width) + "x" +
                    std::to_string(c.height) + " at " + std::to_string(x) + "," + std::to_string(y);
          }
        }
      }
    }
  }
  EXPECT_EQ(mismatches, 0) << "first: " << first;
  EXPECT_GT(cases.size(), 500u);
}

TEST(DrawSkinElement, PutsTheElementAtTheRectanglesOrigin) {
  Canvas canvas(13, 11, kBackground);
  const RECT rect{2, 3, 11, 10};
  DrawSkinElement(canvas.dc(), rect, Square(), false, false, false, 1, 1, {1, 1, 1, 1});
  EXPECT_EQ(ReadLetters(canvas, 2, 3, 9, 7), (Rows{"abbcccdde",  //
                                                   "fgghhhiij",  //
                                                   "fgghhhiij",  //
                                                   "kllmmmnno",  //
                                                   "pqqrrrsst",  //
                                                   "pqqrrrsst",  //
                                                   "uvvwwwxxy"}));
  EXPECT_EQ(TouchedOutside(canvas, rect), 0);
}

TEST(DrawSkinElement, RecordWithTransLeavesEveryMagentaPixelShowingTheDestination) {
  TDataSkinObject object;
  object.Image = Lettered({"a#b", "#c#", "d#e"});
  object.LeftWidth = object.TopHeight = object.RightWidth = object.BottomHeight = 1;
  object.Trans = 1;
  Canvas canvas(8, 7, kBackground);
  DrawSkinElement(canvas.dc(), RECT{1, 1, 6, 5}, 1, 1, object);
  EXPECT_EQ(ReadLetters(canvas, 1, 1, 5, 4), (Rows{"a???b",  //
                                                   "?ccc?",  //
                                                   "?ccc?",  //
                                                   "d???e"}));
  EXPECT_EQ(canvas.at(2, 1), kBackground);
  EXPECT_EQ(TouchedOutside(canvas, RECT{1, 1, 6, 5}), 0);
}

TEST(DrawSkinElement, RecordWithTileRepeatsTheCentre) {
  TDataSkinObject object;
  object.Image = Lettered({"abcdeX", "fghijX", "klmnoX", "pqrstX", "uvwxyX", "ZZZZZZ"});
  object.LeftWidth = object.TopHeight = object.RightWidth = object.BottomHeight = 1;
  object.Tile = 1;
  Canvas canvas(9, 7, kBackground);
  // Frame 1 of 1 is the whole 6 × 6 picture; its centre is 4 × 4.
  DrawSkinElement(canvas.dc(), RECT{0, 0, 9, 7}, 1, 1, object);
  EXPECT_EQ(ReadLetters(canvas, 0, 0, 9, 7)[1], "fghijghiX");
  EXPECT_EQ(ReadLetters(canvas, 0, 0, 9, 7)[5], "ughijghiX");
}

TEST(DrawSkinElement, InvertedRectangleOrEmptyPictureDrawsNothing) {
  Canvas canvas(6, 6, kBackground);
  DrawSkinElement(canvas.dc(), RECT{4, 1, 2, 5}, Square(), false, false, false, 1, 1, {});
  DrawSkinElement(canvas.dc(), RECT{1, 4, 5, 2}, Square(), false, false, true, 1, 1, {});
  DrawSkinElement(canvas.dc(), RECT{0, 0, 6, 6}, PixelImage{}, false, false, false, 1, 1, {});
  EXPECT_EQ(TouchedOutside(canvas, RECT{}), 0);
}

TEST(TransparentBlit, KeepsTheDestinationUnderExactlyTheKeyColour) {
  PixelImage image = Lettered({"a#b", "#c#"});
  image.at(1, 1) = 0xFFFE00FFu;  // one step off magenta: copied
  const win::Bitmap bitmap = CreateDibBitmap(image);
  Canvas canvas(5, 4, kBackground);
  TransparentBlit(canvas.dc(), RECT{1, 1, 4, 3}, bitmap.get(), kKeyColorRef);
  EXPECT_EQ(ReadLetters(canvas, 1, 1, 3, 2)[0], "a?b");
  EXPECT_EQ(canvas.at(2, 1), kBackground);
  EXPECT_EQ(canvas.at(1, 2), kBackground);
  EXPECT_EQ(canvas.at(2, 2), RGB(0xFE, 0x00, 0xFF));
  EXPECT_EQ(canvas.at(3, 2), kBackground);
  EXPECT_EQ(TouchedOutside(canvas, RECT{1, 1, 4, 3}), 0);
  // The bitmap is free again: it can be selected into another DC.
  const win::MemoryDc other(::CreateCompatibleDC(nullptr));
  const win::SelectObjectScope select(other.get(), bitmap.get());
  EXPECT_TRUE(select.selected());
}

TEST(TransparentBlit, ABitmapHeldByAnotherDcThrowsAndDrawsNothing) {
  const win::Bitmap bitmap = CreateDibBitmap(Square());
  const win::MemoryDc holder(::CreateCompatibleDC(nullptr));
  const win::SelectObjectScope held(holder.get(), bitmap.get());
  Canvas canvas(5, 5, kBackground);
  EXPECT_THROW(TransparentBlit(canvas.dc(), RECT{0, 0, 5, 5}, bitmap.get(), kKeyColorRef),
               std::runtime_error);
  EXPECT_EQ(TouchedOutside(canvas, RECT{}), 0);
  EXPECT_EQ(::GetCurrentObject(holder.get(), OBJ_BITMAP), bitmap.get());
}

TEST(DrawSkinBorder, DrawsTheRingAndKeepsTheCentre) {
  Canvas canvas(7, 6, kBackground);
  DrawSkinBorder(canvas.dc(), RECT{1, 1, 6, 5}, Square(), {1, 1, 1, 1}, false, 1, 1);
  EXPECT_EQ(ReadLetters(canvas, 1, 1, 5, 4), (Rows{"abcde", "f???j", "p???t", "uvwxy"}));
  EXPECT_EQ(canvas.at(3, 2), kBackground);
  EXPECT_EQ(TouchedOutside(canvas, RECT{1, 1, 6, 5}), 0);
}

TEST(DrawSkinStrip, RepeatsTheMiddleAndCanKeepTheKeyColour) {
  const PixelImage strip = Lettered({"a#cde"});
  Canvas canvas(9, 2, kBackground);
  DrawSkinStrip(canvas.dc(), RECT{0, 0, 9, 1}, strip, false, false, 1, 1, {1, 0, 1, 0});
  DrawSkinStrip(canvas.dc(), RECT{0, 1, 9, 2}, strip, false, true, 1, 1, {1, 0, 1, 0});
  EXPECT_EQ(ReadLetters(canvas, 0, 0, 9, 2), (Rows{"a#cd#cd#e", "a?cd?cd?e"}));
}

TEST(StretchFrame, StretchesOneFrameOpaqueOrThroughTheKey) {
  const PixelImage strip = Lettered({"ab#A", "cdB#"});
  Canvas canvas(6, 2, kBackground);
  StretchFrame(canvas.dc(), RECT{0, 0, 3, 2}, strip, false, 2, 2);
  StampFrame(canvas.dc(), RECT{3, 0, 6, 2}, strip, 2, 2);
  EXPECT_EQ(ReadLetters(canvas, 0, 0, 6, 2), (Rows{"##A??A", "BB#BB?"}));
}

TEST(TileDraw, RepeatsThePieceAndStopsAtTheRectangle) {
  Canvas canvas(8, 4, kBackground);
  TileDraw(canvas.dc(), RECT{1, 1, 6, 4}, Square(), {1, 1, 3, 3});
  EXPECT_EQ(ReadLetters(canvas, 1, 1, 5, 3), (Rows{"ghghg", "lmlml", "ghghg"}));
  EXPECT_EQ(TouchedOutside(canvas, RECT{1, 1, 6, 4}), 0);
  TileDraw(canvas.dc(), RECT{0, 0, 8, 4}, Square(), {1, 1, 1, 3});
  EXPECT_EQ(canvas.at(0, 0), kBackground);
}

}  // namespace
}  // namespace telvana
