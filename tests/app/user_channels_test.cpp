// The user's own channels in the main window: the menu 我的频道 before and after an import,
// a group chosen from it filling the channel list, a double-click playing its address, the
// address window's command, clearing, the list read back by the next window, and a list on
// the command line played at start. Each window keeps its list in a folder of the test's.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/fwldz1.h"
#include "app/user_channels.h"
#include "tests/app/main_window_fixture.h"
#include "ui/edit.h"

namespace telvana {
namespace {

using testsupport::ListRows;

class UserChannelsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"telvana-user-" + std::to_wstring(::GetCurrentProcessId());
    ::CreateDirectoryW(folder_.c_str(), nullptr);
    store_ = folder_ + L"\\我的频道.m3u";
    window = NewWindow();
  }
  void TearDown() override {
    for (const std::wstring& file : files_) ::DeleteFileW(file.c_str());
    ::DeleteFileW(store_.c_str());
    ::RemoveDirectoryW(folder_.c_str());
  }

  TFmain1* NewWindow() {
    auto* w = ui::TComponent::New<TFmain1>(owner_);
    w->SetUserChannelsFile(store_);
    w->Create();
    ui::Application().ProcessMessages();  // the list is read after the first paint
    w->SetPlayer(player);
    boxes.boxes.clear();
    return w;
  }

  std::wstring WriteList(const std::wstring& name, const std::string& bytes) {
    const std::wstring path = folder_ + L"\\" + name;
    const HANDLE h =
        ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(h);
    files_.push_back(path);
    return path;
  }

  void Import(TFmain1& w, const std::wstring& path) {
    w.OwnChannels().SetFileQuestion([path] { return std::optional<std::wstring>(path); });
    Choose(w, *dynamic_cast<ui::TMenuItem*>(w.FindComponent(L"N76")));
  }

  static void Choose(TFmain1& w, const ui::TMenuItem& item) {
    ::SendMessageW(w.Handle(), WM_COMMAND, MAKEWPARAM(item.Command(), 0), 0);
  }

  // The captions of the menu 我的频道 as Windows holds them.
  static std::vector<std::wstring> UserMenu(TFmain1& w) {
    const HMENU bar = dynamic_cast<ui::TMainMenu*>(w.FindComponent(L"MainMenu1"))->Handle();
    const HMENU menu = ::GetSubMenu(bar, ::GetMenuItemCount(bar) - 1);
    std::vector<std::wstring> captions;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
      wchar_t text[128] = {};
      ::GetMenuStringW(menu, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
      captions.emplace_back(text[0] ? text : L"-");
    }
    return captions;
  }

  ui::TMenuItem& GroupItem(TFmain1& w, const std::wstring& caption) {
    for (ui::TMenuItem* item : dynamic_cast<ui::TMenuItem*>(w.FindComponent(L"N74"))->Items()) {
      if (item->Caption() == caption) return *item;
    }
    throw std::runtime_error("no such group on the menu");
  }

  void DoubleClickRow(TFmain1& w, int row) {
    const HWND list = w.ChannelList().Handle();
    ::SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
    ::SendMessageW(::GetParent(list), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(list), LBN_DBLCLK),
                   reinterpret_cast<LPARAM>(list));
  }

  std::wstring Panel0(TFmain1& w) {
    return testsupport::StatusPanelText(w.StatusBar().Handle(), 0);
  }

  testsupport::MessageBoxRecorder boxes;
  testsupport::RecordingPlayer player;
  TFmain1* window = nullptr;
  std::wstring folder_, store_;
  std::vector<std::wstring> files_;

 private:
  ui::TComponent owner_{nullptr};
};

