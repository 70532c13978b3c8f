// The borderless window that covers one monitor while the player shows its video full
// screen. The player lends it its own window as a child and takes it back afterwards.
#pragma once

#include <windows.h>

#include <functional>

#include "ui/window_base.h"

namespace telvana::player {

class FullScreenHost : public ui::WindowBase {
 public:
  // Covers the monitor that holds most of `beside`, above `owner` (the main window).
  FullScreenHost(HWND owner, HWND beside);

  RECT Area() const { return area_; }

  // Asked when the window is told to close (Alt+F4): the player leaves full screen. The
  // host's own procedure is running then, so the player must not free the host at once.
  std::function<void()> OnCloseRequest;

 private:
  LRESULT HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam) override;

  RECT area_{};
};

}  // namespace telvana::player
