// A 32-bit top-down bitmap selected into a memory DC, filled with one colour: painting code
// draws on it and tests read its pixels back.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "ui/win_handles.h"

namespace telvana::testsupport {

class Canvas {
 public:
  Canvas(int width, int height, COLORREF fill) : width_(width), height_(height) {
    const BITMAPINFO info = win::TopDownBitmapInfo(width, height);
    dc_ = ::CreateCompatibleDC(nullptr);
    bitmap_ = ::CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_),
                                 nullptr, 0);
    previous_ = ::SelectObject(dc_, bitmap_);
    RECT all{0, 0, width, height};
    HBRUSH brush = ::CreateSolidBrush(fill);
    ::FillRect(dc_, &all, brush);
    ::DeleteObject(brush);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  ~Canvas() {
    ::SelectObject(dc_, previous_);
    ::DeleteObject(bitmap_);
    ::DeleteDC(dc_);
  }
  HDC dc() const { return dc_; }
  RECT area() const { return {0, 0, width_, height_}; }
  COLORREF at(int x, int y) const {
    ::GdiFlush();
    const std::uint32_t p = bits_[static_cast<std::size_t>(y) * width_ + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
  // How many pixels of `colour` lie in the rows [top, bottom).
  int Count(COLORREF colour, int top = 0, int bottom = -1) const {
    if (bottom < 0) bottom = height_;
    int n = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = 0; x < width_; ++x) n += at(x, y) == colour;
    return n;
  }
  // How many pixels in the rows [top, bottom) are not `colour` (text, whatever its smoothing).
  int CountOther(COLORREF colour, int top, int bottom) const {
    return width_ * (bottom - top) - Count(colour, top, bottom);
  }

 private:
  int width_, height_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ previous_;
  std::uint32_t* bits_ = nullptr;
};

}  // namespace telvana::testsupport
