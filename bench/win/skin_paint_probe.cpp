// Figures for skin element painting on Windows: building a nine-slice element and putting
// it on a 1920 × 1080 memory DC, at a button's, a dialog's and a whole screen's size, through
// the portable core (DrawSkinElement: pixels, then one SetDIBitsToDevice or MaskBlt) and,
// for comparison, through GDI alone (nine StretchBlts into a compatible bitmap, then one
// BitBlt). Prints milliseconds per paint: the fastest of five batches, wall clock (Wine's
// thread times tick in 10 ms steps, too coarse for these).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "skin/skin_paint_win.h"
#include "ui/win_handles.h"

namespace {

using namespace telvana;

constexpr SkinMargins kMargins{8, 8, 8, 8};

PixelImage Picture() {
  PixelImage p = BlankImage(120, 40);
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) p.at(x, y) = Argb(0xFF, x * 2, y * 6, (x ^ y) & 0xFF);
  for (int x = 0; x < 8; ++x) p.at(60 + x, x) = 0xFFFF00FFu;  // a few key-coloured pixels
  return p;
}

// Milliseconds per call: the fastest of five batches, each long enough to measure (the
// fastest, as other work on a shared machine only ever adds time).
double Measure(const std::function<void()>& paint) {
  LARGE_INTEGER frequency;
  ::QueryPerformanceFrequency(&frequency);
  auto batch = [&](int calls) {
    LARGE_INTEGER a, b;
    ::QueryPerformanceCounter(&a);
    for (int i = 0; i < calls; ++i) paint();
    ::GdiFlush();
    ::QueryPerformanceCounter(&b);
    return static_cast<double>(b.QuadPart - a.QuadPart) * 1000.0 / frequency.QuadPart;
  };
  int calls = 1;
  while (batch(calls) < 50.0) calls *= 2;
  double best = batch(calls);
  for (int i = 0; i < 4; ++i) best = std::min(best, batch(calls));
  return best / calls;
}

// The element through GDI alone: the nine pieces stretched from the picture's bitmap into a
// bitmap of the element's size, then copied out.
void GdiElement(HDC target, const RECT& rect, HDC picture_dc, const PixelImage& picture) {
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  const win::Bitmap bitmap(::CreateCompatibleBitmap(target, w, h));
  const win::MemoryDc dc(::CreateCompatibleDC(target));
  const win::SelectObjectScope select(dc.get(), bitmap.get());
  ::SetStretchBltMode(dc.get(), COLORONCOLOR);
  for (const SlicePiece& p : CutNineSlice(w, h, picture, kMargins, false, 2, 2)) {
    if (!p.drawn) continue;
    ::StretchBlt(dc.get(), p.to.left, p.to.top, p.to.Width(), p.to.Height(), picture_dc,
                 p.from.left, p.from.top, p.from.Width(), p.from.Height(), SRCCOPY);
  }
  ::BitBlt(target, rect.left, rect.top, w, h, dc.get(), 0, 0, SRCCOPY);
}

}  // namespace

int wmain() {
  const PixelImage picture = Picture();
  const win::Bitmap picture_bitmap = CreateDibBitmap(picture);
  const win::MemoryDc picture_dc(::CreateCompatibleDC(nullptr));
  const win::SelectObjectScope select_picture(picture_dc.get(), picture_bitmap.get());

  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), 1920, -1080, 1, 32, BI_RGB};
  void* bits = nullptr;
  const win::Bitmap screen(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  const win::MemoryDc target(::CreateCompatibleDC(nullptr));
  const win::SelectObjectScope select_screen(target.get(), screen.get());

  std::printf("%-11s %-34s %10s\n", "size", "how", "ms");
  for (const SIZE size : {SIZE{100, 25}, SIZE{756, 617}, SIZE{1920, 1080}}) {
    const RECT rect{0, 0, size.cx, size.cy};
    struct Way {
      const char* name;
      std::function<void()> paint;
    };
    const Way ways[] = {
        {"DrawSkinElement, stretched",
         [&] {
           DrawSkinElement(target.get(), rect, picture, false, false, false, 2, 2, kMargins);
         }},
        {"BuildSkinElement alone, stretched",
         [&] {
           const PixelImage element =
               BuildSkinElement(size.cx, size.cy, picture, kMargins, false, false, 2, 2);
           if (element.pixels.empty()) std::abort();
         }},
        {"DrawSkinElement, tiled",
         [&] { DrawSkinElement(target.get(), rect, picture, false, true, false, 2, 2, kMargins); }},
        {"DrawSkinElement, stretched, Trans",
         [&] { DrawSkinElement(target.get(), rect, picture, false, false, true, 2, 2, kMargins); }},
        {"nine StretchBlts and a BitBlt",
         [&] { GdiElement(target.get(), rect, picture_dc.get(), picture); }},
    };
    for (const Way& way : ways) {
      std::printf("%4ldx%-6ld %-34s %10.3f\n", size.cx, size.cy, way.name, Measure(way.paint));
    }
  }
  return 0;
}
