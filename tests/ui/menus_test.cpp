#include "ui/menus.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "tests/support/glyphs.h"
#include "tests/support/test_form.h"
#include "tests/support/ui_test_environment.h"
#include "ui/forms.h"

namespace telvana {
namespace {

using namespace ui;
using testsupport::MissingGlyphs;
using testsupport::TTestForm;

HFONT FontIn(HDC dc) {
  return static_cast<HFONT>(::GetCurrentObject(dc, OBJ_FONT));
}

std::wstring MenuString(HMENU menu, UINT command) {
  wchar_t text[128] = {};
  const int length = ::GetMenuStringW(menu, command, text, 128, MF_BYCOMMAND);
  return std::wstring(text, static_cast<std::size_t>(std::max(length, 0)));
}

// What a menu shows for its stored text: "&&" is one "&", a single "&" marks the next
// character as the accelerator (and is not shown).
struct Shown {
  std::wstring text;
  bool accelerator = false;
};
Shown AsShown(const std::wstring& stored) {
  Shown shown;
  for (std::size_t i = 0; i < stored.size(); ++i) {
    if (stored[i] == L'&' && i + 1 < stored.size()) {
      ++i;
      if (stored[i] != L'&') shown.accelerator = true;
    }
    shown.text.push_back(stored[i]);
  }
  return shown;
}

UINT ItemType(HMENU menu, UINT command) {
  MENUITEMINFOW info{sizeof(info)};
  info.fMask = MIIM_FTYPE;
  ::GetMenuItemInfoW(menu, command, FALSE, &info);
  return info.fType;
}

ULONG_PTR ItemData(HMENU menu, UINT command) {
  MENUITEMINFOW info{sizeof(info)};
  info.fMask = MIIM_DATA;
  ::GetMenuItemInfoW(menu, command, FALSE, &info);
  return info.dwItemData;
}

// A form with a menu bar of two drop-downs and a context menu.
struct MenuForm {
  std::unique_ptr<TTestForm> form = std::make_unique<TTestForm>();
  TMainMenu* bar = TComponent::New<TMainMenu>(*form);
  TPopupMenu* context = TComponent::New<TPopupMenu>(*form);
  std::vector<std::wstring> clicks;

  TMenuItem* Item(TMenuItem& parent, const std::wstring& caption, int shortCut = 0) {
    auto* item = TComponent::New<TMenuItem>(*form);
    item->SetCaption(caption);
    item->SetShortCut(shortCut);
    item->OnClick = [this, item](TComponent& sender) {
      EXPECT_EQ(&sender, item);
      clicks.push_back(item->Caption());
    };
    parent.Add(*item);
    return item;
  }

