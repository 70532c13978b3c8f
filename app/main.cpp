// Start-up: the application object, its title, the windows from their descriptions, then
// the message loop until the main window closes.
#include <windows.h>

#include "app/fmain1.h"
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
  application.CreateForm<telvana::TFmain1>();
  application.Run();
  return 0;
}
