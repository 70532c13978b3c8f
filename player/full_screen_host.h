// The borderless window that covers one monitor while the player shows its video full
// screen. The player lends it its own window as a child and takes it back afterwards.
#pragma once

#include <windows.h>

#include <functional>

#include "ui/win_handles.h"

namespace telvana::player {

class FullScreenHost {
 public:
  // Covers the monitor that holds most of `beside`, above `owner` (the main window).
  FullScreenHost(HWND owner, HWND beside);
  FullScreenHost(const FullScreenHost&) = delete;
  FullScreenHost& operator=(const FullScreenHost&) = delete;

  HWND Handle() const { return window_.get(); }
  RECT Area() const { return area_; }

  // Asked when the window is told to close (Alt+F4): the player leaves full screen.
  std::function<void()> OnCloseRequest;

 private:
  static LRESULT CALLBACK Procedure(HWND, UINT, WPARAM, LPARAM);

  RECT area_{};
  win::Window window_;
};

}  // namespace telvana::player
