// The main window driven through its windows and messages: start-up, the clock, playing a
// channel, the category commands, the pictures, resizing, the screen commands and the exit
// confirmation (Cancel; the ways that end the program have test programs of their own).
#include <windows.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

#include "catalogue/category_table.h"
#include "catalogue/stream_table.h"
#include "tests/app/main_window_fixture.h"
#include "tests/app/scratch_registry.h"
#include "tests/app/shell_link_reader.h"
#include "tests/support/mouse.h"
#include "tests/support/shell_requests.h"
#include "web/site_addresses.h"

namespace telvana {
namespace {

using testsupport::MainWindowTest;
using testsupport::ShellRequests;
using Op = testsupport::RecordingPlayer::Op;
using Calls = std::vector<std::string>;

constexpr wchar_t kPlaying[] = L"正在播放\uFF1A";

std::vector<std::wstring> CategoryRows(std::u16string_view key) {
  for (const Category& category : CategoryTable()) {
    if (category.key != key) continue;
    std::vector<std::wstring> rows;
    for (std::u16string_view row : category.rows) rows.emplace_back(AsWide(row));
    return rows;
  }
  ADD_FAILURE() << "no category " << Utf16ToUtf8(key);
  return {};
}

// The player's log for playing `channel`: its address is set only when it has a stream row.
Calls PlayCalls(std::wstring_view channel) {
  Calls calls{"close"};
  for (const StreamRow& row : StreamTable()) {
    if (AsWide(row.channel) == channel) calls.push_back("URL=" + Utf16ToUtf8(row.url));
  }
  calls.push_back("play");
  return calls;
}

// ---------------------------------------------------------------------------------------
// Start-up

TEST_F(MainWindowTest, StartsWithTheFilmChannelsAndNothingPlaying) {
  const std::vector<std::wstring> film = CategoryRows(u"影视频道");
  ASSERT_EQ(film.size(), 11u);
  EXPECT_EQ(film.front(), L"天津影视频道");
  EXPECT_EQ(film.back(), L"石家庄影视频道");
  EXPECT_EQ(testsupport::ListRows(List()), film);
  EXPECT_EQ(::SendMessageW(List(), LB_GETCURSEL, 0, 0), LB_ERR) << "no row is selected";
  EXPECT_EQ(Panel(0), L"");
  EXPECT_EQ(Part<ui::TStatusBar>(L"StatusBar1").PanelText(1), L"")
      << "the clock shows at its first tick";
  EXPECT_FALSE(::IsWindowVisible(window->Handle()))
      << "the window shows only when the program runs";
}

TEST(MainWindowStartUp, RenewsTheDesktopShortcutToThisProgram) {
  testsupport::ScratchFolder desktop;
  testsupport::ScratchCurrentUser user;
  ASSERT_TRUE(user.active());
  user.SetString(L"Desktop", desktop.path());
  testsupport::MessageBoxRecorder boxes;
  ui::TComponent owner(nullptr);
  ui::TComponent::New<TFmain1>(owner)->Create();
  const std::wstring link = desktop.path() + L"\\Korvane影视Telvana免费版.lnk";
  EXPECT_FALSE(testsupport::FileExists(link)) << "the shortcut waits for the first paint";
  ui::Application().ProcessMessages();
  EXPECT_TRUE(boxes.boxes.empty());
  ASSERT_TRUE(testsupport::FileExists(link));
  const testsupport::LinkContents contents = testsupport::ReadShellLink(link);
  EXPECT_EQ(::lstrcmpiW(contents.target.c_str(), testsupport::ThisProgram().c_str()), 0)
      << Utf8FromWide(contents.target);
  EXPECT_EQ(contents.description, L"Korvane娱乐工具");
}

TEST(MainWindowStartUp, AShortcutThatCannotBeMadeIsReportedAndStartUpGoesOn) {
  testsupport::ScratchCurrentUser user;
  ASSERT_TRUE(user.active());
  user.SetString(L"Desktop", L"C:\\telvana-no-such-folder\\Desktop");
  testsupport::MessageBoxRecorder boxes;
  ui::TComponent owner(nullptr);
  auto* window = ui::TComponent::New<TFmain1>(owner);
  window->Create();
  ui::Application().ProcessMessages();
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, L"创建桌面快捷方式失败！");
  EXPECT_EQ(boxes.boxes[0].style, UINT{MB_OK});
  EXPECT_EQ(boxes.boxes[0].owner, window->Handle());
  EXPECT_EQ(testsupport::ListRows(window->ChannelList().Handle()), CategoryRows(u"影视频道"))
      << "the list is filled all the same";
}

TEST_F(MainWindowTest, AnInformationCommandBeforeTheInformationWindowsMakesThemOnce) {
  int made = 0;
  window->SetInformationWindowsMaker([&made] {
    ++made;
    return InformationWindows{};  // none to show: the command then does nothing
  });
  Choose(L"N26");
  EXPECT_EQ(made, 1);
  Choose(L"N27");
  ui::Application().ProcessMessages();
  EXPECT_EQ(made, 1);
}

// ---------------------------------------------------------------------------------------
// The clock

std::wstring Two(int value) {
  wchar_t text[8];
  std::swprintf(text, 8, L"%02d", value);
  return text;
}

std::wstring ClockText(const SYSTEMTIME& t) {
  std::wstring weekday;
  if (PRIMARYLANGID(::GetUserDefaultLangID()) == LANG_CHINESE) {
    constexpr const wchar_t* kNames[] = {L"星期日", L"星期一", L"星期二", L"星期三",
                                         L"星期四", L"星期五", L"星期六"};
    weekday = kNames[t.wDayOfWeek];
  } else {
    wchar_t name[80] = {};
    ::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDAYNAME1 + (t.wDayOfWeek + 6) % 7, name, 80);
    weekday = name;
  }
  return L"现在时刻\uFF1A" + std::to_wstring(t.wYear) + L"年" + Two(t.wMonth) + L"月" +
         Two(t.wDay) + L"日 " + weekday + L"  " + Two(t.wHour) + L"时" + Two(t.wMinute) + L"分" +
         Two(t.wSecond) + L"秒";
}

