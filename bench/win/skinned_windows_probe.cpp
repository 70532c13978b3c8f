// What the skin costs on the program's own windows: the eight windows built as start-up
// builds them, under the program's skin manager, all shown; then the full repaint of one
// skinned push button and of the main window's skinned status bar, and a skin change over all eight
// windows from the request to the last repaint (the manager's deferral of the change included, and
// apart); the main window's frame painted at its designed size and maximised, and its region
// rebuilt. Usage: skinned_windows_probe
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/start_up.h"
#include "bench/probe_figures.h"
#include "skin/skin_data.h"
#include "skin/skin_manage_win.h"
#include "skin/win_skin_form.h"
#include "ui/buttons.h"
#include "ui/menus.h"
#include "ui/win_handles.h"

namespace {

using telvana::bench::Clock;
using telvana::bench::Milliseconds;
using telvana::bench::RunUntilQuiet;

}  // namespace

int wmain() {
  telvana::win::ComScope com;
  telvana::SkinManagerScope skin_manager;
  telvana::ui::TApplication application;
  auto& main = telvana::CreateProgramWindows(application);
  main.Show();
  RunUntilQuiet();
  for (telvana::ui::TForm* form : application.Forms()) form->Show();
  RunUntilQuiet();
  auto* manager = dynamic_cast<telvana::TSkinManage*>(telvana::SkinManager());
  auto* skin = dynamic_cast<telvana::TSkinData*>(main.FindComponent(L"SkinData1"));
  if (!manager || !skin) return 1;
  manager->PendingSkinData = skin;
  manager->PendingAction = static_cast<int>(telvana::SkinAction::kSkin);
  manager->PerformPendingAction();
  RunUntilQuiet();
  std::printf("skinned windows: %zu of %zu\n", manager->FormSkinners.size(),
              application.Forms().size());

  // The first push button of the information windows (the about window's OK).
  HWND button = nullptr;
  for (telvana::ui::TForm* form : application.Forms()) {
    for (const auto& component : form->Components()) {
      auto* push = dynamic_cast<telvana::ui::TButton*>(component.get());
      if (push && push->Handle() && !button) button = push->Handle();
    }
  }
  if (!button) return 1;
  RECT bounds{};
  ::GetClientRect(button, &bounds);
  constexpr int kRepaints = 500;
  const auto repaint_start = Clock::now();
  for (int i = 0; i < kRepaints; ++i) {
    ::RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  }
  std::printf("full repaint of a skinned push button (%ld x %ld): %.3f ms\n", bounds.right,
              bounds.bottom, Milliseconds(Clock::now() - repaint_start) / kRepaints);

  // The main window's status bar: three panels and the clock, composed off screen.
  auto* status = dynamic_cast<telvana::ui::TWinControl*>(main.FindComponent(L"StatusBar1"));
  if (!status || !status->Handle()) return 1;
  ::GetClientRect(status->Handle(), &bounds);
  const auto status_start = Clock::now();
  for (int i = 0; i < kRepaints; ++i) {
    ::RedrawWindow(status->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  }
  std::printf("full repaint of the skinned status bar (%ld x %ld): %.3f ms\n", bounds.right,
              bounds.bottom, Milliseconds(Clock::now() - status_start) / kRepaints);

  // The main window's frame at its designed size, and maximised.
  telvana::TWinSkinForm* frame = manager->FindSkinner(main.Handle());
  if (!frame) return 1;
  auto time_frame_paints = [&](const char* what) {
    RECT window{};
    ::GetWindowRect(main.Handle(), &window);
    constexpr int kPaints = 100;
    const auto start = Clock::now();
    for (int i = 0; i < kPaints; ++i) ::SendMessageW(main.Handle(), WM_NCPAINT, 1, 0);
    std::printf("full frame paint, %s (%ld x %ld): %.3f ms\n", what, window.right - window.left,
                window.bottom - window.top, Milliseconds(Clock::now() - start) / kPaints);
  };
  ::SetWindowPos(main.Handle(), nullptr, 0, 0, 756, 617, SWP_NOMOVE | SWP_NOZORDER);
  RunUntilQuiet();
  time_frame_paints("756 x 617");
  {
    // A region rebuild as a resize makes it, the window's own resizing apart.
    constexpr int kBuilds = 100;
    const auto start = Clock::now();
    for (int i = 0; i < kBuilds; ++i) {
      frame->State = telvana::kFormRefreshing;  // built anew even at the same size
      frame->BuildRegion();
      frame->State = telvana::kFormReady;
    }
    std::printf("window region rebuilt from the borders (756 x 617): %.3f ms\n",
                Milliseconds(Clock::now() - start) / kBuilds);
  }
  // Maximised on the display there is (the virtual display of make bench is 1280 x 1024).
  ::SendMessageW(main.Handle(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  RunUntilQuiet();
  time_frame_paints("maximised");
  ::SendMessageW(main.Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
  RunUntilQuiet();

  // Skin commands from the menu, as a user gives them (the manager carries the change out
  // from its timer), alternating between two skins; and the change carried out at once.
  std::vector<double> totals, performed;
  for (int i = 0; i < 20; ++i) {
    const bool deferred = i % 2 == 0;
    auto* item =
        dynamic_cast<telvana::ui::TMenuItem*>(main.FindComponent(i % 4 < 2 ? L"N47" : L"N49"));
    if (!item) return 1;
    const auto requested = Clock::now();
    ::SendMessageW(main.Handle(), WM_COMMAND, MAKEWPARAM(item->Command(), 0), 0);
    if (deferred) {
      while (manager->TimerRunning()) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, INFINITE, QS_ALLINPUT);
        application.ProcessMessages();
      }
    } else {
      manager->PerformPendingAction();
    }
    RunUntilQuiet();
    (deferred ? totals : performed).push_back(Milliseconds(Clock::now() - requested));
  }
  std::sort(totals.begin(), totals.end());
  std::sort(performed.begin(), performed.end());
  std::printf(
      "skin command from the menu over all %zu windows, to the last repaint: median %.1f ms "
      "(carried out at once: %.1f ms; the rest is the manager's deferral)\n",
      application.Forms().size(), totals[totals.size() / 2], performed[performed.size() / 2]);
  return 0;
}
