// Start-up: the program's windows from their descriptions, then the message loop until the
// main window closes.
#include <windows.h>

#include "app/start_up.h"
#include "ui/startup_report.h"
#include "ui/startup_times.h"
#include "ui/win_handles.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  telvana::BeginStartupReport();
  if (telvana::StartupTimesRecording()) {
    // First in line at the first idle moment, ahead of the work that waits for it.
    telvana::ui::Application().WhenIdle(telvana::EndStartupReport);
  }
  telvana::SwitchStartupPart(telvana::StartupPart::kInitialise);
  telvana::win::ComScope com;
  telvana::SwitchStartupPart(telvana::StartupPart::kOther);
  telvana::CreateProgramWindows();
  telvana::ui::Application().Run();
  return 0;
}
