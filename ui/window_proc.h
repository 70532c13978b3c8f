// Replacing the window procedure of a window at the Win32 level. Every part of the program
// that does it goes through this one type, which puts the previous procedure back when it
// is released (and before the window's last message, WM_NCDESTROY, if that comes first).
#pragma once

#include <windows.h>

namespace telvana::win {

class WindowProcReplacement {
 public:
  WindowProcReplacement() = default;
  WindowProcReplacement(const WindowProcReplacement&) = delete;
  WindowProcReplacement& operator=(const WindowProcReplacement&) = delete;
  ~WindowProcReplacement() { Restore(); }

  void Replace(HWND window, WNDPROC procedure) {
    Restore();
    window_ = window;
    previous_ = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
  }
  void Restore() {
    if (window_ && ::IsWindow(window_)) {
      ::SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    }
    window_ = nullptr;
    previous_ = nullptr;
  }
  bool active() const { return window_ != nullptr; }
  LRESULT CallPrevious(HWND w, UINT m, WPARAM wp, LPARAM lp) const {
    return ::CallWindowProcW(previous_, w, m, wp, lp);
  }

 private:
  HWND window_ = nullptr;
  WNDPROC previous_ = nullptr;
};

}  // namespace telvana::win