  MenuForm() { form->SetMenu(bar); }
  void Create() { form->CreateHandle(); }
  LRESULT Command(const TMenuItem& item) {
    return ::SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(item.Command(), 0), 0);
  }
};

TEST(Menus, CaptionsAreShownExactlyAsStored) {
  MenuForm m;
  TMenuItem* top = m.Item(m.bar->Items(), L"精选频道");
  TMenuItem* film = m.Item(*top, L"影视频道", VK_F2);
  TMenuItem* amp = m.Item(*top, L"R&D 频道");
  TMenuItem* two = m.Item(*top, L"&&&");
  TMenuItem* dash = m.Item(*top, L"央视01—08套");
  m.Create();
  const HMENU menu = m.bar->Handle();
  ASSERT_EQ(::GetMenu(m.form->Handle()), menu);
  ASSERT_EQ(::GetMenuItemCount(menu), 1);
  wchar_t topText[32] = {};
  ::GetMenuStringW(menu, 0, topText, 32, MF_BYPOSITION);
  EXPECT_STREQ(topText, L"精选频道");

  for (const TMenuItem* item : {film, amp, two, dash}) {
    SCOPED_TRACE(item->Caption());
    std::wstring stored = MenuString(menu, item->Command());
    if (item->ShortCut()) {
      ASSERT_NE(stored.find(L'\t'), std::wstring::npos);
      stored.resize(stored.find(L'\t'));
    }
    const Shown shown = AsShown(stored);
    EXPECT_EQ(shown.text, item->Caption());
    EXPECT_FALSE(shown.accelerator) << "no accelerator letter may be made from the caption";
  }
  EXPECT_EQ(MenuString(menu, film->Command()), L"影视频道\tF2");

  // A new caption replaces the shown text.
  amp->SetCaption(L"A&B");
  EXPECT_EQ(AsShown(MenuString(m.bar->Handle(), amp->Command())).text, L"A&B");
  EXPECT_EQ(m.bar->AutoHotkeys(), false);
}

TEST(Menus, ShortcutTexts) {
  EXPECT_EQ(ShortCutToText(0), L"");
  EXPECT_EQ(ShortCutToText(113), L"F2");
  EXPECT_EQ(ShortCutToText(VK_F11), L"F11");
  EXPECT_EQ(ShortCutToText(VK_F12), L"F12");
  EXPECT_EQ(ShortCutToText(scCtrl | 'S'), L"Ctrl+S");
  EXPECT_EQ(ShortCutToText(scShift | VK_F5), L"Shift+F5");
  EXPECT_EQ(ShortCutToText(scCtrl | scShift | scAlt | '1'), L"Ctrl+Shift+Alt+1");
  EXPECT_EQ(ShortCutToText(VK_DELETE), L"Del");

  MenuForm m;
  TMenuItem* top = m.Item(m.bar->Items(), L"屏幕");
  TMenuItem* full = m.Item(*top, L"全屏模式", VK_F11);
  m.Create();
  EXPECT_EQ(MenuString(m.bar->Handle(), full->Command()), L"全屏模式\tF11");
  full->SetShortCut(VK_F12);
  EXPECT_EQ(MenuString(m.bar->Handle(), full->Command()), L"全屏模式\tF12");
  full->SetShortCut(0);
  EXPECT_EQ(MenuString(m.bar->Handle(), full->Command()), L"全屏模式");
}

TEST(Menus, CheckMarksEnablingAndSeparators) {
  MenuForm m;
  TMenuItem* top = m.Item(m.bar->Items(), L"皮肤");
  TMenuItem* first = m.Item(*top, L"一号皮肤");
  TMenuItem* line = m.Item(*top, L"-");
  TMenuItem* second = m.Item(*top, L"二号皮肤");
  first->SetChecked(true);  // before the menu exists
  m.Create();
  HMENU menu = m.bar->Handle();
  EXPECT_TRUE(::GetMenuState(menu, first->Command(), MF_BYCOMMAND) & MF_CHECKED);
  EXPECT_FALSE(::GetMenuState(menu, second->Command(), MF_BYCOMMAND) & MF_CHECKED);
  EXPECT_TRUE(line->IsSeparator());
  EXPECT_TRUE(::GetMenuState(menu, line->Command(), MF_BYCOMMAND) & MF_SEPARATOR);

  first->SetChecked(false);
  second->SetChecked(true);
  EXPECT_FALSE(::GetMenuState(menu, first->Command(), MF_BYCOMMAND) & MF_CHECKED);
  EXPECT_TRUE(::GetMenuState(menu, second->Command(), MF_BYCOMMAND) & MF_CHECKED);

  second->SetEnabled(false);
  EXPECT_TRUE(::GetMenuState(menu, second->Command(), MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED));
  m.Command(*second);
  second->Click();
  EXPECT_TRUE(m.clicks.empty()) << "a disabled item does nothing";
  second->SetEnabled(true);
  m.Command(*second);
  EXPECT_EQ(m.clicks, (std::vector<std::wstring>{L"二号皮肤"}));

  // An item that becomes a separator, and back.
  first->SetCaption(L"-");
  menu = m.bar->Handle();
  EXPECT_TRUE(::GetMenuState(menu, first->Command(), MF_BYCOMMAND) & MF_SEPARATOR);
  first->SetCaption(L"一号皮肤");
  menu = m.bar->Handle();
  EXPECT_FALSE(::GetMenuState(menu, first->Command(), MF_BYCOMMAND) & MF_SEPARATOR);
  EXPECT_EQ(MenuString(menu, first->Command()), L"一号皮肤");
  EXPECT_TRUE(::GetMenuState(menu, second->Command(), MF_BYCOMMAND) & MF_CHECKED)
      << "kept through a rebuild";
}

TEST(Menus, ChangesToTheTreeReachTheWindowsMenuBar) {
  MenuForm m;
  TMenuItem* top = m.Item(m.bar->Items(), L"精选频道");
  m.Item(*top, L"影视频道");
  m.Create();
  TMenuItem* added = m.Item(*top, L"体育频道");
  const HMENU menu = ::GetMenu(m.form->Handle());
  EXPECT_EQ(menu, m.bar->Handle()) << "the rebuilt menu is the window's";
  EXPECT_EQ(::GetMenuItemCount(::GetSubMenu(menu, 0)), 2);
  EXPECT_EQ(MenuString(menu, added->Command()), L"体育频道");
  TMenuItem* second = m.Item(m.bar->Items(), L"中央频道");
  EXPECT_EQ(::GetMenuItemCount(::GetMenu(m.form->Handle())), 2);

  // An item freed by its owner leaves the menu.
  {
    TComponent elsewhere(nullptr);
    auto* temporary = TComponent::New<TMenuItem>(elsewhere);
    temporary->SetCaption(L"临时");
    second->Add(*temporary);
    EXPECT_EQ(::GetMenuItemCount(::GetSubMenu(::GetMenu(m.form->Handle()), 1)), 1);
  }
  EXPECT_EQ(::GetSubMenu(::GetMenu(m.form->Handle()), 1), nullptr);
  EXPECT_TRUE(second->Items().empty());
  EXPECT_EQ(m.bar->FindItem(added->Command()), added);
  EXPECT_EQ(m.bar->FindItem(0xFFFF), nullptr);
}

TEST(Menus, CommandsRunTheirItemsHandlers) {
  MenuForm m;
  TMenuItem* top = m.Item(m.bar->Items(), L"精选频道");
  TMenuItem* film = m.Item(*top, L"影视频道");
  TMenuItem* deeper = m.Item(*top, L"更多");
  TMenuItem* nested = m.Item(*deeper, L"香港");
  TMenuItem* full = m.Item(m.context->Items(), L"全屏模式");
  m.Create();
  EXPECT_NE(film->Command(), full->Command());

  m.Command(*film);
  m.Command(*nested);
  m.Command(*full);  // context menu items come to the owning form too
  EXPECT_EQ(m.clicks, (std::vector<std::wstring>{L"影视频道", L"香港", L"全屏模式"}));

  // Commands of controls (with a window in lParam) and unknown ids are not menu commands.
  m.clicks.clear();
  HWND control = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 1, 1, m.form->Handle(),
                                   nullptr, ::GetModuleHandleW(nullptr), nullptr);
  ::SendMessageW(m.form->Handle(), WM_COMMAND, MAKEWPARAM(film->Command(), 0),
                 reinterpret_cast<LPARAM>(control));
  ::SendMessageW(m.form->Handle(), WM_COMMAND, MAKEWPARAM(0xFFF0, 0), 0);
  ::DestroyWindow(control);
  EXPECT_TRUE(m.clicks.empty());
}

