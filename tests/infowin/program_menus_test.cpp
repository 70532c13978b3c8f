// The main window's skinned menus under the program's own skin manager, driven as a user
// drives them: by keyboard alone from Alt through the drop-downs of the bar and their
// submenus, by the mouse moving along the bar, and opened and closed many times at no cost
// in objects, with no popup skinner and no message filter left behind.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "skin/skin_data.h"
#include "skin/skin_manage_win.h"
#include "skin/win_skin_form.h"
#include "skin/win_skin_menu.h"
#include "skin/win_skin_pop_menu.h"
#include "tests/infowin/program_skin_manager.h"
#include "tests/infowin/program_windows.h"
#include "tests/support/gui_objects.h"
#include "tests/support/message_pump.h"

namespace telvana {
namespace {

using namespace std::chrono_literals;
using testsupport::PartOf;
using testsupport::Program;

using testsupport::Manager;

// The menu bar of the shown, skinned main window.
TWinSkinMenu& Bar() {
  TFmain1& main = *Program().main;
  ::SetActiveWindow(main.Handle());
  testsupport::PumpMessagesUntil([] { return false; }, 50ms);
  TWinSkinForm* skinner = Manager().FindSkinner(main.Handle());
  if (!skinner || !skinner->MenuBar()) throw std::runtime_error("the main window has no menu bar");
  return *skinner->MenuBar();
}

constexpr int kFeatured = 0;  // 精选频道
constexpr int kHongKong = 4;  // 港台频道
constexpr int kHelp = 8;      // 直播帮助
constexpr int kMine = 10;     // 我的频道, the last

// Keys pressed in the menus' own loop, each once the drop-down it belongs to is open: a
// thread timer runs inside that loop.
struct Press {
  int drop_down;  // the drop-down that must be open first
  WPARAM key;
};
std::vector<Press> script;
std::size_t pressed = 0;
DWORD give_up_at = 0;  // then whatever menu is open is closed: a test that fails ends

void Start(std::vector<Press> keys) {
  script = std::move(keys);
  pressed = 0;
  give_up_at = ::GetTickCount() + 5000;
}

void CALLBACK PressNext(HWND, UINT, UINT_PTR, DWORD) {
  if (static_cast<int>(::GetTickCount() - give_up_at) > 0) {
    ::EndMenu();
    return;
  }
  if (pressed >= script.size() || OpenDropDownIndex() != script[pressed].drop_down) return;
  ::PostMessageW(Program().main->Handle(), WM_KEYDOWN, script[pressed++].key, 0);
}

// Runs `script` from Alt pressed and released alone, until `done` or five seconds.
template <class Done>
bool DriveFromAlt(std::vector<Press> keys, Done done) {
  Bar();
  Start(std::move(keys));
  const HWND main = Program().main->Handle();
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 20, PressNext);
  ::PostMessageW(main, WM_SYSKEYDOWN, VK_MENU, 0x20380001);
  ::PostMessageW(main, WM_SYSKEYUP, VK_MENU, 0xC0380001);
  const bool reached = testsupport::PumpMessagesUntil(done, 5s);
  ::KillTimer(nullptr, timer);
  // Whatever is still open is closed.
  if (OpenDropDownIndex() >= 0) ::EndMenu();
  testsupport::PumpMessagesUntil([] { return OpenDropDownIndex() < 0; }, 1s);
  return reached;
}

TEST(ProgramMenusTest, FromAltTheKeyboardReachesMacauAndItsNoticeShows) {
  testsupport::MessageBoxRecorder boxes;
  const bool shown = DriveFromAlt({{kFeatured, VK_RIGHT},
                                   {1, VK_RIGHT},
                                   {2, VK_RIGHT},
                                   {3, VK_RIGHT},
                                   {kHongKong, VK_DOWN},
                                   {kHongKong, VK_RETURN}},
                                  [&] { return !boxes.boxes.empty(); });
  ASSERT_TRUE(shown) << "stopped at key " << pressed;
  EXPECT_EQ(boxes.boxes[0].caption, L"直播提醒");
  EXPECT_EQ(boxes.boxes[0].text.rfind(L"本频道升级之中", 0), 0u);
  EXPECT_FALSE(MenuFilterHookInstalled());
}

TEST(ProgramMenusTest, LeftFromTheFirstWrapsToTheLastAndASubmenuIsReachedByKeyboard) {
  const HWND main = Program().main->Handle();
  auto topmost = [main] { return (::GetWindowLongW(main, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
  ASSERT_FALSE(topmost());
  // Left from the first drop-down opens the last; in 直播帮助 the fourth item opens
  // 软件窗口显示, whose first item is 总在最前面.
  const bool reached = DriveFromAlt({{kFeatured, VK_LEFT},
                                     {kMine, VK_LEFT},
                                     {9, VK_LEFT},
                                     {kHelp, VK_DOWN},
                                     {kHelp, VK_DOWN},
                                     {kHelp, VK_DOWN},
                                     {kHelp, VK_RIGHT},
                                     {kHelp, VK_RETURN}},
                                    topmost);
  EXPECT_TRUE(reached) << "stopped at key " << pressed;
  testsupport::ChooseOnMain(L"N73");  // 取消在前面
  EXPECT_FALSE(topmost());
}

TEST(ProgramMenusTest, RightFromTheLastWrapsToTheFirstAndEscapeCloses) {
  TWinSkinMenu& bar = Bar();
  Start({{kMine, VK_RIGHT}, {kFeatured, VK_ESCAPE}});
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 20, PressNext);
  EXPECT_TRUE(bar.OpenDropDown(kMine));  // returns once the last drop-down closed
  ::KillTimer(nullptr, timer);
  EXPECT_EQ(pressed, script.size());
  EXPECT_EQ(OpenDropDownIndex(), -1);
  EXPECT_FALSE(bar.Tracking());
}

// Alt pressed while drop-down 3 is open, from inside its loop.
bool tracked_after_alt = true;
void CALLBACK PressAlt(HWND, UINT, UINT_PTR timer, DWORD) {
  if (OpenDropDownIndex() != 3) return;
  ::KillTimer(nullptr, timer);
  ::PostMessageW(Program().main->Handle(), WM_SYSKEYDOWN, VK_MENU, 0x20380001);
  ::SetTimer(nullptr, 0, 200, [](HWND, UINT, UINT_PTR late, DWORD) {
    ::KillTimer(nullptr, late);
    tracked_after_alt = OpenDropDownIndex() >= 0 &&
                        Manager().FindSkinner(Program().main->Handle())->MenuTrackingActive();
    if (OpenDropDownIndex() >= 0) ::EndMenu();  // Alt left the drop-down open
  });
}

TEST(ProgramMenusTest, AltDuringTheTrackingEndsItWithoutSwitching) {
  TWinSkinMenu& bar = Bar();
  tracked_after_alt = true;
  ::SetTimer(nullptr, 0, 20, PressAlt);
  EXPECT_TRUE(bar.OpenDropDown(3));
  testsupport::PumpMessagesUntil([] { return false; }, 300ms);  // the late look has been
  EXPECT_FALSE(tracked_after_alt);
  EXPECT_EQ(OpenDropDownIndex(), -1);
  EXPECT_FALSE(MenuFilterHookInstalled());
}

// The mouse moving along the bar while drop-down 2 is open: over the open button first,
// then over button 5.
int mouse_phase = 0;
bool stayed_on_open = false;
bool switched = false;
void PointAt(int button) {
  TWinSkinMenu& bar = *Manager().FindSkinner(Program().main->Handle())->MenuBar();
  RECT frame{};
  ::GetWindowRect(Program().main->Handle(), &frame);
  const RECT& r = bar.Buttons()[static_cast<std::size_t>(button)]->Rect;
  ::SetCursorPos(frame.left + (r.left + r.right) / 2, frame.top + (r.top + r.bottom) / 2);
  ::PostMessageW(Program().main->Handle(), WM_MOUSEMOVE, 0, 0);
}
void CALLBACK MoveAlong(HWND, UINT, UINT_PTR timer, DWORD) {
  const int open = OpenDropDownIndex();
  if (open < 0) return;
  switch (mouse_phase++) {
    case 0:
      PointAt(2);
      return;
    case 1:
      stayed_on_open = open == 2;
      PointAt(5);
      return;
    default:
      if (open == 2 && mouse_phase < 50) return;  // the switch is on its way
      switched = open == 5;
      ::KillTimer(nullptr, timer);
      ::EndMenu();
  }
}

TEST(ProgramMenusTest, TheMouseMovingOverAnotherButtonSwitchesAndOverTheOpenOneDoesNot) {
  TWinSkinMenu& bar = Bar();
  mouse_phase = 0;
  ::SetTimer(nullptr, 0, 50, MoveAlong);
  bar.OpenDropDown(2);
  ::SetCursorPos(0, 0);
  EXPECT_TRUE(stayed_on_open);
  EXPECT_TRUE(switched);
  EXPECT_EQ(OpenDropDownIndex(), -1);
}

// Closes each menu as soon as its popup window is up, noting what it saw.
struct CycleWatch {
  int shown = 0;
  int skinned = 0;  // popups that had a skinner while up
  int hooked = 0;   // drop-downs tracked with the filter installed
};
CycleWatch watch;
void CALLBACK CloseWhenShown(HWND, UINT, UINT_PTR, DWORD) {
  HWND popup = ::FindWindowW(L"#32768", nullptr);
  if (!popup || !::IsWindowVisible(popup)) return;
  ++watch.shown;
  watch.skinned += Manager().PopupOfWindow(popup) != nullptr;
  watch.hooked += MenuFilterHookInstalled();
  ::EndMenu();
}

bool AllItemsOwnerDrawn(HMENU menu) {
  for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
    MENUITEMINFOW info{sizeof(info)};
    info.fMask = MIIM_FTYPE;
    if (!::GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info) ||
        !(info.fType & MFT_OWNERDRAW)) {
      return false;
    }
    if (HMENU sub = ::GetSubMenu(menu, i); sub && !AllItemsOwnerDrawn(sub)) return false;
  }
  return true;
}

TEST(ProgramMenusTest, EachDropDownAndTheContextMenu200TimesLeaveNothingBehind) {
  constexpr int kCycles = 200;
  TWinSkinMenu& bar = Bar();
  auto& context = PartOf<ui::TPopupMenu>(*Program().main, L"PopupMenu1");
  RECT frame{};
  ::GetWindowRect(Program().main->Handle(), &frame);
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 1, CloseWhenShown);
  auto cycle = [&](int menu) {
    if (menu < 0) {
      context.Popup(frame.left + 300, frame.top + 260);
    } else {
      bar.OpenDropDown(menu);
    }
  };
  const int menus = static_cast<int>(bar.Buttons().size());
  for (int menu = -1; menu < menus; ++menu) cycle(menu);  // caches warmed
  testsupport::PumpMessagesUntil([] { return false; }, 100ms);
  const DWORD gdi = testsupport::GdiObjectCount();
  const DWORD user = testsupport::UserObjectCount();
  watch = {};
  int left_behind = 0;
  for (int i = 0; i < kCycles; ++i) {
    for (int menu = -1; menu < menus; ++menu) {
      cycle(menu);
      left_behind += MenuFilterHookInstalled() + !Manager().PopupSkinners.empty();
    }
  }
  ::KillTimer(nullptr, timer);
  testsupport::PumpMessagesUntil([] { return false; }, 100ms);
  EXPECT_EQ(watch.shown, kCycles * (menus + 1));
  EXPECT_EQ(watch.skinned, watch.shown);
  EXPECT_EQ(watch.hooked, kCycles * menus);
  EXPECT_EQ(left_behind, 0);
  for (const auto& button : bar.Buttons()) EXPECT_TRUE(AllItemsOwnerDrawn(button->SubMenu));
  EXPECT_TRUE(AllItemsOwnerDrawn(context.Handle()));
  // Wine's cache of device contexts keeps a clipping region per context it hands out.
  constexpr DWORD kWineDcCacheSlack = 6;
  EXPECT_LE(testsupport::GdiObjectCount(), gdi + kWineDcCacheSlack);
  EXPECT_LE(testsupport::UserObjectCount(), user);
  std::printf("menu cycles: %d, GDI objects %lu -> %lu, USER objects %lu -> %lu\n", watch.shown,
              gdi, testsupport::GdiObjectCount(), user, testsupport::UserObjectCount());
}

