#include "player/full_screen_host.h"

namespace telvana::player {

FullScreenHost::FullScreenHost(HWND owner, HWND beside) {
  MONITORINFO monitor{sizeof monitor};
  ::GetMonitorInfoW(::MonitorFromWindow(beside, MONITOR_DEFAULTTONEAREST), &monitor);
  area_ = monitor.rcMonitor;
  WindowOptions options;
  options.own_class = L"TelvanaFullScreen";
  options.class_style = 0;
  options.class_background = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
  options.style = WS_POPUP | WS_CLIPCHILDREN;
  options.bounds = area_;
  options.parent = owner;
  CreateWindowFrom(options);
  ::ShowWindow(Handle(), SW_SHOW);
}

LRESULT FullScreenHost::HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_SIZE:
      // The lent window fills the host.
      if (HWND child = ::GetWindow(Handle(), GW_CHILD)) {
        ::SetWindowPos(child, nullptr, 0, 0, LOWORD(lparam), HIWORD(lparam),
                       SWP_NOZORDER | SWP_NOACTIVATE);
      }
      return 0;
    case WM_SETFOCUS:
      if (HWND child = ::GetWindow(Handle(), GW_CHILD)) ::SetFocus(child);
      return 0;
    case WM_CLOSE:
      if (OnCloseRequest) OnCloseRequest();
      return 0;
  }
  return DefaultProc(msg, wparam, lparam);
}

}  // namespace telvana::player