TEST(Menus, ShortcutsRunTheFirstEnabledItem) {
  MenuForm m;
  TMenuItem* top = m.Item(m.bar->Items(), L"精选频道");
  TMenuItem* film = m.Item(*top, L"影视频道", VK_F2);
  m.Item(*top, L"体育频道", VK_F3);
  m.Item(m.context->Items(), L"全屏模式", VK_F11);
  m.Item(m.context->Items(), L"也是F2", VK_F2);
  m.Create();

  EXPECT_TRUE(m.form->IsShortCut(VK_F3));
  EXPECT_TRUE(m.form->IsShortCut(VK_F11));
  EXPECT_TRUE(m.form->IsShortCut(VK_F2));
  EXPECT_FALSE(m.form->IsShortCut(VK_F9));
  EXPECT_FALSE(m.form->IsShortCut(scCtrl | VK_F2));
  EXPECT_EQ(m.clicks, (std::vector<std::wstring>{L"体育频道", L"全屏模式", L"影视频道"}))
      << "the menu bar comes before the context menus";
  m.clicks.clear();
  film->SetEnabled(false);
  EXPECT_TRUE(m.form->IsShortCut(VK_F2));
  EXPECT_EQ(m.clicks, (std::vector<std::wstring>{L"也是F2"}));
  top->SetEnabled(false);
  m.clicks.clear();
  EXPECT_FALSE(m.form->IsShortCut(VK_F3)) << "nothing under a disabled item";
  top->SetEnabled(true);

  // A key pressed in the form goes through the message loop to the item.
  m.clicks.clear();
  ::PostMessageW(m.form->Handle(), WM_KEYDOWN, VK_F3, 0);
  Application().ProcessMessages();
  EXPECT_EQ(m.clicks, (std::vector<std::wstring>{L"体育频道"}));
}