// Whether the context menu's popup window, while up, had its frame and background from the
// skin.
bool popup_framed = false;
// The top-left pixel of the popup as WM_PRINT draws it, and of the skin's MenuBackground.
COLORREF printed_corner = CLR_INVALID;
COLORREF background_corner = CLR_INVALID;
void CALLBACK LookAtPopup(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND popup = ::FindWindowW(L"#32768", nullptr);
  if (!popup || !::IsWindowVisible(popup)) return;
  ::KillTimer(nullptr, timer);
  const TWinSkinPopMenu* skinner = Manager().PopupOfWindow(popup);
  popup_framed = skinner && !skinner->Background().empty();
  if (popup_framed) {
    const std::uint32_t corner = skinner->Background().at(0, 0);
    background_corner = RGB(corner >> 16 & 0xFF, corner >> 8 & 0xFF, corner & 0xFF);
    RECT r{};
    ::GetWindowRect(popup, &r);
    win::WindowDc screen(nullptr);
    win::MemoryDc dc(::CreateCompatibleDC(screen.get()));
    win::Bitmap bitmap(::CreateCompatibleBitmap(screen.get(), r.right - r.left, r.bottom - r.top));
    win::SelectObjectScope selected(dc.get(), bitmap.get());
    ::SendMessageW(popup, WM_PRINT, reinterpret_cast<WPARAM>(dc.get()),
                   PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
    printed_corner = ::GetPixel(dc.get(), 0, 0);
  }
  ::EndMenu();
}

TEST(ProgramMenusTest, AContextMenuTaggedWithDisableTagKeepsTheSystemLook) {
  Bar();
  TFmain1& main = *Program().main;
  auto& context = PartOf<ui::TPopupMenu>(main, L"PopupMenu1");
  auto& skin = PartOf<TSkinData>(main, L"SkinData1");
  auto reskin = [&] {
    for (SkinAction action : {SkinAction::kUnskin, SkinAction::kSkin}) {
      Manager().PendingSkinData = &skin;
      Manager().PendingAction = static_cast<int>(action);
      Manager().PerformPendingAction();
    }
  };
  auto framed = [&] {
    RECT frame{};
    ::GetWindowRect(main.Handle(), &frame);
    popup_framed = false;
    ::SetTimer(nullptr, 0, 20, LookAtPopup);
    context.Popup(frame.left + 300, frame.top + 260);
    return popup_framed;
  };
  EXPECT_TRUE(context.OwnerDraw());
  EXPECT_TRUE(framed());
  // WM_PRINT (the system's menu animation) shows the skin's frame too.
  EXPECT_EQ(printed_corner, background_corner);
  context.Tag = 100 + skin.DisableTag;
  reskin();
  EXPECT_FALSE(context.OwnerDraw());
  EXPECT_FALSE(framed());
  context.Tag = 0;
  reskin();
  EXPECT_TRUE(context.OwnerDraw());
}

}  // namespace
}  // namespace telvana
