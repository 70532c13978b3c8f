#include "skin/shared_paint_bitmap_win.h"

#include <algorithm>
#include <stdexcept>

namespace telvana {

namespace {

// Owned through Get and Free; a plain pointer, so that nothing is destroyed after main.
constinit SharedPaintBitmap* shared_paint_bitmap = nullptr;

}  // namespace

SharedPaintBitmap::SharedPaintBitmap() : dc_(::CreateCompatibleDC(nullptr)) {
  if (!dc_) throw std::runtime_error("no DC for the shared paint bitmap");
  ::SetStretchBltMode(dc_.get(), COLORONCOLOR);
}

SharedPaintBitmap& SharedPaintBitmap::Get() {
  if (!shared_paint_bitmap) shared_paint_bitmap = new SharedPaintBitmap();
  return *shared_paint_bitmap;
}

void SharedPaintBitmap::Free() {
  delete shared_paint_bitmap;
  shared_paint_bitmap = nullptr;
}

void SharedPaintBitmap::Resize(int width, int height) {
  if (bitmap_ && width == width_ && height == height_) return;
  const BITMAPINFO info = win::TopDownBitmapInfo(std::max(width, 1), std::max(height, 1));
  void* bits = nullptr;
  win::Bitmap bitmap(::CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap) throw std::runtime_error("no shared paint bitmap");
  selection_.reset();
  bitmap_ = std::move(bitmap);
  selection_.emplace(dc_.get(), bitmap_.get());
  width_ = width;
  height_ = height;
}

}  // namespace telvana
