#include "player/full_screen_host.h"

namespace telvana::player {

namespace {
constexpr wchar_t kClassName[] = L"TelvanaFullScreen";

void RegisterClassOnce(WNDPROC procedure) {
  static const bool registered = [procedure] {
    WNDCLASSEXW wc{sizeof wc};
    wc.lpfnWndProc = procedure;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = kClassName;
    return ::RegisterClassExW(&wc) != 0;
  }();
  (void)registered;
}
}  // namespace

FullScreenHost::FullScreenHost(HWND owner, HWND beside) {
  RegisterClassOnce(&Procedure);
  MONITORINFO monitor{sizeof monitor};
  ::GetMonitorInfoW(::MonitorFromWindow(beside, MONITOR_DEFAULTTONEAREST), &monitor);
  area_ = monitor.rcMonitor;
  window_.reset(::CreateWindowExW(0, kClassName, L"", WS_POPUP | WS_CLIPCHILDREN, area_.left,
                                  area_.top, area_.right - area_.left, area_.bottom - area_.top,
                                  owner, nullptr, ::GetModuleHandleW(nullptr), this));
  if (window_) ::ShowWindow(window_.get(), SW_SHOW);
}

LRESULT CALLBACK FullScreenHost::Procedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  if (message == WM_NCCREATE) {
    ::SetWindowLongPtrW(
        window, GWLP_USERDATA,
        reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
  }
  auto* self = reinterpret_cast<FullScreenHost*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_SIZE:
      // The lent window fills the host.
      if (HWND child = ::GetWindow(window, GW_CHILD)) {
        ::SetWindowPos(child, nullptr, 0, 0, LOWORD(lParam), HIWORD(lParam),
                       SWP_NOZORDER | SWP_NOACTIVATE);
      }
      return 0;
    case WM_SETFOCUS:
      if (HWND child = ::GetWindow(window, GW_CHILD)) ::SetFocus(child);
      return 0;
    case WM_CLOSE:
      if (self && self->OnCloseRequest) self->OnCloseRequest();
      return 0;
    case WM_NCDESTROY:
      ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      break;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace telvana::player
