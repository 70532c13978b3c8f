// Start-up: the program's windows from their descriptions, then the message loop until the
// main window closes.
#include <windows.h>

#include "app/start_up.h"
#include "skin/shared_paint_bitmap_win.h"
#include "ui/win_handles.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  telvana::win::ComScope com;
  telvana::SharedPaintBitmapLifetime paint_bitmap;
  telvana::CreateProgramWindows();
  telvana::ui::Application().Run();
  return 0;
}
