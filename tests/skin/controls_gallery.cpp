// Not a test: starts the program's windows as start-up does, shows the main window (its status
// bar with the clock and a channel's name) and then a form with one control of every kind,
// skinned by the program's skin manager, for people to look at. Usage:
//   controls_gallery.exe FOLDER [SKIN_FILE]
// While each window is up it writes FOLDER\NAME.ready (main, controls) and waits until that
// file is gone: take-control-pictures.sh takes a picture of the screen meanwhile.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>

#include "app/start_up.h"
#include "skin/skin_data.h"
#include "skin/skin_manage_win.h"
#include "skin/win_skin_form.h"
#include "tests/skin/every_control_form.h"
#include "tests/support/picture_taking.h"
#include "ui/std_controls.h"
#include "ui/win_handles.h"

namespace {

using telvana::testsupport::AwaitPicture;
using telvana::testsupport::Settle;

std::wstring folder;

}  // namespace

int wmain(int argc, wchar_t** argv) {
  using namespace telvana;
  if (argc < 2) {
    std::fputs("usage: controls_gallery FOLDER [SKIN_FILE]\n", stderr);
    return 2;
  }
  folder = argv[1];
  win::ComScope com;
  SkinManagerScope skin_manager;
  ui::TApplication application;
  auto& main = CreateProgramWindows(application);
  auto* skin = dynamic_cast<TSkinData*>(main.FindComponent(L"SkinData1"));
  if (!skin) return 1;
  if (argc > 2) {
    skin->SetSkinFile(argv[2]);
    skin->ApplySkinFile();
  }
  testsupport::EveryControlForm::ListKinds(*skin);
  ::SetCursorPos(0, 0);
  main.Show();
  if (auto* bar = dynamic_cast<ui::TStatusBar*>(main.FindComponent(L"StatusBar1"))) {
    bar->SetPanelText(0, L"正在播放：中央电视台一套");
  }
  Settle(1500);
  int failures = !AwaitPicture(folder, L"main");

  main.Hide();
  testsupport::EveryControlForm controls;
  controls.form->Show();
  ::SetForegroundWindow(controls.form->Handle());
  Settle(1000);
  auto* manager = dynamic_cast<TSkinManage*>(SkinManager());
  if (TWinSkinForm* frame = manager ? manager->FindSkinner(controls.form->Handle()) : nullptr) {
    // The bare windows are wrapped as a dialog's are.
    frame->SkinDialogChildren();
  } else {
    std::fputs("controls_gallery: the form was not skinned\n", stderr);
    ++failures;
  }
  ::SendMessageW(controls.bare_tabs[0], TCM_SETCURFOCUS, 1, 0);
  ::RedrawWindow(controls.form->Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Settle(800);
  failures += !AwaitPicture(folder, L"controls");
  controls.form->Hide();
  return failures == 0 ? 0 : 1;
}
