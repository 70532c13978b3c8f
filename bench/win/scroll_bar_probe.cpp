// The skinned scroll bar of the main window's channel list, under the program's skin manager:
// the full repaint of the list with its bar (client and frame), and the processor time this
// process takes while a thumb is held for two seconds, first without moving the mouse and
// then with a mouse move every 20 ms (the moves come from another thread, as input would).
// Usage: scroll_bar_probe
#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

#include "app/start_up.h"
#include "bench/probe_figures.h"
#include "catalogue/category_table.h"
#include "skin/skin_data.h"
#include "skin/skin_manage_win.h"
#include "skin/skin_scrollbar_win.h"
#include "skin/win_skin_form.h"
#include "ui/menus.h"
#include "ui/std_controls.h"
#include "ui/win_handles.h"

namespace {

using telvana::bench::Clock;
using telvana::bench::Milliseconds;
using telvana::bench::ProcessorMilliseconds;
using telvana::bench::RunUntilQuiet;

// Holds the thumb of `list` for `hold`: a mouse move every `step` (none when zero), up and
// down by up to 60 pixels, then the button goes up. Returns the processor time taken meanwhile
// and the moves made.
struct Held {
  double processor_ms = 0, wall_ms = 0;
  int moves = 0;
};
Held HoldThumb(HWND list, POINT thumb, std::chrono::milliseconds hold,
               std::chrono::milliseconds step) {
  Held held;
  std::atomic<bool> started{false};
  std::thread mouse([&] {
    while (!started) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    const auto end = Clock::now() + hold;
    POINT at = thumb;
    ::ScreenToClient(list, &at);
    int k = 0;
    while (Clock::now() < end) {
      if (step.count() == 0) {
        std::this_thread::sleep_until(end);
        break;
      }
      std::this_thread::sleep_for(step);
      const int moved = (k % 120) < 60 ? k % 60 : 60 - k % 60;
      ::PostMessageW(list, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(at.x, at.y + moved));
      ++k;
    }
    held.moves = k;
    ::PostMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
  });
  const double before = ProcessorMilliseconds();
  const auto wall_start = Clock::now();
  started = true;
  ::SendMessageW(list, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(thumb.x, thumb.y));
  held.wall_ms = Milliseconds(Clock::now() - wall_start);
  held.processor_ms = ProcessorMilliseconds() - before;
  mouse.join();
  return held;
}

}  // namespace

int wmain() {
  using namespace telvana;
  win::ComScope com;
  SkinManagerScope skin_manager;
  ui::TApplication application;
  auto& main = CreateProgramWindows(application);
  main.Show();
  RunUntilQuiet();
  // The longest category, chosen from its menu item as a user would.
  std::u16string_view longest;
  std::size_t rows = 0;
  for (const Category& category : CategoryTable()) {
    if (category.rows.size() > rows) rows = category.rows.size(), longest = category.key;
  }
  for (const auto& component : main.Components()) {
    auto* item = dynamic_cast<ui::TMenuItem*>(component.get());
    if (item && item->Caption() == std::wstring(longest.begin(), longest.end())) {
      ::SendMessageW(main.Handle(), WM_COMMAND, MAKEWPARAM(item->Command(), 0), 0);
      break;
    }
  }
  ui::TListBox& list = main.ChannelList();
  const HWND window = list.Handle();
  ::SendMessageW(window, LB_SETTOPINDEX, list.Count() / 3, 0);
  RunUntilQuiet();
  RECT bounds{};
  ::GetWindowRect(window, &bounds);
  constexpr int kRepaints = 200;
  auto time_repaints = [&] {
    const auto start = Clock::now();
    for (int i = 0; i < kRepaints; ++i) {
      ::RedrawWindow(window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
    }
    return Milliseconds(Clock::now() - start) / kRepaints;
  };
  auto* manager = dynamic_cast<TSkinManage*>(SkinManager());
  auto* skin = dynamic_cast<TSkinData*>(main.FindComponent(L"SkinData1"));
  if (!manager || !skin) return 1;
  auto perform = [&](SkinAction action) {
    manager->PendingSkinData = skin;
    manager->PendingAction = static_cast<int>(action);
    manager->PerformPendingAction();
    RunUntilQuiet();
  };
  // The system's bar first, for comparison.
  perform(SkinAction::kUnskin);
  const double unskinned = time_repaints();
  perform(SkinAction::kSkin);
  TSkinScrollbar* bars = nullptr;
  for (const auto& component : list.Components()) {
    if (!bars) bars = dynamic_cast<TSkinScrollbar*>(component.get());
  }
  if (!bars || !(::GetWindowLongW(window, GWL_STYLE) & WS_VSCROLL)) {
    std::puts("the channel list shows no skinned scroll bar");
    return 1;
  }
  std::printf(
      "full repaint of the channel list with its bar (%ld x %ld, %d rows): skinned %.3f ms, "
      "the system's %.3f ms\n",
      bounds.right - bounds.left, bounds.bottom - bounds.top, list.Count(), time_repaints(),
      unskinned);
  {
    // The bar alone, as a scroll message repaints it.
    const auto bar_start = Clock::now();
    for (int i = 0; i < kRepaints; ++i) bars->Repaint(nullptr);
    std::printf("the skinned bar alone: %.3f ms\n",
                Milliseconds(Clock::now() - bar_start) / kRepaints);
  }

  const RECT bar = bars->VertBar();
  const ScrollBarGeometry& g = bars->VertGeometry();
  const POINT thumb{bounds.left + (bar.left + bar.right) / 2,
                    bounds.top + bar.top + g.arrow + g.thumb_offset + g.thumb / 2};
  using std::chrono::milliseconds;
  const Held still = HoldThumb(window, thumb, milliseconds(2000), milliseconds(0));
  std::printf("thumb held still for %.0f ms: %.1f ms of processor (%.1f%%)\n", still.wall_ms,
              still.processor_ms, 100.0 * still.processor_ms / still.wall_ms);
  RunUntilQuiet();
  const Held moving = HoldThumb(window, thumb, milliseconds(2000), milliseconds(20));
  std::printf(
      "thumb dragged for %.0f ms, %d mouse moves: %.1f ms of processor (%.1f%%), %.2f ms a move\n",
      moving.wall_ms, moving.moves, moving.processor_ms,
      100.0 * moving.processor_ms / moving.wall_ms,
      moving.moves ? moving.processor_ms / moving.moves : 0.0);
  return 0;
}
