// Skin element painting on device contexts: every skin painter puts its pictures on the
// screen through these. The elements are built as pixels (skin_element.h) and copied to the
// DC once; transparent copies leave the key colour (magenta) showing the destination.
//
// All of them return without drawing for an inverted rectangle (right < left or
// bottom < top) and for an empty picture. They leave the DC as they found it; GDI objects
// they need live only for the call, also when they throw.
#pragma once

#include <windows.h>

#include "skin/skin_element.h"
#include "skin/skin_records.h"
#include "ui/win_handles.h"

namespace telvana {

// Magenta reads the same as a COLORREF.
inline constexpr COLORREF kKeyColorRef = RGB(0xFF, 0x00, 0xFF);

bool IsInverted(const RECT& rect);

// The same rectangle in Windows' terms and in the portable core's.
inline RECT AsRect(const RasterRect& r) {
  return {r.left, r.top, r.right, r.bottom};
}
inline RasterRect AsRaster(const RECT& r) {
  return {r.left, r.top, r.right, r.bottom};
}

// A 32-bit DIB section holding `image`.
win::Bitmap CreateDibBitmap(const PixelImage& image);

// Copies `image` to the DC with its top-left corner at (x, y) (SetDIBitsToDevice).
void PutPixels(HDC dc, int x, int y, const PixelImage& image);

// Copies `bitmap` (not selected into any DC) to `rect`, its top-left pixel at the
// rectangle's, at the rectangle's size, with pixels of exactly `key` keeping the destination
// (MaskBlt through a monochrome mask of the key colour). Throws std::runtime_error when GDI
// refuses the DCs, the mask or the bitmap.
void TransparentBlit(HDC dc, const RECT& rect, HBITMAP bitmap, COLORREF key);
void TransparentBlit(HDC dc, const RECT& rect, const PixelImage& image,
                     COLORREF key = kKeyColorRef);

// Frame k of n (side by side) of the record's picture as a nine-slice element over `rect`,
// with the record's margins and Tile (1 tiles the centre); transparent when its Trans is 1.
void DrawSkinElement(HDC dc, const RECT& rect, int n, int k, const TDataSkinObject& object);
// The same with everything given.
void DrawSkinElement(HDC dc, const RECT& rect, const PixelImage& image, bool vertical, bool tile,
                     bool transparent, int n, int k, const SkinMargins& margins);

// The corners and edges of the nine-slice element over `rect`, without its centre: what lies
// inside the margins keeps the DC's pixels.
void DrawSkinBorder(HDC dc, const RECT& rect, const PixelImage& image, const SkinMargins& margins,
                    bool vertical, int n, int k);

// The three-slice strip over `rect` (skin_element.h); only the left and right margins count.
void DrawSkinStrip(HDC dc, const RECT& rect, const PixelImage& image, bool vertical,
                   bool transparent, int n, int k, const SkinMargins& margins);

// Frame k of n (side by side) stretched whole over `rect`.
void StretchFrame(HDC dc, const RECT& rect, const PixelImage& strip, bool transparent, int n,
                  int k);
// StretchFrame with the key colour always transparent.
void StampFrame(HDC dc, const RECT& rect, const PixelImage& strip, int n, int k);

// The piece `piece` of `image` repeated at its own size over `rect` from its top-left
// corner; the last column and row are cut at the rectangle's edge. A piece of no area draws
// nothing.
void TileDraw(HDC dc, const RECT& rect, const PixelImage& image, const RasterRect& piece);

}  // namespace telvana
