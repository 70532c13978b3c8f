// How many windows the program's forms are made of: builds the windows as start-up does, says
// how long that took, and counts the child windows (at every depth) of the main window and of
// each information window. Every child window costs its creation at start-up.
// Usage: child_windows_probe
#include <windows.h>

#include <cstdio>

#include "app/start_up.h"
#include "ui/win_handles.h"

namespace {

BOOL CALLBACK CountOne(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

int ChildWindows(HWND window) {
  int count = 0;
  ::EnumChildWindows(window, CountOne, reinterpret_cast<LPARAM>(&count));
  return count;
}

}  // namespace

int wmain() {
  telvana::win::ComScope com;
  telvana::ui::TApplication application;
  LARGE_INTEGER frequency, start, end;
  ::QueryPerformanceFrequency(&frequency);
  ::QueryPerformanceCounter(&start);
  auto& main = telvana::CreateProgramWindows(application);
  // The information windows are made once the main window has painted.
  main.Show();
  application.ProcessMessages();
  ::QueryPerformanceCounter(&end);
  std::printf("building the windows of all forms: %.1f ms\n",
              1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                  static_cast<double>(frequency.QuadPart));
  std::printf("child windows of each form (all depths)\n");
  int information = 0;
  for (telvana::ui::TForm* form : application.Forms()) {
    const int count = ChildWindows(form->Handle());
    if (form != &main) information += count;
    std::printf("  %-8ls %4d\n", form->Name.c_str(), count);
  }
  std::printf("  the seven information windows together %d\n", information);
  return 0;
}
