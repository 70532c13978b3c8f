// The program's entry point: everything the program holds is made here and ended before it
// returns, in this order: the application (its forms and windows, and with the main window
// the player and its engine's threads), then the shared paint bitmap, then the skin manager,
// then COM.
#include <windows.h>

#include "app/start_up.h"
#include "skin/shared_paint_bitmap_win.h"
#include "skin/skin_manager_link.h"
#include "ui/forms.h"
#include "ui/startup_report.h"
#include "ui/startup_times.h"
#include "ui/win_handles.h"

namespace {

// Ends the program's skin manager after the application whose skin data used it.
struct SkinManagerScope {
  SkinManagerScope() = default;
  SkinManagerScope(const SkinManagerScope&) = delete;
  SkinManagerScope& operator=(const SkinManagerScope&) = delete;
  ~SkinManagerScope() { telvana::ReplaceSkinManager(nullptr); }
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  telvana::BeginStartupReport();
  telvana::SwitchStartupPart(telvana::StartupPart::kInitialise);
  telvana::win::ComScope com;
  SkinManagerScope skin_manager;
  telvana::SharedPaintBitmapLifetime paint_bitmap;
  telvana::ui::TApplication application;
  if (telvana::StartupTimesRecording()) {
    // First in line at the first idle moment, ahead of the work that waits for it.
    application.WhenIdle(telvana::EndStartupReport);
  }
  telvana::SwitchStartupPart(telvana::StartupPart::kOther);
  telvana::OpenCommandLinePlaylist(telvana::CreateProgramWindows(application), ::GetCommandLineW());
  application.Run();
  return 0;
}
