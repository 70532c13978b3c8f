// Both menus of the main window: every item with its caption, shortcut and handler, and the
// commands behind them, chosen the way Windows reports a choice (WM_COMMAND with the item's
// identifier) or pressed as function keys: the 28 categories, the seven categories not yet
// offered, the screen modes, staying on top and exit. The information commands are tested
// with the information windows (tests/infowin).
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <span>
#include <string>
#include <vector>

#include "catalogue/category_table.h"
#include "tests/app/main_window_fixture.h"
#include "web/site_addresses.h"

namespace telvana {
namespace {

using testsupport::MainWindowTest;
using Op = testsupport::RecordingPlayer::Op;
using Calls = std::vector<std::string>;

// ---------------------------------------------------------------------------------------
// The menu trees

struct Item {
  int depth;  // 0: an item of the bar (or of the context menu)
  const wchar_t* name;
  const wchar_t* caption;
  int shortCut;
  bool handler;
};

constexpr int F(int n) {
  return VK_F1 + n - 1;
}

const Item kMenuBar[] = {
    {0, L"N4", L"精选频道", 0, false},
    {1, L"N6", L"影视频道", F(2), true},
    {1, L"N7", L"体育频道", F(3), true},
    {1, L"N9", L"儿童频道", F(4), true},
    {1, L"N71", L"-", 0, false},
    {1, L"N8", L"知名音乐电台", F(5), true},
    {1, L"N15", L"知名网络电台", F(6), true},
    {0, L"N11", L"中央频道", 0, false},
    {1, L"N14", L"央视01\u201408套", F(7), true},
    {1, L"N18", L"央视09\u201415套", F(8), true},
    {0, L"N12", L"省级频道", 0, false},
    {1, L"N28", L"北京\u3001上海\u3001天津\u3001重庆", 0, true},
    {1, L"N43", L"-", 0, false},
    {1, L"N37", L"河北\u3001山西\u3001内蒙古\u3001辽宁\u3001吉林", 0, true},
    {1, L"N38", L"黑龙江\u3001江苏\u3001浙江\u3001安徽\u3001福建", 0, true},
    {1, L"N39", L"江西\u3001山东\u3001河南\u3001湖北\u3001湖南", 0, true},
    {1, L"N40", L"广东\u3001广西\u3001海南\u3001四川\u3001贵州", 0, true},
    {1, L"N41", L"云南\u3001西藏\u3001陕西\u3001甘肃\u3001宁夏", 0, true},
    {1, L"N42", L"青海\u3001新疆", 0, true},
    {0, L"N53", L"地方频道", 0, false},
    {1, L"N58", L"河北 山西 内蒙古 辽宁 吉林", 0, true},
    {1, L"N59", L"黑龙江 江苏 浙江 安徽 福建", 0, true},
    {1, L"N60", L"江西 山东 河南 湖北 湖南", 0, true},
    {1, L"N61", L"广东 广西 海南 四川 贵州", 0, true},
    {1, L"N62", L"云南 西藏 陕西 甘肃 宁夏", 0, true},
    {1, L"N63", L"青海 新疆", 0, true},
    {0, L"N1", L"港台频道", 0, false},
    {1, L"N29", L"香港", 0, true},
    {1, L"N30", L"澳门", 0, true},
    {1, L"N31", L"台湾", 0, true},
    {0, L"N10", L"国外频道", 0, false},
    {1, L"N32", L"韩国", 0, true},
    {1, L"N33", L"美国", 0, true},
    {1, L"N34", L"英国", 0, true},
    {1, L"N35", L"日本", 0, true},
    {0, L"N3", L"Korvane影院", 0, false},
    {1, L"N20", L"在线直播", F(9), true},
    {1, L"N64", L"在线点播", F(10), true},
    {0, L"N21", L"广播电台", 0, false},
    {1, L"N36", L"中央电台", 0, true},
    {1, L"N52", L"省级电台", 0, true},
    {1, L"N54", L"地方电台", 0, true},
    {1, L"N65", L"网络电台", 0, true},
    {1, L"N67", L"-", 0, false},
    {1, L"N55", L"港澳台电台", 0, true},
    {1, L"N56", L"国外电台", 0, true},
    {0, L"N22", L"直播帮助", 0, false},
    {1, L"N27", L"如何使用Telvana", F(1), true},
    {1, L"N68", L"屏幕模式切换", 0, false},
    {2, L"N69", L"全屏模式", F(11), true},
    {2, L"N70", L"正常模式", F(12), true},
    {1, L"N44", L"软件外观选择", 0, false},
    {2, L"N45", L"经典情调", 0, true},
    {2, L"N46", L"春之朝气", 0, true},
    {2, L"N47", L"夏之绚烂", 0, true},
    {2, L"N48", L"秋之收获", 0, true},
    {2, L"N49", L"冬之期望", 0, true},
    {1, L"N19", L"软件窗口显示", 0, false},
    {2, L"N72", L"总在最前面", 0, true},
    {2, L"N73", L"取消在前面", 0, true},
    {0, L"N23", L"关于Telvana", 0, false},
    {1, L"N24", L"Korvane软件免责声明", 0, true},
    {1, L"N26", L"关于KorvaneTelvana", 0, true},
    {1, L"N25", L"联系Korvane软件", 0, true},
    {1, L"N17", L"Korvane商业广告区", 0, true},
    {1, L"N50", L"新年专题节目", 0, true},
    {1, L"N51", L"Korvane友情广告区", 0, true},
    {1, L"N57", L"-", 0, false},
    {1, L"N66", L"退出本软件", 0, true},
    // The user's own channels: with no list of the user's, only its two commands.
    {0, L"N74", L"我的频道", 0, false},
    {1, L"N75", L"打开网络地址…", 0, true},
    {1, L"N76", L"导入频道列表…", 0, true},
};

const Item kContextMenu[] = {
    {0, L"N2", L"全屏模式", F(11), true},
    {0, L"N5", L"正常模式", F(12), true},
    {0, L"N13", L"窗口总在最前", 0, true},
    {0, L"N16", L"取消窗口在最前", 0, true},
};

void Flatten(const ui::TMenuItem& parent, int depth, std::vector<const ui::TMenuItem*>& out,
             std::vector<int>& depths) {
  for (const ui::TMenuItem* item : parent.Items()) {
    out.push_back(item);
    depths.push_back(depth);
    Flatten(*item, depth + 1, out, depths);
  }
}

void ExpectTree(ui::TMenu& menu, std::span<const Item> expected) {
  std::vector<const ui::TMenuItem*> items;
  std::vector<int> depths;
  Flatten(menu.Items(), 0, items, depths);
  ASSERT_EQ(items.size(), expected.size());
  for (std::size_t i = 0; i < items.size(); ++i) {
    const Item& e = expected[i];
    SCOPED_TRACE(Utf8FromWide(e.name));
    EXPECT_EQ(items[i]->Name, e.name);
    EXPECT_EQ(depths[i], e.depth);
    EXPECT_EQ(items[i]->Caption(), e.caption);
    EXPECT_EQ(items[i]->ShortCut(), e.shortCut);
    EXPECT_EQ(static_cast<bool>(items[i]->OnClick), e.handler);
    EXPECT_TRUE(items[i]->Enabled());
    // A first start: the skin restore marks the first skin item, and only that.
    EXPECT_EQ(items[i]->Checked(), items[i]->Name == L"N45");
  }
}

TEST_F(MainWindowTest, BothMenusHoldEveryItemInOrder) {
  ExpectTree(Part<ui::TMainMenu>(L"MainMenu1"), kMenuBar);
  ExpectTree(Part<ui::TPopupMenu>(L"PopupMenu1"), kContextMenu);

  // The bar as Windows shows it: the eleven headers, captions exactly as stored.
  const HMENU bar = Part<ui::TMainMenu>(L"MainMenu1").Handle();
  ASSERT_EQ(::GetMenuItemCount(bar), 11);
  std::vector<std::wstring> headers;
  for (int i = 0; i < 11; ++i) {
    wchar_t text[64] = {};
    ::GetMenuStringW(bar, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
    headers.emplace_back(text);
  }
  EXPECT_EQ(headers,
            (std::vector<std::wstring>{L"精选频道", L"中央频道", L"省级频道", L"地方频道",
                                       L"港台频道", L"国外频道", L"Korvane影院", L"广播电台",
                                       L"直播帮助", L"关于Telvana", L"我的频道"}));
  wchar_t text[64] = {};
  const HMENU help = ::GetSubMenu(bar, 8);
  ::GetMenuStringW(help, 0, text, 64, MF_BYPOSITION);
  EXPECT_STREQ(text, L"如何使用Telvana\tF1");
  ::GetMenuStringW(::GetSubMenu(help, 1), 0, text, 64, MF_BYPOSITION);
  EXPECT_STREQ(text, L"全屏模式\tF11");
  EXPECT_EQ(::GetMenuItemID(::GetSubMenu(help, 1), 1), Part<ui::TMenuItem>(L"N70").Command());
}

// ---------------------------------------------------------------------------------------
// Categories

constexpr const wchar_t* kCategoryItems[] = {
    L"N6",  L"N7",  L"N9",  L"N8",  L"N15", L"N14", L"N18", L"N28", L"N37", L"N38",
    L"N39", L"N40", L"N41", L"N42", L"N58", L"N59", L"N60", L"N61", L"N62", L"N63",
    L"N29", L"N31", L"N20", L"N64", L"N36", L"N52", L"N54", L"N65"};

constexpr const wchar_t* kNotOfferedItems[] = {L"N30", L"N32", L"N33", L"N34",
                                               L"N35", L"N55", L"N56"};

std::vector<std::wstring> RowsOf(const Category& category) {
  std::vector<std::wstring> rows;
  for (std::u16string_view row : category.rows) rows.emplace_back(AsWide(row));
  return rows;
}

TEST_F(MainWindowTest, EveryCategoryItemFillsTheListWithItsOwnCategory) {
  ASSERT_EQ(std::size(kCategoryItems), CategoryTable().size());
  std::set<std::u16string_view> chosen;
  Choose(L"N65");  // the last category first, so that the first item changes the list too
  std::vector<std::wstring> previous = testsupport::ListRows(List());
  for (const wchar_t* name : kCategoryItems) {
    auto& item = Part<ui::TMenuItem>(name);
    SCOPED_TRACE(Utf8FromWide(std::wstring(name) + L" " + item.Caption()));
    const Category* category = nullptr;
    for (const Category& c : CategoryTable()) {
      if (c.key == AsUtf16(item.Caption())) category = &c;
    }
    ASSERT_NE(category, nullptr) << "the caption is a category key, character for character";
    chosen.insert(category->key);
    Choose(name);
    const std::vector<std::wstring> rows = testsupport::ListRows(List());
    EXPECT_EQ(rows, RowsOf(*category));
    EXPECT_FALSE(rows.empty());
    EXPECT_NE(rows, previous) << "the list changed to this category";
    EXPECT_EQ(::SendMessageW(List(), LB_GETCURSEL, 0, 0), LB_ERR) << "no row is selected";
    previous = rows;
  }
  EXPECT_EQ(chosen.size(), CategoryTable().size()) << "every category has its own item";
  EXPECT_TRUE(player.calls().empty()) << "choosing a category plays nothing";
  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_EQ(Panel(0), L"");
}

TEST_F(MainWindowTest, CategoriesNotOfferedShowTheNoticeAndLeaveTheList) {
  Choose(L"N7");
  const std::vector<std::wstring> sports = testsupport::ListRows(List());
  ASSERT_FALSE(sports.empty());
  ::SendMessageW(List(), LB_SETCURSEL, 2, 0);
  const std::wstring notice =
      std::wstring(L"本频道升级之中，尽请关注Korvane软件") + kMakerSite + L"！";
  for (const wchar_t* name : kNotOfferedItems) {
    SCOPED_TRACE(Utf8FromWide(name));
    boxes.boxes.clear();
    Choose(name);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].caption, L"直播提醒");
    EXPECT_EQ(boxes.boxes[0].text, notice);
    EXPECT_EQ(boxes.boxes[0].style, UINT{MB_ICONEXCLAMATION | MB_OK});
    EXPECT_EQ(boxes.boxes[0].owner, window->Handle());
    EXPECT_EQ(testsupport::ListRows(List()), sports) << "the list stays as it was";
    EXPECT_EQ(::SendMessageW(List(), LB_GETCURSEL, 0, 0), 2) << "and so does its selection";
  }
  EXPECT_TRUE(player.calls().empty());
  // None of them is a category of the catalogue.
  for (const wchar_t* name : kNotOfferedItems) {
    for (const Category& c : CategoryTable())
      EXPECT_NE(c.key, AsUtf16(Part<ui::TMenuItem>(name).Caption()));
  }
}

// ---------------------------------------------------------------------------------------
// Screen modes

TEST_F(MainWindowTest, FullScreenFromTheMenuBarRefusedAndAccepted) {
  player.fail(Op::setFullScreen);
  Choose(L"N69");
  EXPECT_EQ(player.calls(), (Calls{"fullScreen=1"}));
  EXPECT_FALSE(player.fullScreen());
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, L"请在正常播放时切换屏幕模式！");
  EXPECT_EQ(boxes.boxes[0].caption, L"Korvane友情提醒");
  EXPECT_EQ(boxes.boxes[0].style, UINT{MB_ICONEXCLAMATION | MB_OK});
  EXPECT_EQ(boxes.boxes[0].owner, window->Handle());

