#include "app/start_up.h"

#include "infowin/information_windows.h"
#include "player/windows_media_player.h"
#include "ui/form_reader.h"
#include "ui/startup_times.h"

namespace telvana {

TFmain1& CreateProgramWindows(ui::TApplication& application) {
  {
    StartupScope initialising(StartupPart::kInitialise);
    ui::RegisterStandardClasses();
    RegisterPlayerClasses();
    application.Initialize();
    application.SetTitle(kApplicationTitle);
  }
  auto& main = application.CreateForm<TFmain1>();
  // The seven information windows come next, once the main window has painted.
  main.SetInformationWindowsMaker([&application] { return CreateInformationWindows(application); });
  return main;
}

void CarryOutCommandLine(const CommandLineRequest& request, TFmain1& main,
                         ui::TApplication& application) {
  if (request.address.empty()) return;
  application.WhenIdle([&main, address = request.address] { main.PlayAddress(address); });
}

}  // namespace telvana