TEST_F(MainWindowTest, TheClockTickShowsTheLocalDateAndTime) {
  SYSTEMTIME before, after;
  ::GetLocalTime(&before);
  window->Timer1Timer(Part<ui::TTimer>(L"Timer1"));
  ::GetLocalTime(&after);
  const std::wstring shown = Part<ui::TStatusBar>(L"StatusBar1").PanelText(1);
  EXPECT_TRUE(shown == ClockText(before) || shown == ClockText(after))
      << Utf8FromWide(shown) << " is neither " << Utf8FromWide(ClockText(before)) << " nor "
      << Utf8FromWide(ClockText(after));
  EXPECT_EQ(Panel(1), L"\t" + shown) << "the clock panel is centred";
  EXPECT_TRUE(player.calls().empty());

  // The timer of the description drives the same handler.
  auto& timer = Part<ui::TTimer>(L"Timer1");
  Part<ui::TStatusBar>(L"StatusBar1").SetPanelText(1, L"");
  ASSERT_TRUE(timer.OnTimer);
  timer.OnTimer(timer);
  EXPECT_EQ(Part<ui::TStatusBar>(L"StatusBar1").PanelText(1).rfind(L"现在时刻\uFF1A", 0), 0u);
}

// ---------------------------------------------------------------------------------------
// Playing a channel

TEST_F(MainWindowTest, DoubleClickingARowPlaysItsChannel) {
  DoubleClickRow(0);
  EXPECT_EQ(player.calls(), PlayCalls(L"天津影视频道"));
  EXPECT_EQ(player.calls().at(1), "URL=mms://203.0.113.21/tj3");
  EXPECT_EQ(Panel(0), std::wstring(kPlaying) + L"天津影视频道");

  player.clearCalls();
  DoubleClickRow(10);
  EXPECT_EQ(player.calls(), PlayCalls(L"石家庄影视频道"));
  EXPECT_EQ(Panel(0), std::wstring(kPlaying) + L"石家庄影视频道");
}

TEST_F(MainWindowTest, ARowWithoutAStreamStillClosesPlaysAndNamesTheChannel) {
  // 陕西影视频道 has no stream row: no new address is set.
  DoubleClickRow(8);
  EXPECT_EQ(testsupport::ListRows(List()).at(8), L"陕西影视频道");
  EXPECT_EQ(player.calls(), (Calls{"close", "play"}));
  EXPECT_EQ(Panel(0), std::wstring(kPlaying) + L"陕西影视频道");
}

