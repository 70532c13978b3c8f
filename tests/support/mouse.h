// Mouse messages for a control as the system delivers them: to the control's own window, or,
// for a control without one, to its parent's window at the same place.
#pragma once

#include <windows.h>

#include <stdexcept>

#include "ui/control.h"

namespace telvana::testsupport {

// `x`, `y` are relative to the control's top left corner.
inline LRESULT SendMouse(const ui::TControl& control, UINT msg, int x, int y, WPARAM keys = 0) {
  HWND window = nullptr;
  if (auto* win = dynamic_cast<const ui::TWinControl*>(&control)) {
    window = win->Handle();
  } else if (control.Parent()) {
    window = control.Parent()->Handle();
    x += control.Left();
    y += control.Top();
  }
  if (!window) throw std::logic_error("the control has no window to send the mouse to");
  return ::SendMessageW(window, msg, keys, MAKELPARAM(x, y));
}

inline void Click(const ui::TControl& control, int x = 10, int y = 10) {
  SendMouse(control, WM_LBUTTONDOWN, x, y, MK_LBUTTON);
  SendMouse(control, WM_LBUTTONUP, x, y);
}

inline void DoubleClick(const ui::TControl& control, int x = 10, int y = 10) {
  SendMouse(control, WM_LBUTTONDBLCLK, x, y, MK_LBUTTON);
  SendMouse(control, WM_LBUTTONUP, x, y);
}

}  // namespace telvana::testsupport
