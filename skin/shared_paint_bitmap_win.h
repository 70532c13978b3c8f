// SharedPaintBitmap: the one off-screen bitmap that status bars, progress bars and frame and
// menu painters compose in before copying to the screen. A painter sizes it to what it
// paints, draws into its DC and copies it out before returning; nobody holds it across a
// return to the message loop.
//
// It is created on first use (SharedPaintBitmap::Get) and freed by SharedPaintBitmap::Free,
// which the program calls through a SharedPaintBitmapLifetime in wWinMain, before the
// application ends: nothing of it is left to be destroyed after main.
#pragma once

#include <windows.h>

#include <optional>

#include "ui/win_handles.h"

namespace telvana {

class SharedPaintBitmap {
 public:
  SharedPaintBitmap();
  SharedPaintBitmap(const SharedPaintBitmap&) = delete;
  SharedPaintBitmap& operator=(const SharedPaintBitmap&) = delete;

  // The program's one instance, created when first asked for.
  static SharedPaintBitmap& Get();
  // Frees the instance (if any); a later Get creates a new one.
  static void Free();

  // A memory DC with the bitmap selected and the stretch mode COLORONCOLOR.
  HDC dc() const { return dc_.get(); }
  int width() const { return width_; }
  int height() const { return height_; }
  // Makes the bitmap width × height (32 bits a pixel) unless it is that size already; what
  // it held is then undefined. Throws std::runtime_error when GDI refuses the bitmap.
  void Resize(int width, int height);

 private:
  win::MemoryDc dc_;
  win::Bitmap bitmap_;
  std::optional<win::SelectObjectScope> selection_;  // released before bitmap_ is freed
  int width_ = 0;
  int height_ = 0;
};

// Frees the shared paint bitmap when the scope that owns the program ends.
class SharedPaintBitmapLifetime {
 public:
  SharedPaintBitmapLifetime() = default;
  SharedPaintBitmapLifetime(const SharedPaintBitmapLifetime&) = delete;
  SharedPaintBitmapLifetime& operator=(const SharedPaintBitmapLifetime&) = delete;
  ~SharedPaintBitmapLifetime() { SharedPaintBitmap::Free(); }
};

}  // namespace telvana
