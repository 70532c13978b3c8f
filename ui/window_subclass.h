// Replacing the window procedure of a window, at the Win32 level, through comctl32's window
// subclassing: every part of the program that takes over the messages of a window it did not
// create (dialog children, message boxes, popup menu windows, the MDI client) goes through
// this one type. Replacements stacked by different parts can be released in any order
// without cutting anyone off, and a replacement releases itself when the window's last
// message (WM_NCDESTROY) has passed through it.
#pragma once

#include <windows.h>

#include <functional>

namespace telvana::ui {

class WindowSubclass {
 public:
  // Gets every message of the window; passes on what it does not consume with CallNext.
  using Handler = std::function<LRESULT(UINT msg, WPARAM wparam, LPARAM lparam)>;

  WindowSubclass() = default;
  WindowSubclass(const WindowSubclass&) = delete;
  WindowSubclass& operator=(const WindowSubclass&) = delete;
  ~WindowSubclass() { Release(); }

  // Starts taking the window's messages (after releasing any earlier window); false when the
  // window is not there or the system refuses.
  bool Attach(HWND window, Handler handler);
  // Gives the messages back; the replacements made after this one stay in place.
  void Release();
  bool Attached() const { return window_ != nullptr; }
  HWND Window() const { return window_; }
  // The procedure this replacement stands in front of.
  LRESULT CallNext(UINT msg, WPARAM wparam, LPARAM lparam) const;

 private:
  static LRESULT CALLBACK Procedure(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

  HWND window_ = nullptr;
  Handler handler_;
};

}  // namespace telvana::ui
