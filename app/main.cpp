// Start-up: the program's windows from their descriptions, then the message loop until the
// main window closes.
#include <windows.h>

#include "app/start_up.h"
#include "ui/startup_report.h"
#include "ui/startup_times.h"
#include "ui/win_handles.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  telvana::BeginStartupReport();
  telvana::SwitchStartupPart(telvana::StartupPart::kInitialise);
  telvana::win::ComScope com;
  telvana::SwitchStartupPart(telvana::StartupPart::kOther);
  telvana::CreateProgramWindows();
  if (telvana::StartupTimesRecording()) {
    telvana::ui::Application().WhenIdle(telvana::EndStartupReport);
  }
  telvana::ui::Application().Run();
  return 0;
}