// 体育 and 中央 in GBK, CR LF line ends, and entries of every kind that cannot be taken.
const std::string kSportsList =
    "#EXTM3U\r\n"
    "#EXTINF:-1 group-title=\"\xCC\xE5\xD3\xFD\",\xD6\xD0\xD1\xEB 5\r\n"
    "http://127.0.0.1:8080/five.ts\r\n"
    "#EXTINF:-1 group-title=\"\xCC\xE5\xD3\xFD\",Arena\r\n"
    "rtsp://127.0.0.1/arena\r\n"
    "#EXTINF:-1 group-title=\"News\",Local file\r\n"
    "news/local.ts\r\n"
    "#EXTINF:-1,Gopher\r\n"
    "gopher://127.0.0.1/x\r\n"
    "http://127.0.0.1:8080/five.ts\r\n"
    "#EXTINF:-1 group-title=\"\xCC\xE5\xD3\xFD\",Again\r\n"
    "http://127.0.0.1:8080/five.ts\r\n";

TEST_F(UserChannelsTest, WithoutAListTheMenuHoldsItsTwoCommandsAndNothingIsWritten) {
  EXPECT_EQ(UserMenu(*window), (std::vector<std::wstring>{L"打开网络地址…", L"导入频道列表…"}));
  EXPECT_EQ(::GetFileAttributesW(store_.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(boxes.boxes.empty());
  // Files and text can be dropped on the window: it is registered for OLE's drag and drop.
  EXPECT_EQ(::RevokeDragDrop(window->Handle()), S_OK);
}

TEST_F(UserChannelsTest, AnImportedGroupFillsTheListAndItsChannelsPlay) {
  Import(*window, WriteList(L"sports.m3u", kSportsList));
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text,
            L"导入了 3 个频道，略过 3 个：\n    本地或相对路径 1 个\n    不支持的地址类型 1 个\n"
            L"    已在列表中 1 个");
  EXPECT_EQ(boxes.boxes[0].caption, L"Korvane友情提醒");
  EXPECT_EQ(boxes.boxes[0].style, static_cast<UINT>(MB_ICONEXCLAMATION | MB_OK));
  // The groups in the order of their first entry; the entry without a group goes into one
  // named after the file.
  EXPECT_EQ(UserMenu(*window),
            (std::vector<std::wstring>{L"打开网络地址…", L"导入频道列表…", L"-", L"体育", L"sports",
                                       L"-", L"清空我的频道"}));
  EXPECT_EQ(ListRows(window->ChannelList().Handle()),
            (std::vector<std::wstring>{L"中央 5", L"Arena"}));
  EXPECT_TRUE(player.calls().empty());  // an import from the menu does not play

  Choose(*window, *dynamic_cast<ui::TMenuItem*>(window->FindComponent(L"N7")));
  Choose(*window, GroupItem(*window, L"sports"));
  EXPECT_EQ(ListRows(window->ChannelList().Handle()), (std::vector<std::wstring>{L"five.ts"}));
  Choose(*window, GroupItem(*window, L"体育"));
  DoubleClickRow(*window, 1);
  EXPECT_EQ(player.calls(),
            (std::vector<std::string>{"close", "URL=rtsp://127.0.0.1/arena", "play"}));
  EXPECT_EQ(Panel0(*window), L"正在播放：Arena");

  // A category again: its channels play from the catalogue as before.
  Choose(*window, *dynamic_cast<ui::TMenuItem*>(window->FindComponent(L"N7")));
  player.clearCalls();
  DoubleClickRow(*window, 0);
  ASSERT_GE(player.calls().size(), 1u);
  EXPECT_NE(player.calls()[1], "URL=rtsp://127.0.0.1/arena");

  // The next window reads the same list back.
  TFmain1* next = NewWindow();
  EXPECT_EQ(UserMenu(*next), UserMenu(*window));
  Choose(*next, GroupItem(*next, L"体育"));
  EXPECT_EQ(ListRows(next->ChannelList().Handle()),
            (std::vector<std::wstring>{L"中央 5", L"Arena"}));
}

TEST_F(UserChannelsTest, AFileThatIsNoListChangesNothing) {
  Import(*window, WriteList(L"ok.m3u", "http://127.0.0.1/ok\n"));
  boxes.boxes.clear();
  Import(*window, WriteList(L"picture.m3u", std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)));
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, L"这个文件不是频道列表，没有导入任何频道。");
  EXPECT_EQ(window->OwnChannels().List().Channels().size(), 1u);
}

