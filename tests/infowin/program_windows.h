// The program's windows as start-up creates them: the main window as the application's main
// form (with a recording stand-in for the player), then the seven information windows. One
// set per test program, shown main window included, shared by its tests.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "app/fmain1.h"
#include "infowin/fgy1.h"
#include "infowin/fgygg1.h"
#include "infowin/fhelp1.h"
#include "infowin/flxxz1.h"
#include "infowin/fmzsm1.h"
#include "infowin/fsygg1.h"
#include "infowin/fyqgg1.h"
#include "infowin/information_windows.h"
#include "player/windows_media_player.h"
#include "tests/support/message_box_recorder.h"
#include "tests/support/recording_player.h"
#include "tests/support/shell_requests.h"
#include "tests/support/ui_test_environment.h"
#include "ui/utf.h"

namespace telvana::testsupport {

struct ProgramWindows {
  TFmain1* main = nullptr;
  InformationWindows information;
  RecordingPlayer* player = nullptr;
};

// Creates the windows on first use, as the program's start-up does, and shows the main one.
inline ProgramWindows& Program() {
  static ProgramWindows program = [] {
    RegisterPlayerClasses();
    ProgramWindows p;
    MessageBoxRecorder boxes;  // whatever start-up has to say is not these tests' business
    ui::Application().SetTitle(kApplicationTitle);
    p.main = &ui::Application().CreateForm<TFmain1>();
    // Outlives the forms, which the application frees after the last test.
    static RecordingPlayer player;
    p.player = &player;
    p.main->SetPlayer(*p.player);
    p.information = CreateInformationWindows(ui::Application());
    p.main->SetInformationWindows(p.information);
    p.main->Show();
    ui::Application().ProcessMessages();
    return p;
  }();
  return program;
}

// One information window as the tests know it.
struct InfoWindow {
  const char* label;
  const wchar_t* item;  // the menu item that shows it
  ui::TForm* (*form)();
};

inline const std::vector<InfoWindow>& InfoWindows() {
  static const std::vector<InfoWindow> windows{
      {"help", L"N27", [] { return static_cast<ui::TForm*>(Program().information.help); }},
      {"disclaimer", L"N24",
       [] { return static_cast<ui::TForm*>(Program().information.disclaimer); }},
      {"about", L"N26", [] { return static_cast<ui::TForm*>(Program().information.about); }},
      {"contact", L"N25", [] { return static_cast<ui::TForm*>(Program().information.contact); }},
      {"commercial", L"N17",
       [] { return static_cast<ui::TForm*>(Program().information.commercial); }},
      {"public service", L"N50",
       [] { return static_cast<ui::TForm*>(Program().information.publicService); }},
      {"friendship", L"N51",
       [] { return static_cast<ui::TForm*>(Program().information.friendship); }},
  };
  return windows;
}

template <class T>
T& PartOf(const ui::TComponent& form, const wchar_t* name) {
  auto* part = dynamic_cast<T*>(form.FindComponent(name));
  if (!part) {
    ADD_FAILURE() << Utf8FromWide(form.Name) << " has no " << Utf8FromWide(name)
                  << " of the expected class";
    throw std::runtime_error("missing part");
  }
  return *part;
}

// Chooses a menu item of the main window the way Windows reports the choice.
inline void ChooseOnMain(const wchar_t* item) {
  TFmain1& main = *Program().main;
  ::SendMessageW(main.Handle(), WM_COMMAND,
                 MAKEWPARAM(PartOf<ui::TMenuItem>(main, item).Command(), 0), 0);
}

}  // namespace telvana::testsupport
