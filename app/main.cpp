// Start-up: the application object, its title, the windows from their descriptions (the
// main window first, then the seven information windows, hidden), then the message loop
// until the main window closes.
#include <windows.h>

#include "app/fmain1.h"
#include "infowin/information_windows.h"
#include "player/windows_media_player.h"
#include "ui/form_reader.h"
#include "ui/win_handles.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  telvana::win::ComScope com;
  telvana::ui::RegisterStandardClasses();
  telvana::RegisterPlayerClasses();

  auto& application = telvana::ui::Application();
  application.Initialize();
  application.SetTitle(telvana::kApplicationTitle);
  auto& main = application.CreateForm<telvana::TFmain1>();
  main.SetInformationWindows(telvana::CreateInformationWindows(application));
  application.Run();
  return 0;
}