TEST_F(UserChannelsTest, AnOpenedAddressGoesToRecentlyOpenedAndPlays) {
  UserChannels& channels = window->OwnChannels();
  channels.SetAddressQuestion([] { return std::optional<std::wstring>(L"ftp://127.0.0.1/x"); });
  Choose(*window, *dynamic_cast<ui::TMenuItem*>(window->FindComponent(L"N75")));
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_TRUE(channels.List().Empty());
  EXPECT_TRUE(player.calls().empty());

  channels.SetAddressQuestion(
      [] { return std::optional<std::wstring>(L"mms://127.0.0.1/live/台.asf"); });
  Choose(*window, *dynamic_cast<ui::TMenuItem*>(window->FindComponent(L"N75")));
  EXPECT_EQ(UserMenu(*window), (std::vector<std::wstring>{L"打开网络地址…", L"导入频道列表…", L"-",
                                                          L"最近打开", L"-", L"清空我的频道"}));
  EXPECT_EQ(ListRows(window->ChannelList().Handle()), (std::vector<std::wstring>{L"台.asf"}));
  EXPECT_EQ(player.calls(),
            (std::vector<std::string>{"close", "URL=mms://127.0.0.1/live/台.asf", "play"}));
  channels.SetAddressQuestion([] { return std::optional<std::wstring>(); });  // cancelled
  player.clearCalls();
  Choose(*window, *dynamic_cast<ui::TMenuItem*>(window->FindComponent(L"N75")));
  EXPECT_TRUE(player.calls().empty());
}

TEST_F(UserChannelsTest, ClearingAsksFirstAndLeavesTheTwoCommands) {
  Import(*window, WriteList(L"a.pls", "[playlist]\nFile1=http://127.0.0.1/a\nTitle1=A\n"));
  boxes.boxes.clear();
  boxes.answer = IDCANCEL;
  Choose(*window, GroupItem(*window, L"清空我的频道"));
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].style, static_cast<UINT>(MB_ICONQUESTION | MB_OKCANCEL));
  EXPECT_EQ(window->OwnChannels().List().Channels().size(), 1u);

  boxes.answer = IDOK;
  Choose(*window, GroupItem(*window, L"清空我的频道"));
  EXPECT_TRUE(window->OwnChannels().List().Empty());
  EXPECT_EQ(UserMenu(*window), (std::vector<std::wstring>{L"打开网络地址…", L"导入频道列表…"}));
  EXPECT_TRUE(ListRows(window->ChannelList().Handle()).empty());
  EXPECT_TRUE(NewWindow()->OwnChannels().List().Empty());
}

TEST_F(UserChannelsTest, AChangeBeforeTheKeptListIsReadKeepsItAll) {
  Import(*window, WriteList(L"kept.m3u", "http://127.0.0.1/kept\n"));
  auto* early = ui::TComponent::New<TFmain1>(*window);
  early->SetUserChannelsFile(store_);
  early->Create();  // not painted yet: the kept list is read after that
  early->SetPlayer(player);
  EXPECT_TRUE(early->OwnChannels().OpenAddress(L"http://127.0.0.1/new"));
  ASSERT_EQ(early->OwnChannels().List().Channels().size(), 2u);
  ui::Application().ProcessMessages();  // its first paint reads nothing again
  EXPECT_EQ(early->OwnChannels().List().Channels().size(), 2u);
  EXPECT_EQ(::RevokeDragDrop(early->Handle()), S_OK);
  EXPECT_EQ(NewWindow()->OwnChannels().List().Channels().size(), 2u);
}