TEST(Menus, OwnerDrawnItemsAreMeasuredAndDrawnByTheirEvents) {
  MenuForm m;
  TMenuItem* top = m.Item(m.bar->Items(), L"精选频道");
  TMenuItem* drawn = m.Item(*top, L"影视频道");
  TMenuItem* plain = m.Item(*top, L"体育频道");
  TMenuItem* popupItem = m.Item(m.context->Items(), L"全屏模式");
  std::vector<std::wstring> events;
  for (TMenuItem* item : {drawn, popupItem}) {
    item->OnMeasureItem = [&events](TMenuItem& sender, HDC dc, int& width, int& height) {
      EXPECT_EQ(MissingGlyphs(FontIn(dc), sender.Caption()), L"") << "the menu font, with Chinese";
      events.push_back(L"measure " + sender.Caption());
      width = 120;
      height = 21;
    };
    item->OnDrawItem = [&events](TMenuItem& sender, HDC dc, const RECT& rect, UINT state) {
      EXPECT_EQ(MissingGlyphs(FontIn(dc), sender.Caption()), L"") << "the menu font, with Chinese";
      events.push_back(
          L"draw " + sender.Caption() + L" " + std::to_wstring(rect.right - rect.left) + L"x" +
          std::to_wstring(rect.bottom - rect.top) + ((state & ODS_SELECTED) ? L" selected" : L""));
    };
  }
  m.Create();
  HMENU menu = m.bar->Handle();
  EXPECT_EQ(ItemType(menu, drawn->Command()) & MFT_OWNERDRAW, 0u);
  m.bar->SetOwnerDraw(true);
  m.context->SetOwnerDraw(true);
  menu = m.bar->Handle();
  EXPECT_EQ(::GetMenu(m.form->Handle()), menu);
  EXPECT_NE(ItemType(menu, drawn->Command()) & MFT_OWNERDRAW, 0u);
  EXPECT_NE(ItemType(m.context->Handle(), popupItem->Command()) & MFT_OWNERDRAW, 0u);

  // The messages Windows sends for the items, with the data the menu handles carry.
  const auto measure = [&](HMENU owner, const TMenuItem& item) {
    MEASUREITEMSTRUCT mis{};
    mis.CtlType = ODT_MENU;
    mis.itemID = item.Command();
    mis.itemData = ItemData(owner, item.Command());
    const LRESULT handled =
        ::SendMessageW(m.form->Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis));
    return std::make_tuple(handled, mis.itemWidth, mis.itemHeight);
  };
  const auto draw = [&](HMENU owner, const TMenuItem& item, UINT state) {
    HDC dc = ::CreateCompatibleDC(nullptr);
    DRAWITEMSTRUCT dis{};
    dis.CtlType = ODT_MENU;
    dis.itemID = item.Command();
    dis.itemData = ItemData(owner, item.Command());
    dis.itemState = state;
    dis.hwndItem = reinterpret_cast<HWND>(owner);
    dis.hDC = dc;
    dis.rcItem = {0, 0, 120, 21};
    const LRESULT handled =
        ::SendMessageW(m.form->Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis));
    ::DeleteDC(dc);
    return handled;
  };

  EXPECT_EQ(measure(menu, *drawn), std::make_tuple(LRESULT{TRUE}, 120u, 21u));
  EXPECT_EQ(draw(menu, *drawn, ODS_SELECTED), TRUE);
  EXPECT_EQ(std::get<0>(measure(m.context->Handle(), *popupItem)), TRUE);
  EXPECT_EQ(draw(m.context->Handle(), *popupItem, 0), TRUE);
  EXPECT_EQ(events,
            (std::vector<std::wstring>{L"measure 影视频道", L"draw 影视频道 120x21 selected",
                                       L"measure 全屏模式", L"draw 全屏模式 120x21"}));
  // An item without the events is left to the system.
  events.clear();
  EXPECT_EQ(std::get<0>(measure(menu, *plain)), FALSE);
  EXPECT_EQ(draw(menu, *plain, 0), FALSE);
  EXPECT_TRUE(events.empty());

  m.bar->SetOwnerDraw(false);
  EXPECT_EQ(ItemType(m.bar->Handle(), drawn->Command()) & MFT_OWNERDRAW, 0u);
  EXPECT_EQ(MenuString(m.bar->Handle(), drawn->Command()), L"影视频道");
}

