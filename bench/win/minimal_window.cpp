// The floor for start-up figures: a program that opens one empty window and waits. It
// reports its first complete paint the way Telvana does (ui/startup_report.h), so that the
// probe measures both alike. Built with TELVANA_COMMON_CONTROLS_6 it also initialises the
// common controls, in the version its manifest asks for.
#include <windows.h>

#ifdef TELVANA_COMMON_CONTROLS_6
#include <commctrl.h>
#endif

#include "ui/startup_report.h"

namespace {
LRESULT CALLBACK WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_DESTROY) {
    ::PostQuitMessage(0);
    return 0;
  }
  return ::DefWindowProcW(window, msg, wParam, lParam);
}
}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  telvana::BeginStartupReport();
#ifdef TELVANA_COMMON_CONTROLS_6
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
  ::InitCommonControlsEx(&icc);
#endif
  WNDCLASSW wc{};
  wc.lpfnWndProc = WindowProcedure;
  wc.hInstance = instance;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = L"MinimalWindow";
  ::RegisterClassW(&wc);
  HWND window = ::CreateWindowW(wc.lpszClassName, L"Minimal", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, 756, 617, nullptr, nullptr, instance, nullptr);
  ::ShowWindow(window, show);
  ::UpdateWindow(window);
  MSG msg;
  bool painted = false;
  for (;;) {
    // The first time nothing is waiting, not even a paint: the window is complete.
    if (!painted && !::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
      painted = true;
      telvana::EndStartupReport();
    }
    if (::GetMessageW(&msg, nullptr, 0, 0) <= 0) break;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return 0;
}