TEST_F(MainWindowTest, AMouseDoubleClickOnARowPlaysIt) {
  RECT row{};
  ASSERT_NE(::SendMessageW(List(), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row)), LB_ERR);
  const LPARAM at = MAKELPARAM(row.left + 4, (row.top + row.bottom) / 2);
  ::SendMessageW(List(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::SendMessageW(List(), WM_LBUTTONUP, 0, at);
  EXPECT_TRUE(player.calls().empty()) << "a single click plays nothing";
  ::SendMessageW(List(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  ::SendMessageW(List(), WM_LBUTTONUP, 0, at);
  EXPECT_EQ(player.calls(), PlayCalls(L"海南影视娱乐频道"));
  EXPECT_EQ(Panel(0), std::wstring(kPlaying) + L"海南影视娱乐频道");
}

TEST_F(MainWindowTest, ABlankRowOrNoSelectionDoesNothing) {
  DoubleClickRow(0);
  const std::wstring before = Panel(0);
  player.clearCalls();

  DoubleClickRow(-1);
  EXPECT_TRUE(player.calls().empty());
  EXPECT_EQ(Panel(0), before);

  Choose(L"N15");  // 知名网络电台: its last row is blank
  const std::vector<std::wstring> rows = testsupport::ListRows(List());
  ASSERT_EQ(rows.size(), 3u);
  ASSERT_EQ(rows[2], L"");
  DoubleClickRow(2);
  EXPECT_TRUE(player.calls().empty());
  EXPECT_EQ(Panel(0), before);
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(MainWindowTest, PlayerFailuresAreSwallowedAndLeaveTheStatusAsItWas) {
  DoubleClickRow(0);
  const std::wstring before = Panel(0);

  player.clearCalls();
  player.fail(Op::close);
  DoubleClickRow(1);
  EXPECT_EQ(player.calls(), (Calls{"close"})) << "nothing after the failing step";
  EXPECT_EQ(Panel(0), before);

  player.succeedAll();
  player.clearCalls();
  player.fail(Op::play);
  DoubleClickRow(1);
  EXPECT_EQ(player.calls(), PlayCalls(L"海南影视娱乐频道"));
  EXPECT_EQ(Panel(0), before);

  // A refused address is the lookup's own affair: playback still starts.
  player.succeedAll();
  player.clearCalls();
  player.fail(Op::setURL);
  DoubleClickRow(1);
  EXPECT_EQ(player.calls(), PlayCalls(L"海南影视娱乐频道"));
  EXPECT_EQ(Panel(0), std::wstring(kPlaying) + L"海南影视娱乐频道");
  EXPECT_TRUE(boxes.boxes.empty()) << "playback failures are never reported";
}

// ---------------------------------------------------------------------------------------
// Category commands

TEST_F(MainWindowTest, CategoryItemsRefillTheList) {
  int categories = 0;
  for (const auto& component : window->Components()) {
    auto* item = dynamic_cast<ui::TMenuItem*>(component.get());
    if (!item || !item->OnClick) continue;
    const std::u16string key(AsUtf16(item->Caption()));
    bool isCategory = false;
    for (const Category& category : CategoryTable()) isCategory = isCategory || category.key == key;
    if (!isCategory) continue;
    SCOPED_TRACE(Utf8FromWide(item->Name + L" " + item->Caption()));
    ++categories;
    ::SendMessageW(window->Handle(), WM_COMMAND, MAKEWPARAM(item->Command(), 0), 0);
    EXPECT_EQ(testsupport::ListRows(List()), CategoryRows(key));
    EXPECT_EQ(::SendMessageW(List(), LB_GETCURSEL, 0, 0), LB_ERR);
  }
  EXPECT_GE(categories, 5);
  EXPECT_TRUE(player.calls().empty()) << "switching categories leaves the player alone";

  Choose(L"N6");
  EXPECT_EQ(testsupport::ListRows(List()), CategoryRows(u"影视频道"));
}

TEST_F(MainWindowTest, SwitchingCategoriesKeepsWhatIsPlaying) {
  DoubleClickRow(2);
  const std::wstring playing = Panel(0);
  Choose(L"N7");
  EXPECT_EQ(testsupport::ListRows(List()), CategoryRows(u"体育频道"));
  EXPECT_EQ(Panel(0), playing);
  Calls expected = PlayCalls(L"浙江影视文化频道连接1");
  expected.insert(expected.end() - 1,
                  "failover=连接1>连接2 " + Utf16ToUtf8(player.alternatives().at(0).url));
  EXPECT_EQ(player.calls(), expected);
}

TEST_F(MainWindowTest, FunctionKeysChooseTheirCategories) {
  ::PostMessageW(List(), WM_KEYDOWN, VK_F4, 0);  // 儿童频道
  ui::Application().ProcessMessages();
  EXPECT_EQ(testsupport::ListRows(List()), CategoryRows(u"儿童频道"));
  ::PostMessageW(window->Handle(), WM_KEYDOWN, VK_F2, 0);  // 影视频道
  ui::Application().ProcessMessages();
  EXPECT_EQ(testsupport::ListRows(List()), CategoryRows(u"影视频道"));
}

// ---------------------------------------------------------------------------------------
// The pictures

TEST_F(MainWindowTest, DoubleClickingAPictureOpensTheMakersPages) {
  ShellRequests shell;
  testsupport::DoubleClick(Part<ui::TImage>(L"Image1"));
  testsupport::DoubleClick(Part<ui::TImage>(L"Image2"));
  ASSERT_EQ(shell.opened.size(), 2u);
  EXPECT_EQ(shell.opened[0].second, kMakerSite);
  EXPECT_EQ(shell.opened[1].second, kSalesSite);
  EXPECT_EQ(shell.opened[0].first, window->Handle());
  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_TRUE(player.calls().empty());
}

TEST_F(MainWindowTest, AShellThatCannotOpenThePageIsReported) {
  ShellRequests shell;
  shell.succeed = false;
  testsupport::DoubleClick(Part<ui::TImage>(L"Image2"));
  ASSERT_EQ(shell.opened.size(), 1u);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, L"您的网络出现故障，不能连入Internet，请检查！");
  EXPECT_EQ(boxes.boxes[0].caption, L"Korvane友情提醒");
  EXPECT_EQ(boxes.boxes[0].style, UINT{MB_ICONEXCLAMATION | MB_OK});
  EXPECT_EQ(boxes.boxes[0].owner, window->Handle());
}

// ---------------------------------------------------------------------------------------
// Keeping the video fitted

// Every resize asks the player to show itself in place, then to stretch to fit.
::testing::AssertionResult OnlyRefits(const Calls& calls) {
  if (calls.empty() || calls.size() % 2 != 0)
    return ::testing::AssertionFailure() << calls.size() << " calls";
  for (std::size_t i = 0; i < calls.size(); i += 2) {
    if (calls[i] != "show" || calls[i + 1] != "stretchToFit=1")
      return ::testing::AssertionFailure()
             << "call " << i << " is " << calls[i] << ", " << calls[i + 1];
  }
  return ::testing::AssertionSuccess();
}

TEST_F(MainWindowTest, ResizingTheWindowRefitsTheVideo) {
  ::SetWindowPos(window->Handle(), nullptr, 0, 0, 820, 660,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_TRUE(OnlyRefits(player.calls()));
  EXPECT_TRUE(player.stretchToFit());
  EXPECT_TRUE(player.shown());
  player.clearCalls();
  // Narrower than this, the menu bar takes two rows.
  window->SetClientSize(760, 500);
  EXPECT_TRUE(OnlyRefits(player.calls()));
  // The player fills the middle of the window at every size.
  auto& video = Part<TWindowsMediaPlayer>(L"WindowsMediaPlayer1");
  EXPECT_EQ(video.Width(), 760 - 116 - 2 - 2 - 146 - 2);
  EXPECT_EQ(video.Height(), 500 - 25 - 136 - 19 - 2);
}

TEST_F(MainWindowTest, MovingEitherSplitterRefitsTheVideo) {
  auto& video = Part<TWindowsMediaPlayer>(L"WindowsMediaPlayer1");
  auto& channels = Part<ui::TPanel>(L"Panel2");
  auto& left = Part<ui::TPanel>(L"Panel3");
  const int videoWidth = video.Width(), channelsWidth = channels.Width(), leftWidth = left.Width();

  Part<ui::TSplitter>(L"Splitter1").MoveBy(-30);  // the channel column grows to the left
  EXPECT_EQ(player.calls(), (Calls{"show", "stretchToFit=1"}));
  EXPECT_EQ(channels.Width(), channelsWidth + 30);
  EXPECT_EQ(video.Width(), videoWidth - 30);

  // The left splitter, dragged with the mouse.
  player.clearCalls();
  auto& splitter = Part<ui::TSplitter>(L"Splitter2");
  const HWND handle = splitter.Handle();
  ::SendMessageW(handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 20));
  ::SendMessageW(handle, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(1 + 20, 20));
  ::SendMessageW(handle, WM_LBUTTONUP, 0,
                 MAKELPARAM(1 + 20 - 20, 20));  // the splitter has moved by 20
  EXPECT_EQ(player.calls(), (Calls{"show", "stretchToFit=1"}));
  EXPECT_EQ(left.Width(), leftWidth + 20);
  EXPECT_EQ(video.Width(), videoWidth - 30 - 20);

  // Neither column closes up, and the player keeps some room.
  Part<ui::TSplitter>(L"Splitter2").MoveBy(-10000);
  EXPECT_GT(left.Width(), 0);
  Part<ui::TSplitter>(L"Splitter1").MoveBy(10000);
  EXPECT_GT(channels.Width(), 0);
  Part<ui::TSplitter>(L"Splitter2").MoveBy(10000);
  EXPECT_GT(video.Width(), 0);
}

// ---------------------------------------------------------------------------------------
// Screen commands

TEST_F(MainWindowTest, FullScreenRefusedIsReported) {
  player.fail(Op::setFullScreen);
  Choose(L"N2");
  EXPECT_EQ(player.calls(), (Calls{"fullScreen=1"}));
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, L"请在正常播放时切换屏幕模式！");
  EXPECT_EQ(boxes.boxes[0].caption, L"Korvane友情提醒");
  EXPECT_EQ(boxes.boxes[0].style, UINT{MB_ICONEXCLAMATION | MB_OK});

  player.succeedAll();
  boxes.boxes.clear();
  Choose(L"N2");
  EXPECT_TRUE(player.fullScreen());
  Choose(L"N5");
  EXPECT_FALSE(player.fullScreen());
  EXPECT_TRUE(boxes.boxes.empty());

  // Normal mode has no guard of its own: a refusal ends in the default error report.
  player.fail(Op::setFullScreen);
  Choose(L"N5");
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].style, UINT{MB_ICONSTOP | MB_OK});
  EXPECT_NE(boxes.boxes[0].text.find(L"fullScreen=0"), std::wstring::npos);
}