TEST_F(UserChannelsTest, AListOnTheCommandLineIsImportedAndItsFirstEntryPlayed) {
  const std::wstring path = WriteList(L"cmd.asx",
                                      "<asx><entry><title>T</title>"
                                      "<ref href=\"http://127.0.0.1/t\"/></entry></asx>");
  EXPECT_FALSE(OpenCommandLinePlaylist(*window, u"http://127.0.0.1/t"));
  EXPECT_FALSE(OpenCommandLinePlaylist(*window, u"C:\\no\\such.m3u"));
  auto* w = ui::TComponent::New<TFmain1>(*window);
  w->SetUserChannelsFile(store_);
  w->Create();
  w->SetPlayer(player);
  EXPECT_TRUE(OpenCommandLinePlaylist(*w, u"\"" + std::u16string(AsUtf16(path)) + u"\" -x"));
  ui::Application().ProcessMessages();
  EXPECT_EQ(player.calls(), (std::vector<std::string>{"close", "URL=http://127.0.0.1/t", "play"}));
  EXPECT_EQ(testsupport::StatusPanelText(w->StatusBar().Handle(), 0), L"正在播放：T");
  EXPECT_TRUE(boxes.boxes.empty());  // all taken: no notice at start
}

TEST_F(UserChannelsTest, DroppedTextIsAnAddressToPlayOrAList) {
  UserChannels& channels = window->OwnChannels();
  channels.DropText(L"  http://127.0.0.1/dropped/one  ");
  EXPECT_EQ(player.calls(),
            (std::vector<std::string>{"close", "URL=http://127.0.0.1/dropped/one", "play"}));
  EXPECT_EQ(channels.ShownGroup(), u"最近打开");
  EXPECT_TRUE(boxes.boxes.empty());

  player.clearCalls();
  channels.DropText(L"#EXTINF:-1,甲\r\nhttp://127.0.0.1/a\r\nsome words\r\nrtsp://127.0.0.1/b");
  EXPECT_TRUE(player.calls().empty());
  EXPECT_EQ(ListRows(window->ChannelList().Handle()), (std::vector<std::wstring>{L"甲", L"b"}));
  EXPECT_EQ(channels.ShownGroup(), u"拖放的频道");
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, L"导入了 2 个频道，略过 1 个：\n    本地或相对路径 1 个");
}

TEST_F(UserChannelsTest, TheAddressWindowGivesTheAddressOnEnterAndNothingOnEscape) {
  auto* form = ui::TComponent::New<TFwldz1>(*window);
  form->Create();
  const HWND edit = dynamic_cast<ui::TEdit*>(form->FindComponent(L"Edit1"))->Handle();
  // The box holds the text given, and the key that ends the window comes once it is up.
  const auto answer = [&](const wchar_t* text, WPARAM key) {
    ::PostMessageW(edit, WM_KEYDOWN, key, 0);
    return form->Ask(text);
  };
  EXPECT_EQ(answer(L"  rtsp://127.0.0.1/live  ", VK_RETURN), L"rtsp://127.0.0.1/live");
  EXPECT_EQ(answer(L"rtsp://127.0.0.1/live", VK_ESCAPE), std::nullopt);

  // Tab goes round the box, OK and Cancel; Enter presses the one with the focus.
  form->Show();
  dynamic_cast<ui::TEdit*>(form->FindComponent(L"Edit1"))->SelectAllAndFocus();
  const HWND ok = dynamic_cast<ui::TWinControl*>(form->FindComponent(L"BitBtn1"))->Handle();
  const HWND cancel = dynamic_cast<ui::TWinControl*>(form->FindComponent(L"BitBtn2"))->Handle();
  for (const HWND expected : {ok, cancel, edit, ok, cancel}) {
    EXPECT_TRUE(form->DialogKey(VK_TAB));
    EXPECT_EQ(::GetFocus(), expected);
  }
  form->SetModalResult(ui::mrNone);
  EXPECT_TRUE(form->DialogKey(VK_RETURN));
  EXPECT_EQ(form->ModalResult(), ui::mrCancel);
  form->Hide();
  EXPECT_EQ(answer(L"   ", VK_RETURN), std::nullopt);
}

}  // namespace
}  // namespace telvana
