// The program's entry point: everything the program holds is made here and ended before it
// returns, in this order: the application (its forms and windows, and with the main window
// the player and its engine's threads), then the shared paint bitmap, then the skin manager,
// then COM.
#include <windows.h>

#include <optional>

#include "app/start_up.h"
#include "skin/shared_paint_bitmap_win.h"
#include "skin/skin_manage_win.h"
#include "ui/forms.h"
#include "ui/startup_report.h"
#include "ui/startup_times.h"
#include "ui/utf.h"
#include "ui/win_handles.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR command_line, int) {
  telvana::BeginStartupReport();
  telvana::SwitchStartupPart(telvana::StartupPart::kInitialise);
  // COM is first needed after the first paint (the desktop shortcut, drag and drop, the
  // shell's dialogs) and starting it costs start-up time, so it starts at the first idle
  // moment, ahead of the main window's work that waits for that moment.
  std::optional<telvana::win::ComScope> com;
  telvana::SkinManagerScope skin_manager;
  telvana::SharedPaintBitmapLifetime paint_bitmap;
  telvana::ui::TApplication application;
  if (telvana::StartupTimesRecording()) {
    // First in line at the first idle moment, ahead of the work that waits for it.
    application.WhenIdle(telvana::EndStartupReport);
  }
  application.WhenIdle([&com] { com.emplace(); });
  telvana::SwitchStartupPart(telvana::StartupPart::kOther);
  telvana::TFmain1& main = telvana::CreateProgramWindows(application);
  // A playlist file is imported and its first entry played; any other address is played.
  const std::u16string_view arguments = telvana::AsUtf16(command_line ? command_line : L"");
  if (!telvana::OpenCommandLinePlaylist(main, arguments)) {
    telvana::CarryOutCommandLine(telvana::ReadCommandLine(arguments), main, application);
  }
  application.Run();
  return 0;
}