TEST_F(MainWindowTest, ScreenModeKeys) {
  ::PostMessageW(List(), WM_KEYDOWN, VK_F11, 0);
  ui::Application().ProcessMessages();
  EXPECT_TRUE(player.fullScreen());
  ::PostMessageW(List(), WM_KEYDOWN, VK_F12, 0);
  ui::Application().ProcessMessages();
  EXPECT_FALSE(player.fullScreen());
  EXPECT_EQ(player.calls(), (Calls{"fullScreen=1", "fullScreen=0"}));
}

bool RunningUnderWine() {
  return ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

bool OwnsPopups(HWND window) {
  std::pair<HWND, bool> search{window, false};
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND candidate, LPARAM data) -> BOOL {
        auto* search = reinterpret_cast<std::pair<HWND, bool>*>(data);
        if (::GetWindow(candidate, GW_OWNER) == search->first) search->second = true;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.second;
}

TEST_F(MainWindowTest, StayOnTopAndBack) {
  window->Show();  // the commands are chosen from the shown window
  player.clearCalls();
  const auto topmost = [this] {
    return (::GetWindowLongW(window->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  };
  ASSERT_FALSE(topmost()) << "the window starts in the normal z-order";
  Choose(L"N13");
  if (!topmost() && RunningUnderWine() && OwnsPopups(window->Handle())) {
    window->Hide();
    GTEST_SKIP()
        << "Wine 8 does not make a window topmost while it owns popup windows (here its hint "
           "window); Windows does";
  }
  EXPECT_TRUE(topmost());
  Choose(L"N16");
  EXPECT_FALSE(topmost());
  EXPECT_TRUE(::IsWindowVisible(window->Handle()));
  EXPECT_TRUE(player.calls().empty());
  window->Hide();
}

// ---------------------------------------------------------------------------------------
// Exit

TEST_F(MainWindowTest, CancellingTheExitKeepsTheWindowAndThePlayer) {
  DoubleClickRow(0);
  player.clearCalls();
  boxes.answer = IDCANCEL;
  ::SendMessageW(window->Handle(), WM_CLOSE, 0, 0);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, L"确实要退出Korvane影视Telvana吗？");
  EXPECT_EQ(boxes.boxes[0].style, UINT{MB_ICONQUESTION | MB_OKCANCEL});
  EXPECT_EQ(boxes.boxes[0].owner, window->Handle());
  EXPECT_TRUE(player.calls().empty()) << "playback goes on";
  EXPECT_TRUE(::IsWindow(window->Handle()));
  EXPECT_FALSE(ui::Application().Terminated());
  EXPECT_EQ(Panel(0), std::wstring(kPlaying) + L"天津影视频道");
}

}  // namespace
}  // namespace telvana
