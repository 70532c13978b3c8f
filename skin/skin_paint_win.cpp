#include "skin/skin_paint_win.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>

namespace telvana {

namespace {

// MaskBlt's four-operand code: where the mask is 1 (a key-coloured pixel) the destination
// stays (raster operation D), elsewhere the source is copied.
constexpr DWORD kKeepDestination = 0x00AA0029;
constexpr DWORD kTransparentRop = MAKEROP4(kKeepDestination, SRCCOPY);

template <class H>
H Checked(H handle, const char* what) {
  if (!handle) throw std::runtime_error(what);
  return handle;
}

// Puts a built element at the rectangle's origin, through the key colour or opaquely.
void Put(HDC dc, const RECT& rect, const PixelImage& image, bool transparent) {
  if (transparent) {
    TransparentBlit(dc, rect, image, kKeyColorRef);
  } else {
    PutPixels(dc, rect.left, rect.top, image);
  }
}

}  // namespace

bool IsInverted(const RECT& rect) {
  return rect.right < rect.left || rect.bottom < rect.top;
}

win::Bitmap CreateDibBitmap(const PixelImage& image) {
  const BITMAPINFO info =
      win::TopDownBitmapInfo(std::max(image.width, 1), std::max(image.height, 1));
  void* bits = nullptr;
  win::Bitmap bitmap(Checked(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0),
                             "no DIB section for a skin picture"));
  // The fourth byte of a 32-bit BI_RGB pixel is reserved and must be 0: Wine's colour to
  // monochrome conversion (the transparency mask) compares it along with the colour.
  auto* out = static_cast<std::uint32_t*>(bits);
  for (std::uint32_t p : image.pixels) *out++ = ColourOf(p);
  return bitmap;
}

void PutPixels(HDC dc, int x, int y, const PixelImage& image) {
  if (image.empty()) return;
  const BITMAPINFO info = win::TopDownBitmapInfo(image.width, image.height);
  ::SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(image.width), static_cast<DWORD>(image.height),
                      0, 0, 0, static_cast<UINT>(image.height), image.pixels.data(), &info,
                      DIB_RGB_COLORS);
}

void TransparentBlit(HDC dc, const RECT& rect, HBITMAP bitmap, COLORREF key) {
  if (IsInverted(rect)) return;
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width == 0 || height == 0) return;
  win::MemoryDc source(Checked(::CreateCompatibleDC(dc), "no DC for a transparent copy"));
  win::SelectObjectScope use_source(source.get(), bitmap);
  if (!use_source.selected()) throw std::runtime_error("a bitmap that cannot be copied");
  win::Bitmap mask(Checked(::CreateBitmap(width, height, 1, 1, nullptr), "no mask bitmap"));
  {
    // Copying colour to monochrome sets exactly the pixels of the source DC's background
    // colour.
    win::MemoryDc mask_dc(Checked(::CreateCompatibleDC(dc), "no DC for a mask"));
    win::SelectObjectScope use_mask(mask_dc.get(), mask.get());
    ::SetBkColor(source.get(), key);
    ::BitBlt(mask_dc.get(), 0, 0, width, height, source.get(), 0, 0, SRCCOPY);
  }
  ::MaskBlt(dc, rect.left, rect.top, width, height, source.get(), 0, 0, mask.get(), 0, 0,
            kTransparentRop);
}

void TransparentBlit(HDC dc, const RECT& rect, const PixelImage& image, COLORREF key) {
  if (IsInverted(rect) || image.empty()) return;
  const win::Bitmap bitmap = CreateDibBitmap(image);
  TransparentBlit(dc, rect, bitmap.get(), key);
}

void DrawSkinElement(HDC dc, const RECT& rect, int n, int k, const TDataSkinObject& object) {
  DrawSkinElement(dc, rect, object.Image, false, object.Tile == 1, object.Trans == 1, n, k,
                  MarginsOf(object));
}

void DrawSkinElement(HDC dc, const RECT& rect, const PixelImage& image, bool vertical, bool tile,
                     bool transparent, int n, int k, const SkinMargins& margins) {
  if (IsInverted(rect) || image.empty()) return;
  const PixelImage element = BuildSkinElement(rect.right - rect.left, rect.bottom - rect.top, image,
                                              margins, vertical, tile, n, k);
  Put(dc, rect, element, transparent);
}

void DrawSkinBorder(HDC dc, const RECT& rect, const PixelImage& image, const SkinMargins& margins,
                    bool vertical, int n, int k) {
  if (IsInverted(rect) || image.empty()) return;
  const int w = rect.right - rect.left;
  const int h = rect.bottom - rect.top;
  const PixelImage border = BuildSkinBorder(w, h, image, margins, vertical, n, k);
  const auto [l, t, r, b] = FittedMargins(w, h, margins);
  // The ring around the centre, as four bands: top and bottom across the whole width, left
  // and right between them.
  const RasterRect bands[] = {
      {0, 0, w, t}, {0, h - b, w, h}, {0, t, l, h - b}, {w - r, t, w, h - b}};
  for (const RasterRect& band : bands) {
    if (band.Width() > 0 && band.Height() > 0) {
      PutPixels(dc, rect.left + band.left, rect.top + band.top, CropImage(border, band));
    }
  }
}

void DrawSkinStrip(HDC dc, const RECT& rect, const PixelImage& image, bool vertical,
                   bool transparent, int n, int k, const SkinMargins& margins) {
  if (IsInverted(rect) || image.empty()) return;
  const PixelImage strip = BuildSkinStrip(rect.right - rect.left, rect.bottom - rect.top, image,
                                          vertical, n, k, margins.left, margins.right);
  Put(dc, rect, strip, transparent);
}

void StretchFrame(HDC dc, const RECT& rect, const PixelImage& strip, bool transparent, int n,
                  int k) {
  if (IsInverted(rect) || strip.empty()) return;
  const PixelImage frame =
      BuildStretchedFrame(rect.right - rect.left, rect.bottom - rect.top, strip, n, k);
  Put(dc, rect, frame, transparent);
}

void StampFrame(HDC dc, const RECT& rect, const PixelImage& strip, int n, int k) {
  StretchFrame(dc, rect, strip, true, n, k);
}

void TileDraw(HDC dc, const RECT& rect, const PixelImage& image, const RasterRect& piece) {
  if (IsInverted(rect) || image.empty() || piece.Width() <= 0 || piece.Height() <= 0) return;
  const int w = rect.right - rect.left;
  const int h = rect.bottom - rect.top;
  PixelImage tiles = BlankImage(w, h);
  TilePiece(tiles, 0, 0, w, h, image, piece);
  PutPixels(dc, rect.left, rect.top, tiles);
}

}  // namespace telvana
