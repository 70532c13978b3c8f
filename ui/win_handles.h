// Owning and borrowing wrappers for Win32 handles. Each handle kind has one wrapper
// template instance; the owning flavour frees its handle once, the borrowing flavour never
// does, and both offer the same interface. Neither is copyable; the owning one is movable.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include <optional>
#include <string>
#include <utility>

namespace telvana::win {

// The class name of a window (empty for a window that is gone).
inline std::wstring ClassNameOf(HWND window) {
  wchar_t name[256] = {};
  const int length = ::GetClassNameW(window, name, 256);
  return std::wstring(name, length > 0 ? length : 0);
}

template <class H, class Traits, bool Owning>
class Handle {
 public:
  Handle() = default;
  explicit Handle(H h) : h_(h) {}
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  Handle(Handle&& other) noexcept : h_(std::exchange(other.h_, H{})) {}
  Handle& operator=(Handle&& other) noexcept {
    if (this != &other) reset(std::exchange(other.h_, H{}));
    return *this;
  }
  ~Handle() { reset(); }

  H get() const { return h_; }
  explicit operator bool() const { return h_ != H{}; }
  H release() { return std::exchange(h_, H{}); }
  void reset(H h = H{}) {
    if constexpr (Owning) {
      if (h_ != H{}) Traits::Free(h_);
    }
    h_ = h;
  }

 private:
  H h_{};
};

struct GdiObjectTraits {
  static void Free(HGDIOBJ h) { ::DeleteObject(h); }
};
struct MemoryDcTraits {
  static void Free(HDC h) { ::DeleteDC(h); }
};
struct MenuTraits {
  static void Free(HMENU h) { ::DestroyMenu(h); }
};
struct IconTraits {
  static void Free(HICON h) { ::DestroyIcon(h); }
};
struct WindowTraits {
  static void Free(HWND h) { ::DestroyWindow(h); }
};
struct RegKeyTraits {
  static void Free(HKEY h) { ::RegCloseKey(h); }
};
struct HookTraits {
  static void Free(HHOOK h) { ::UnhookWindowsHookEx(h); }
};
struct ImageListTraits {
  static void Free(HIMAGELIST h) { ::ImageList_Destroy(h); }
};
// Files, pipes, processes, threads, events. CreateFile reports failure as
// INVALID_HANDLE_VALUE, not null: store null in its place.
struct KernelObjectTraits {
  static void Free(HANDLE h) { ::CloseHandle(h); }
};

template <class H>
using GdiObject = Handle<H, GdiObjectTraits, true>;
template <class H>
using BorrowedGdiObject = Handle<H, GdiObjectTraits, false>;
using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;
using Bitmap = GdiObject<HBITMAP>;
using Region = GdiObject<HRGN>;
using MemoryDc = Handle<HDC, MemoryDcTraits, true>;
using Menu = Handle<HMENU, MenuTraits, true>;
using BorrowedMenu = Handle<HMENU, MenuTraits, false>;
using Icon = Handle<HICON, IconTraits, true>;
using Window = Handle<HWND, WindowTraits, true>;
using RegKey = Handle<HKEY, RegKeyTraits, true>;
using ImageList = Handle<HIMAGELIST, ImageListTraits, true>;
using Hook = Handle<HHOOK, HookTraits, true>;
using BorrowedImageList = Handle<HIMAGELIST, ImageListTraits, false>;
using KernelObject = Handle<HANDLE, KernelObjectTraits, true>;

// The header of a 32-bit picture whose rows run top to bottom, as our pixel images hold them.
inline BITMAPINFO TopDownBitmapInfo(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

// A device context obtained with GetDC (or GetWindowDC), released with ReleaseDC.
class WindowDc {
 public:
  explicit WindowDc(HWND window, bool whole_window = false)
      : window_(window), dc_(whole_window ? ::GetWindowDC(window) : ::GetDC(window)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_) ::ReleaseDC(window_, dc_);
  }
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// BeginPaint / EndPaint.
class PaintDc {
 public:
  explicit PaintDc(HWND window) : window_(window) { ::BeginPaint(window, &ps_); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  ~PaintDc() { ::EndPaint(window_, &ps_); }
  HDC get() const { return ps_.hdc; }
  const RECT& area() const { return ps_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT ps_{};
};

// Selects an object into a DC for one scope and always puts the previous one back.
class SelectObjectScope {
 public:
  SelectObjectScope(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
  SelectObjectScope(const SelectObjectScope&) = delete;
  SelectObjectScope& operator=(const SelectObjectScope&) = delete;
  ~SelectObjectScope() {
    if (selected()) ::SelectObject(dc_, previous_);
  }
  // False when the object could not be selected (a bitmap already selected elsewhere, a
  // bitmap of another device): then nothing is put back either.
  bool selected() const { return previous_ != nullptr && previous_ != HGDI_ERROR; }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A memory DC compatible with `like`, with a width x height bitmap selected into it for its
// life: where a picture is composed before one copy to the screen. False when GDI refused
// the DC or the bitmap.
class OffScreenDc {
 public:
  OffScreenDc(HDC like, int width, int height)
      : dc_(::CreateCompatibleDC(like)), bitmap_(::CreateCompatibleBitmap(like, width, height)) {
    if (dc_ && bitmap_) selection_.emplace(dc_.get(), bitmap_.get());
  }
  explicit operator bool() const { return selection_ && selection_->selected(); }
  HDC get() const { return dc_.get(); }

 private:
  MemoryDc dc_;
  Bitmap bitmap_;
  std::optional<SelectObjectScope> selection_;  // ends before the bitmap is freed
};

// SaveDC / RestoreDC for one scope: whatever a painter changes in a DC it was lent
// (colours, background mode, selected objects, clipping) is put back.
class DcStateScope {
 public:
  explicit DcStateScope(HDC dc) : dc_(dc), saved_(::SaveDC(dc)) {}
  DcStateScope(const DcStateScope&) = delete;
  DcStateScope& operator=(const DcStateScope&) = delete;
  ~DcStateScope() {
    if (saved_ != 0) ::RestoreDC(dc_, saved_);
  }

 private:
  HDC dc_;
  int saved_;
};

// CoInitialize for one scope.
class ComScope {
 public:
  ComScope() : result_(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;
  ~ComScope() {
    if (SUCCEEDED(result_)) ::CoUninitialize();
  }

 private:
  HRESULT result_;
};

// An interface pointer released once.
template <class I>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ~ComPtr() {
    if (p_) p_->Release();
  }
  I* operator->() const { return p_; }
  I* get() const { return p_; }
  I** put() {
    if (p_) p_->Release();
    p_ = nullptr;
    return &p_;
  }
  void** putVoid() { return reinterpret_cast<void**>(put()); }

 private:
  I* p_ = nullptr;
};

}  // namespace telvana::win
