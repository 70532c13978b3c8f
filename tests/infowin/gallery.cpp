// Not a test: starts the program's windows as start-up does, with the program's skin manager,
// then opens each information window with its menu command, as a user would, and a message
// box of the program, for people to look at. Usage:
//   information_windows_gallery.exe FOLDER [SKIN_FILE]
// SKIN_FILE, when given, is the main window's skin instead of the one chosen at start-up. While
// each window is up, it writes FOLDER\NAME.ready and waits until that file is gone: a script on the
// host takes a picture of the screen meanwhile (main, main-long, menu-help, menu-about, help,
// disclaimer, about, contact, commercial, publicservice, friendship, messagebox, and the main
// window inactive, maximised and with its system menu open; see take-pictures.sh). Then the window
// (or menu) is closed and the next one opened.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "app/fmain1.h"
#include "catalogue/category_table.h"
#include "skin/skin_manage_win.h"
#include "skin/win_skin_form.h"
#include "skin/win_skin_menu.h"
#include "tests/infowin/gallery_program.h"
#include "tests/support/picture_taking.h"
#include "ui/menus.h"
#include "ui/message_box.h"

namespace {

using telvana::testsupport::AwaitPicture;
using telvana::testsupport::Settle;

std::wstring folder;
std::wstring picture;    // the name of the picture to take next
HWND showing = nullptr;  // the window to close once it is taken
int failures = 0;

// Runs inside a menu's own loop: the picture, then the menu is closed.
void CALLBACK TakeAndEndMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(nullptr, timer);
  failures += !AwaitPicture(folder, picture);
  ::EndMenu();
}

// Runs inside the modal showing of a window: the picture, then the window's close box.
void CALLBACK TakeAndClose(HWND, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(nullptr, timer);
  failures += !AwaitPicture(folder, picture);
  ::PostMessageW(showing, WM_CLOSE, 0, 0);
}

// The same for a window the program did not make itself: the active one.
void CALLBACK TakeActiveAndClose(HWND, UINT, UINT_PTR timer, DWORD) {
  showing = ::GetActiveWindow();
  TakeAndClose(nullptr, 0, timer, 0);
}

// The longest category in the channel list, chosen from its menu item and scrolled to its
// middle, so that the list's scroll bar shows its thumb mid-way.
void ShowLongestCategory(telvana::TFmain1& main) {
  std::u16string_view longest;
  std::size_t rows = 0;
  for (const telvana::Category& category : telvana::CategoryTable()) {
    if (category.rows.size() > rows) rows = category.rows.size(), longest = category.key;
  }
  for (const auto& component : main.Components()) {
    auto* item = dynamic_cast<telvana::ui::TMenuItem*>(component.get());
    if (item && item->Caption() == std::wstring(longest.begin(), longest.end())) {
      ::SendMessageW(main.Handle(), WM_COMMAND, MAKEWPARAM(item->Command(), 0), 0);
      break;
    }
  }
  const HWND list = main.ChannelList().Handle();
  RECT client{};
  ::GetClientRect(list, &client);
  const auto row = static_cast<int>(::SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
  const int shown = row > 0 ? client.bottom / row : 0;
  ::SendMessageW(list, LB_SETTOPINDEX, std::max(main.ChannelList().Count() - shown, 0) / 2, 0);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fputs("usage: information_windows_gallery FOLDER [SKIN_FILE]\n", stderr);
    return 2;
  }
  folder = argv[1];
  telvana::testsupport::GalleryProgram program(argc > 2 ? argv[2] : nullptr);
  if (!program.SkinApplied()) return 1;
  auto& main = program.Main();
  failures += !AwaitPicture(folder, L"main");
  ShowLongestCategory(main);
  Settle(500);
  failures += !AwaitPicture(folder, L"main-long");
  // The frame inactive, maximised, and with the system menu open.
  ::SendMessageW(main.Handle(), WM_NCACTIVATE, FALSE, 0);
  Settle(300);
  failures += !AwaitPicture(folder, L"main-inactive");
  ::SendMessageW(main.Handle(), WM_NCACTIVATE, TRUE, 0);
  ::SendMessageW(main.Handle(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  Settle(800);
  failures += !AwaitPicture(folder, L"main-maximised");
  ::SendMessageW(main.Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
  Settle(800);
  auto* manager = dynamic_cast<telvana::TSkinManage*>(telvana::SkinManager());
  telvana::TWinSkinForm* frame = manager ? manager->FindSkinner(main.Handle()) : nullptr;
  if (!frame) return 1;
  RECT window{};
  ::GetWindowRect(main.Handle(), &window);
  picture = L"main-sysmenu";
  ::SetTimer(nullptr, 0, 800, TakeAndEndMenu);
  frame->ShowSystemMenu({window.left + 12, window.top + 20});
  Settle(300);
  // Two of the menu bar's drop-downs, where the bar opens them.
  for (const auto& [name, header] : {std::pair{L"menu-help", 8}, std::pair{L"menu-about", 9}}) {
    picture = name;
    ::SetTimer(nullptr, 0, 800, TakeAndEndMenu);
    if (frame->MenuBar()) frame->MenuBar()->OpenDropDown(header);
  }
  const std::vector<std::pair<const wchar_t*, const wchar_t*>> commands{
      {L"help", L"N27"},       {L"disclaimer", L"N24"}, {L"about", L"N26"},
      {L"contact", L"N25"},    {L"commercial", L"N17"}, {L"publicservice", L"N50"},
      {L"friendship", L"N51"},
  };
  for (const auto& [name, item] : commands) {
    picture = name;
    showing = nullptr;
    for (telvana::ui::TForm* form : telvana::ui::Application().Forms()) {
      if (form != &main && ::IsWindow(form->Handle())) {
        form->OnShow = [form](telvana::ui::TComponent&) { showing = form->Handle(); };
      }
    }
    ::SetTimer(nullptr, 0, 1500, TakeAndClose);
    auto* command = dynamic_cast<telvana::ui::TMenuItem*>(main.FindComponent(item));
    if (!command) return 1;
    ::SendMessageW(main.Handle(), WM_COMMAND, MAKEWPARAM(command->Command(), 0), 0);
  }
  // The box is the active window of this thread while it is up.
  picture = L"messagebox";
  ::SetTimer(nullptr, 0, 1500, TakeActiveAndClose);
  telvana::ui::ShowMessageBox(main.Handle(), L"确定要退出Korvane影视Telvana吗？", L"提示",
                              MB_OKCANCEL | MB_ICONQUESTION);
  return failures == 0 ? 0 : 1;
}