TEST(Menus, AnOwnerDrawnMenuBarIsPaintedByItsItems) {
  MenuForm m;
  TMenuItem* film = m.Item(m.bar->Items(), L"影视频道");
  TMenuItem* sport = m.Item(m.bar->Items(), L"体育频道");
  std::vector<std::wstring> measured, drawn;
  for (TMenuItem* item : {film, sport}) {
    item->OnMeasureItem = [&measured](TMenuItem& sender, HDC, int& width, int& height) {
      measured.push_back(sender.Caption());
      width = 64;
      height = 18;
    };
    item->OnDrawItem = [&drawn](TMenuItem& sender, HDC dc, const RECT& rect, UINT) {
      drawn.push_back(sender.Caption());
      ::FillRect(dc, &rect, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    };
  }
  m.bar->SetOwnerDraw(true);
  m.form->SetClientSize(300, 100);
  m.Create();
  m.form->Show();
  // The system measures and paints the bar's items when it lays out and draws the frame.
  ::DrawMenuBar(m.form->Handle());
  ::RedrawWindow(m.form->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  Application().ProcessMessages();
  m.form->Hide();
  EXPECT_NE(std::find(measured.begin(), measured.end(), L"影视频道"), measured.end());
  EXPECT_NE(std::find(measured.begin(), measured.end(), L"体育频道"), measured.end());
  EXPECT_NE(std::find(drawn.begin(), drawn.end(), L"影视频道"), drawn.end());
  EXPECT_NE(std::find(drawn.begin(), drawn.end(), L"体育频道"), drawn.end());
  RECT item{};
  ASSERT_TRUE(::GetMenuItemRect(m.form->Handle(), m.bar->Handle(), 0, &item));
  EXPECT_GE(item.right - item.left, 64) << "the measured width is the item's";
}

}  // namespace
}  // namespace telvana