  player.succeedAll();
  player.clearCalls();
  boxes.boxes.clear();
  Choose(L"N69");
  EXPECT_TRUE(player.fullScreen());
  Choose(L"N70");
  EXPECT_FALSE(player.fullScreen());
  Choose(L"N70");  // already normal: nothing changes
  EXPECT_FALSE(player.fullScreen());
  EXPECT_EQ(player.calls(), (Calls{"fullScreen=1", "fullScreen=0", "fullScreen=0"}));
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(MainWindowTest, FunctionKeysElevenAndTwelveWorkFromBothMenus) {
  // With the menu bar's items out of the way, the context menu's bindings answer.
  Part<ui::TMenuItem>(L"N69").SetEnabled(false);
  Part<ui::TMenuItem>(L"N70").SetEnabled(false);
  ::PostMessageW(List(), WM_KEYDOWN, VK_F11, 0);
  ui::Application().ProcessMessages();
  EXPECT_TRUE(player.fullScreen());
  ::PostMessageW(List(), WM_KEYDOWN, VK_F12, 0);
  ui::Application().ProcessMessages();
  EXPECT_FALSE(player.fullScreen());
  // And the other way round.
  Part<ui::TMenuItem>(L"N69").SetEnabled(true);
  Part<ui::TMenuItem>(L"N70").SetEnabled(true);
  Part<ui::TMenuItem>(L"N2").SetEnabled(false);
  Part<ui::TMenuItem>(L"N5").SetEnabled(false);
  ::PostMessageW(List(), WM_KEYDOWN, VK_F11, 0);
  ui::Application().ProcessMessages();
  EXPECT_TRUE(player.fullScreen());
  ::PostMessageW(List(), WM_KEYDOWN, VK_F12, 0);
  ui::Application().ProcessMessages();
  EXPECT_FALSE(player.fullScreen());
  EXPECT_EQ(player.calls(),
            (Calls{"fullScreen=1", "fullScreen=0", "fullScreen=1", "fullScreen=0"}));
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(MainWindowTest, RefusedScreenModesFromTheKeyboard) {
  player.fail(Op::setFullScreen);
  ::PostMessageW(List(), WM_KEYDOWN, VK_F11, 0);
  ui::Application().ProcessMessages();
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, L"请在正常播放时切换屏幕模式！");

  // Normal mode has no notice of its own: the application's default error report, a box
  // with the error's text.
  ::PostMessageW(List(), WM_KEYDOWN, VK_F12, 0);
  ui::Application().ProcessMessages();
  ASSERT_EQ(boxes.boxes.size(), 2u);
  EXPECT_EQ(boxes.boxes[1].style, UINT{MB_ICONSTOP | MB_OK});
  EXPECT_EQ(boxes.boxes[1].text, L"refused by test: fullScreen=0");
  EXPECT_EQ(boxes.boxes[1].caption, ui::Application().Title());
  EXPECT_EQ(player.calls(), (Calls{"fullScreen=1", "fullScreen=0"}));
  EXPECT_FALSE(player.fullScreen());
}

// ---------------------------------------------------------------------------------------
// Staying on top

TEST_F(MainWindowTest, StayOnTopItemsAskForTheTopMostZOrderInPlace) {
  std::vector<WINDOWPOS> asked;
  const ui::MessageHandler previous = window->WindowProc;
  window->WindowProc = [&](ui::TMessage& m) {
    if (m.msg == WM_WINDOWPOSCHANGING) asked.push_back(*reinterpret_cast<WINDOWPOS*>(m.lParam));
    previous(m);
  };
  RECT r;
  ::GetWindowRect(window->Handle(), &r);
  for (const auto& [item, after] :
       {std::pair{L"N72", HWND_TOPMOST}, std::pair{L"N73", HWND_NOTOPMOST},
        std::pair{L"N13", HWND_TOPMOST}, std::pair{L"N16", HWND_NOTOPMOST}}) {
    SCOPED_TRACE(Utf8FromWide(item));
    asked.clear();
    Choose(item);
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked[0].hwndInsertAfter, after);
    EXPECT_EQ(asked[0].x, r.left) << "the window stays where it is, at its size";
    EXPECT_EQ(asked[0].y, r.top);
    EXPECT_EQ(asked[0].cx, r.right - r.left);
    EXPECT_EQ(asked[0].cy, r.bottom - r.top);
    EXPECT_EQ(asked[0].flags & (SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE), 0u);
  }
  window->WindowProc = previous;
  EXPECT_FALSE(Part<ui::TMenuItem>(L"N72").Checked()) << "no check mark is kept";
  EXPECT_TRUE(player.calls().empty());
}

// ---------------------------------------------------------------------------------------
// Exit

TEST_F(MainWindowTest, ExitAsksFirstAndCancelKeepsEverything) {
  window->Show();
  DoubleClickRow(0);
  player.clearCalls();
  boxes.answer = IDCANCEL;
  Choose(L"N66");
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, L"确实要退出Korvane影视Telvana吗？");
  EXPECT_EQ(boxes.boxes[0].style, UINT{MB_ICONQUESTION | MB_OKCANCEL});
  EXPECT_TRUE(::IsWindowVisible(window->Handle()));
  EXPECT_TRUE(player.calls().empty()) << "playback goes on";

  // OK closes the player and the window (which here is not the program's main window).
  boxes.answer = IDOK;
  Choose(L"N66");
  EXPECT_EQ(boxes.boxes.size(), 2u);
  EXPECT_EQ(player.calls(), (Calls{"close"}));
  EXPECT_FALSE(::IsWindowVisible(window->Handle()));
  EXPECT_FALSE(ui::Application().Terminated());
}

}  // namespace
}  // namespace telvana
