// Not a test: starts the program's windows as start-up does, with the program's skin manager,
// and opens the skinned menus one after the other, for people to look at. Usage:
//   menu_gallery.exe FOLDER [SKIN_FILE]
// While each is up it writes FOLDER\NAME.ready and waits until that file is gone: a script on
// the host takes a picture of the screen meanwhile (take-menu-pictures.sh). The pictures: the
// menu bar (bar), a drop-down with its first item hot (dropdown), the submenus 直播帮助 →
// 软件窗口显示 (submenu) and 直播帮助 → 软件外观选择 with its check mark (checked), the
// player's context menu (context) and the system menu with a disabled item hot (sysmenu).
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "skin/skin_manage_win.h"
#include "skin/win_skin_form.h"
#include "skin/win_skin_menu.h"
#include "tests/infowin/gallery_program.h"
#include "tests/support/picture_taking.h"
#include "ui/menus.h"

namespace {

using telvana::testsupport::AwaitPicture;
using telvana::testsupport::Settle;

std::wstring folder;
std::wstring picture;      // the name of the picture to take next
std::vector<WPARAM> keys;  // the keys to press, one a tick, before the picture
std::size_t next_key = 0;
HWND keyboard = nullptr;  // where the keys go: the menu's loop takes them from the queue
int failures = 0;

// Runs inside the menu's own loop: a key a tick, then (after a tick to paint) the picture,
// then the menu is closed.
void CALLBACK Step(HWND, UINT, UINT_PTR timer, DWORD) {
  if (next_key < keys.size()) {
    ::PostMessageW(keyboard, WM_KEYDOWN, keys[next_key++], 0);
    return;
  }
  if (next_key++ == keys.size()) return;
  ::KillTimer(nullptr, timer);
  failures += !AwaitPicture(folder, picture, false);
  ::EndMenu();
}

void Prepare(const wchar_t* name, std::vector<WPARAM> pressed) {
  picture = name;
  keys = std::move(pressed);
  next_key = 0;
  ::SetTimer(nullptr, 0, 400, Step);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fputs("usage: menu_gallery FOLDER [SKIN_FILE]\n", stderr);
    return 2;
  }
  folder = argv[1];
  telvana::testsupport::GalleryProgram program(argc > 2 ? argv[2] : nullptr);
  if (!program.SkinApplied()) return 1;
  auto& main = program.Main();
  keyboard = main.Handle();
  failures += !AwaitPicture(folder, L"bar", false);
  auto* manager = dynamic_cast<telvana::TSkinManage*>(telvana::SkinManager());
  telvana::TWinSkinForm* frame = manager ? manager->FindSkinner(main.Handle()) : nullptr;
  if (!frame || !frame->MenuBar()) return 1;
  telvana::TWinSkinMenu& bar = *frame->MenuBar();
  constexpr int kHelpMenu = 8;  // 直播帮助
  // The drop-down opens with its first item selected.
  Prepare(L"dropdown", {});
  bar.OpenDropDown(0);
  Settle(300);
  Prepare(L"submenu", {VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT});
  bar.OpenDropDown(kHelpMenu);
  Settle(300);
  Prepare(L"checked", {VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN});
  bar.OpenDropDown(kHelpMenu);
  Settle(300);
  auto* context = dynamic_cast<telvana::ui::TPopupMenu*>(main.FindComponent(L"PopupMenu1"));
  if (!context) return 1;
  RECT window{};
  ::GetWindowRect(main.Handle(), &window);
  Prepare(L"context", {VK_DOWN, VK_DOWN});
  context->Popup(window.left + 300, window.top + 260);
  Settle(300);
  // Restore is disabled in a window of normal size: the first item hot is a disabled one.
  Prepare(L"sysmenu", {VK_DOWN});
  frame->ShowSystemMenu({window.left + 12, window.top + 20});
  Settle(300);
  return failures == 0 ? 0 : 1;
}
