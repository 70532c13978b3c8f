// The player control in a real window under Wine, playing from servers the test starts on
// 127.0.0.1: what the program asks of it, and what its own bar, context menu and full
// screen do.
#include "player/windows_media_player.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <set>

#include "tests/player/loopback_server.h"
#include "tests/support/message_pump.h"
#include "tests/support/test_form.h"
#include "tests/support/ui_test_environment.h"
#include "ui/utf.h"

namespace telvana {
namespace {

using namespace std::chrono_literals;
using player::BarPart;
using player::Box;
using player::PlaybackState;
using testsupport::HttpServer;
using testsupport::PumpMessagesUntil;
using testsupport::ReadTestFile;
using testsupport::SilentServer;
using testsupport::TTestForm;

constexpr char kDescription[] = R"(object Form1: TTestForm
  Left = 40
  Top = 40
  ClientWidth = 500
  ClientHeight = 420
  Caption = 'Player'
  Menu = MainMenu1
  object MainMenu1: TMainMenu
    object N3: TMenuItem
      Caption = '全屏显示'
      ShortCut = 122
    end
    object N4: TMenuItem
      Caption = '正常显示'
      ShortCut = 123
    end
  end
  object PopupMenu1: TPopupMenu
    object N1: TMenuItem
      Caption = '全屏显示'
    end
    object N2: TMenuItem
      Caption = '正常显示'
    end
  end
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 500
    Height = 420
    Align = alClient
    object WindowsMediaPlayer1: TWindowsMediaPlayer
      Left = 1
      Top = 1
      Width = 480
      Height = 389
      Align = alClient
      PopupMenu = PopupMenu1
      Hint = '右击“直播控制条”，可切换屏幕显示模式'
      ShowHint = True
      uiMode = 'full'
      stretchToFit = True
    end
  end
end
)";

std::u16string U(const std::string& s) {
  return Utf8ToUtf16(s);
}

// How long a wait may take (generous: Wine on a loaded machine is slow; a correct control
// gets there in a fraction of it).
constexpr auto kPatience = 20s;

LPARAM At(int x, int y) {
  return MAKELPARAM(x, y);
}
int CentreX(const Box& b) {
  return (b.left + b.right) / 2;
}
int CentreY(const Box& b) {
  return (b.top + b.bottom) / 2;
}

class PlayerControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterPlayerClasses();
    form = std::make_unique<TTestForm>();
    const auto problems = form->Read(kDescription);
    ASSERT_TRUE(problems.empty()) << problems.front();
    player = dynamic_cast<TWindowsMediaPlayer*>(form->FindComponent(L"WindowsMediaPlayer1"));
    ASSERT_NE(player, nullptr);
    form->Show();
    ui::Application().ProcessMessages();
    server.Add("/clip.wmv", ReadTestFile("clip.wmv"), "video/x-ms-asf");
    server.Add("/radio.wma", ReadTestFile("radio.wma"), "audio/x-ms-wma");
  }
  void TearDown() override {
    if (player) player->close();
    form.reset();
  }

  // Plays an address the way the playback start does, and records every status text.
  void Play(const std::string& url) {
    player->close();
    player->setURL(U(url));
    player->controls().play();
    texts.insert(player->statusText());
  }
  bool Reaches(PlaybackState state, std::chrono::milliseconds limit = kPatience) {
    return PumpMessagesUntil(
        [&] {
          texts.insert(player->statusText());
          return player->state() == state;
        },
        limit);
  }
  void Click(int x, int y) {
    ::SendMessageW(player->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(x, y));
    ::SendMessageW(player->Handle(), WM_LBUTTONUP, 0, At(x, y));
  }
  COLORREF ScreenPixel(int x, int y) {
    win::WindowDc dc(player->Handle());
    return ::GetPixel(dc.get(), x, y);
  }

  std::unique_ptr<TTestForm> form;
  TWindowsMediaPlayer* player = nullptr;
  HttpServer server;
  std::set<std::u16string> texts;
};

TEST_F(PlayerControlTest, PlaysAWindowsMediaStreamWithTheBarFollowing) {
  Play(server.Url("/clip.wmv"));
  EXPECT_EQ(player->state(), PlaybackState::Connecting) << "play returns at once";
  ASSERT_TRUE(Reaches(PlaybackState::Playing));
  EXPECT_TRUE(texts.count(u"正在连接…"));
  EXPECT_EQ(player->statusText(), u"正在播放");
  ASSERT_TRUE(PumpMessagesUntil([&] { return player->picturesShown() > 5; }, kPatience));
  // The picture is on the screen: the clip is bright colours, never black at its centre.
  const Box picture = player->pictureBox();
  EXPECT_NE(ScreenPixel(CentreX(picture), CentreY(picture)), RGB(0, 0, 0));
  ASSERT_TRUE(Reaches(PlaybackState::Stopped));
  EXPECT_EQ(player->statusText(), u"已停止");
}

TEST_F(PlayerControlTest, StretchToFitKeepsThePicturesShape) {
  Play(server.Url("/clip.wmv"));
  ASSERT_TRUE(Reaches(PlaybackState::Playing));
  const Box video = player->layout().video;
  const Box picture = player->pictureBox();
  EXPECT_EQ(picture.Width() * 3,
            picture.Height() * 4 + (picture.Width() * 3 - picture.Height() * 4) % 4);
  EXPECT_NEAR(static_cast<double>(picture.Width()) / picture.Height(), 4.0 / 3.0, 0.02);
  EXPECT_TRUE(picture.Width() == video.Width() || picture.Height() == video.Height());
  EXPECT_EQ(picture.left - video.left, video.right - picture.right);
  player->setStretchToFit(false);
  EXPECT_EQ(player->pictureBox().Width(), 320);  // its own size, which fits
  EXPECT_EQ(player->pictureBox().Height(), 240);
}

TEST_F(PlayerControlTest, SoundOnlyShowsOurOwnPictureAndRefusesFullScreen) {
  Play(server.Url("/radio.wma"));
  ASSERT_TRUE(Reaches(PlaybackState::Playing));
  EXPECT_FALSE(player->status().hasVideo);
  ::UpdateWindow(player->Handle());
  const Box video = player->layout().video;
  EXPECT_NE(ScreenPixel(video.left + 5, video.top + 5), RGB(0, 0, 0));  // the deep blue ground
  EXPECT_THROW(player->setFullScreen(true), PlayerError);
  EXPECT_FALSE(player->fullScreen());
}

TEST_F(PlayerControlTest, FullScreenCoversTheMonitorAndEscapeOrDoubleClickLeave) {
  Play(server.Url("/clip.wmv"));
  ASSERT_TRUE(Reaches(PlaybackState::Playing));
  HWND parent = ::GetParent(player->Handle());
  const RECT normal = player->BoundsRect();
  player->setFullScreen(true);
  ASSERT_TRUE(player->fullScreen());
  MONITORINFO monitor{sizeof monitor};
  ::GetMonitorInfoW(::MonitorFromWindow(form->Handle(), MONITOR_DEFAULTTONEAREST), &monitor);
  RECT onScreen;
  ::GetWindowRect(player->Handle(), &onScreen);
  EXPECT_TRUE(::EqualRect(&onScreen, &monitor.rcMonitor));
  EXPECT_TRUE(player->layout().bar.Empty()) << "the bar shows only while the mouse moves";
  ::SendMessageW(player->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_FALSE(player->fullScreen());
  EXPECT_EQ(::GetParent(player->Handle()), parent);
  EXPECT_TRUE(::EqualRect(&player->BoundsRect(), &normal));

  const Box video = player->layout().video;
  ::SendMessageW(player->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON,
                 At(CentreX(video), CentreY(video)));
  EXPECT_TRUE(player->fullScreen());
  ::SendMessageW(player->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, At(100, 100));
  EXPECT_FALSE(player->fullScreen());
  player->setFullScreen(true);
  player->setFullScreen(false);
  EXPECT_FALSE(player->fullScreen());
  EXPECT_TRUE(::EqualRect(&player->BoundsRect(), &normal));
}

TEST_F(PlayerControlTest, FullScreenKeepsTheShortcutsAndItsHostClosesItself) {
  int f11 = 0, f12 = 0;
  auto item = [&](const wchar_t* name) -> ui::TMenuItem& {
    return *dynamic_cast<ui::TMenuItem*>(form->FindComponent(name));
  };
  item(L"N3").OnClick = [&](ui::TComponent&) { ++f11; };
  item(L"N4").OnClick = [&](ui::TComponent&) {
    ++f12;
    player->setFullScreen(false);
  };
  Play(server.Url("/clip.wmv"));
  ASSERT_TRUE(Reaches(PlaybackState::Playing));
  HWND home = ::GetParent(player->Handle());
  player->setFullScreen(true);
  HWND host = ::GetParent(player->Handle());
  ASSERT_NE(host, home);
  // The keys reach the form's menus from the full-screen host, as from the form itself.
  ::PostMessageW(player->Handle(), WM_KEYDOWN, VK_F11, 0);
  ui::Application().ProcessMessages();
  EXPECT_EQ(f11, 1);
  ::PostMessageW(player->Handle(), WM_KEYDOWN, VK_F12, 0);
  ui::Application().ProcessMessages();
  EXPECT_EQ(f12, 1);
  EXPECT_FALSE(player->fullScreen());
  EXPECT_FALSE(::IsWindow(host));

  // Alt+F4 on the host: the player leaves full screen from inside the host's own procedure,
  // and the host goes once that message is done.
  player->setFullScreen(true);
  host = ::GetParent(player->Handle());
  ::SendMessageW(host, WM_CLOSE, 0, 0);
  EXPECT_FALSE(player->fullScreen());
  EXPECT_EQ(::GetParent(player->Handle()), home);
  EXPECT_TRUE(::IsWindow(host));
  ui::Application().ProcessMessages();
  EXPECT_FALSE(::IsWindow(host));
}

TEST_F(PlayerControlTest, TheBarsButtonsPauseStopAndMute) {
  Play(server.Url("/clip.wmv"));
  ASSERT_TRUE(Reaches(PlaybackState::Playing));
  const player::ControlLayout l = player->layout();
  Click(CentreX(l.playPause), CentreY(l.playPause));
  EXPECT_EQ(player->state(), PlaybackState::Paused);
  EXPECT_EQ(player->statusText(), u"已暂停");
  Click(CentreX(l.playPause), CentreY(l.playPause));
  EXPECT_EQ(player->state(), PlaybackState::Playing);
  Click(CentreX(l.mute), CentreY(l.mute));
  EXPECT_TRUE(player->muted());
  Click(CentreX(l.mute), CentreY(l.mute));
  EXPECT_FALSE(player->muted());
  Click(l.volume.left, CentreY(l.volume));
  EXPECT_EQ(player->volume(), 0.0);
  Click(l.volume.right - 1, CentreY(l.volume));
  EXPECT_EQ(player->volume(), 1.0);
  Click(CentreX(l.stop), CentreY(l.stop));
  EXPECT_EQ(player->state(), PlaybackState::Stopped);
  EXPECT_EQ(player->statusText(), u"已停止");
  Click(CentreX(l.playPause), CentreY(l.playPause));  // plays the same address again
  EXPECT_EQ(player->state(), PlaybackState::Connecting);
  EXPECT_TRUE(Reaches(PlaybackState::Playing));
}

TEST_F(PlayerControlTest, ThePositionSliderSeeksMediaThatCanSeek) {
  Play(server.Url("/clip.wmv"));
  ASSERT_TRUE(Reaches(PlaybackState::Playing));
  ASSERT_TRUE(player->status().seekable);
  player->pause();
  const Box seek = player->layout().seek;
  const int x = player::SliderPosition(seek, 0.75);
  Click(x, CentreY(seek));
  ASSERT_TRUE(PumpMessagesUntil([&] { return player->status().position >= 2.0; }, kPatience));
  EXPECT_LT(player->status().position, 2.7);
}

TEST_F(PlayerControlTest, RightClickOnVideoOrBarShowsTheContextMenu) {
  Play(server.Url("/clip.wmv"));
  ASSERT_TRUE(Reaches(PlaybackState::Playing));
  auto* popup = dynamic_cast<ui::TPopupMenu*>(form->FindComponent(L"PopupMenu1"));
  ASSERT_NE(popup, nullptr);
  static HMENU shown;
  const player::ControlLayout l = player->layout();
  for (const Box& where : {l.video, l.status}) {
    shown = nullptr;
    // The menu runs its own loop: a timer inside it notes which menu shows and closes it.
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
      if (HWND menu = ::FindWindowW(L"#32768", nullptr); menu && ::IsWindowVisible(menu)) {
        shown = reinterpret_cast<HMENU>(::SendMessageW(menu, 0x01E1 /* MN_GETHMENU */, 0, 0));
        ::EndMenu();
        ::KillTimer(nullptr, id);
      }
    });
    ::SendMessageW(player->Handle(), WM_RBUTTONDOWN, MK_RBUTTON,
                   At(CentreX(where), CentreY(where)));
    ::SendMessageW(player->Handle(), WM_RBUTTONUP, 0, At(CentreX(where), CentreY(where)));
    ::KillTimer(nullptr, timer);
    EXPECT_EQ(shown, popup->Handle());
  }
}

TEST_F(PlayerControlTest, CloseReturnsPromptlyWhileTheServerNeverAnswers) {
  SilentServer silent;
  player::EngineSettings patient;
  patient.connectTimeout = 10min;
  player->setEngineSettings(patient);
  Play(silent.Url("/live.asf"));
  ASSERT_TRUE(PumpMessagesUntil([&] { return silent.Connections() == 1; }, kPatience));
  EXPECT_EQ(player->statusText(), u"正在连接…");
  const auto start = std::chrono::steady_clock::now();
  player->close();
  EXPECT_LT(std::chrono::steady_clock::now() - start,
            5s);  // not a figure: waiting would take minutes
  EXPECT_EQ(player->state(), PlaybackState::Closed);
  EXPECT_EQ(player->statusText(), u"就绪");
  EXPECT_EQ(player->URL(), u"");
}

TEST_F(PlayerControlTest, ClearMessagesForServersThatFailAndStreamsThatAreGarbage) {
  Play("http://127.0.0.1:" + std::to_string(testsupport::RefusingPort()) + "/live.asf");
  ASSERT_TRUE(Reaches(PlaybackState::Failed));
  EXPECT_EQ(player->statusText(), u"无法连接到服务器");

  server.Add("/garbage.wmv", std::string(100000, '\x5A'));
  Play(server.Url("/garbage.wmv"));
  ASSERT_TRUE(Reaches(PlaybackState::Failed));
  EXPECT_EQ(player->statusText(), u"无法解码这个节目的数据流");

  SilentServer silent;
  player::EngineSettings quick;
  quick.connectTimeout = 300ms;
  player->setEngineSettings(quick);
  Play(silent.Url("/live.asf"));
  ASSERT_TRUE(Reaches(PlaybackState::Failed));
  EXPECT_EQ(player->statusText(), u"服务器没有响应");
}

TEST_F(PlayerControlTest, MetafilesOfBothKindsPlayThroughTheControl) {
  server.Add("/clip.rm", ReadTestFile("clip.rm"), "application/vnd.rn-realmedia");
  server.Add("/tv.asx", "<asx version=3><entry><ref href=\"clip.wmv\"/></entry></asx>",
             "video/x-ms-asf");
  server.Add("/tv.ram", server.Url("/clip.rm") + "\n", "audio/x-pn-realaudio");
  Play(server.Url("/tv.asx"));
  ASSERT_TRUE(Reaches(PlaybackState::Playing));
  EXPECT_EQ(player->status().videoWidth, 320);
  Play(server.Url("/tv.ram"));
  ASSERT_TRUE(Reaches(PlaybackState::Playing));
  EXPECT_EQ(player->status().videoWidth, 176);
}

TEST_F(PlayerControlTest, AnEmptyAddressIsNoMedia) {
  player->setURL(u"");
  player->controls().play();
  EXPECT_EQ(player->state(), PlaybackState::Closed);
  EXPECT_EQ(player->statusText(), u"就绪");
  EXPECT_THROW(player->setFullScreen(true), PlayerError);
  player->setFullScreen(false);  // leaving a full screen that is not on is nothing
}

TEST_F(PlayerControlTest, UserInterfaceModes) {
  EXPECT_FALSE(player->layout().seek.Empty());
  player->SetProperty("uiMode", ui::PropValue{std::wstring(L"mini")});
  EXPECT_TRUE(player->layout().seek.Empty());
  EXPECT_FALSE(player->layout().playPause.Empty());
  player->SetProperty("uiMode", ui::PropValue{std::wstring(L"none")});
  EXPECT_TRUE(player->layout().bar.Empty());
  EXPECT_EQ(player->layout().video.Height(), player->Height());
}

TEST_F(PlayerControlTest, TheBarRepaintsForTheMouseOnlyOverItsButtonsAndSliders) {
  const player::ControlLayout l = player->layout();
  const auto move_to = [&](const Box& b) {
    ui::Application().ProcessMessages();  // nothing left to paint
    ::SendMessageW(player->Handle(), WM_MOUSEMOVE, 0, At(CentreX(b), CentreY(b)));
    return ::GetUpdateRect(player->Handle(), nullptr, FALSE) != FALSE;
  };
  EXPECT_FALSE(move_to(l.video)) << "onto the picture";
  EXPECT_TRUE(move_to(l.playPause)) << "onto a button";
  EXPECT_TRUE(move_to(l.video)) << "off the button";
  EXPECT_FALSE(move_to(l.status)) << "between parts that do not light up";
}

TEST_F(PlayerControlTest, ShowInPlaceKeepsTheBounds) {
  const RECT before = player->BoundsRect();
  player->showInPlace();
  EXPECT_TRUE(::IsWindowVisible(player->Handle()));
  EXPECT_TRUE(::EqualRect(&player->BoundsRect(), &before));
}

// A channel offered over two servers whose first refuses: the control goes on to the second
// and says so while it connects.
TEST_F(PlayerControlTest, APairWhoseFirstConnectionRefusesPlaysTheSecond) {
  HttpServer::Body slow;
  slow.bytes = ReadTestFile("clip.wmv");
  slow.bytesPerSecond = 40000;  // buffering lasts long enough to read the bar
  server.Add("/slow.wmv", slow);
  int named = 0;
  player->close();
  player->setURL(U("http://127.0.0.1:" + std::to_string(testsupport::RefusingPort()) + "/a"));
  player->setFailover(u"连接1", {{u"连接2", U(server.Url("/slow.wmv")), [&] { ++named; }}});
  player->controls().play();
  ASSERT_TRUE(Reaches(PlaybackState::Playing));
  EXPECT_TRUE(texts.count(u"连接1无法连接，正在尝试连接2…"));
  EXPECT_EQ(named, 1);
  EXPECT_EQ(player->statusText(), u"正在播放");
  EXPECT_EQ(player->status().playing, server.Url("/slow.wmv"));
}

TEST_F(PlayerControlTest, APairWhoseConnectionsBothFailFailsWithTheLast) {
  int named = 0;
  player->close();
  player->setURL(U("http://127.0.0.1:" + std::to_string(testsupport::RefusingPort()) + "/a"));
  player->setFailover(u"连接1", {{u"连接2", U(server.Url("/missing.wmv")), [&] { ++named; }}});
  player->controls().play();
  ASSERT_TRUE(Reaches(PlaybackState::Failed));
  EXPECT_EQ(player->status().failure, player::PlaybackFailure::NotFound);
  EXPECT_EQ(player->statusText(), u"服务器上没有这个节目");
  EXPECT_EQ(named, 0);
  EXPECT_TRUE(player->status().attempts.size() == 1u);  // the attempts of the last opening
}

// Waits short enough for a test: 100 ms, 200 ms, then every 300 ms for 3 s.
player::ReconnectPolicy QuickReconnection() {
  player::ReconnectPolicy policy;
  policy.first = {100ms, 200ms};
  policy.then = 300ms;
  policy.giveUpAfter = 3s;
  policy.tick = 20ms;
  return policy;
}

// A live Windows Media stream sent in real time whose connection is cut after about a second.
HttpServer::Body CutStream() {
  HttpServer::Body body;
  body.bytes = ReadTestFile("clip.wmv");
  body.bytesPerSecond = 20000;
  body.cutAfter = 25000;
  return body;
}

class ReconnectionTest : public PlayerControlTest {
 protected:
  void PlayCutStream(HttpServer& from) {
    from.Add("/cut.wmv", CutStream());
    player::EngineSettings settings;
    settings.bufferSeconds = 0.5;
    player->setEngineSettings(settings);
    player->setReconnectPolicy(QuickReconnection());
    Play(from.Url("/cut.wmv"));
    ASSERT_TRUE(Reaches(PlaybackState::Playing));
  }
  bool Waits() {
    return PumpMessagesUntil([&] { return Seen(u"连接中断，") && player->reconnecting(); },
                             kPatience);
  }
  bool Seen(std::u16string_view part) {
    texts.insert(player->statusText());
    for (const std::u16string& t : texts) {
      if (t.find(part) != std::u16string::npos) return true;
    }
    return false;
  }
};

TEST_F(ReconnectionTest, AStreamThatBreaksIsOpenedAgainWhenTheServerIsBack) {
  PlayCutStream(server);
  ASSERT_TRUE(Waits());
  EXPECT_TRUE(Seen(u"秒后重新连接（第 1 次）"));
  ASSERT_TRUE(PumpMessagesUntil(
      [&] { return server.Requests("/cut.wmv") == 2 && player->state() == PlaybackState::Playing; },
      kPatience));
  EXPECT_FALSE(player->reconnecting());
}

TEST_F(ReconnectionTest, AServerThatNeverComesBackIsGivenUpAfterItsTime) {
  auto gone = std::make_unique<HttpServer>();
  PlayCutStream(*gone);
  ASSERT_TRUE(Waits());
  gone.reset();  // from now on the port refuses
  ASSERT_TRUE(PumpMessagesUntil(
      [&] {
        Seen(u"");
        return !player->reconnecting() && player->state() == PlaybackState::Failed;
      },
      kPatience));
  EXPECT_TRUE(Seen(u"（第 2 次）"));
  EXPECT_TRUE(Seen(u"（第 3 次）"));
  EXPECT_EQ(player->statusText(), u"无法连接到服务器");
  PumpMessagesUntil([] { return false; }, 500ms);
  EXPECT_FALSE(player->reconnecting());
}

TEST_F(ReconnectionTest, StopEndsTheWaitAtOnce) {
  PlayCutStream(server);
  ASSERT_TRUE(Waits());
  player->stop();
  EXPECT_FALSE(player->reconnecting());
  EXPECT_EQ(player->statusText(), u"已停止");
  PumpMessagesUntil([] { return false; }, 600ms);
  EXPECT_EQ(server.Requests("/cut.wmv"), 1);
  EXPECT_EQ(player->statusText(), u"已停止");
}

TEST_F(ReconnectionTest, AClipThatCameToItsEndIsNotOpenedAgain) {
  player->setReconnectPolicy(QuickReconnection());
  Play(server.Url("/clip.wmv"));
  ASSERT_TRUE(Reaches(PlaybackState::Stopped));
  PumpMessagesUntil([] { return false; }, 400ms);
  EXPECT_FALSE(player->reconnecting());
  EXPECT_EQ(server.Requests("/clip.wmv"), 1);
}

TEST_F(PlayerControlTest, AClickOnTheStatusTextShowsEveryAttemptAndWhatPlays) {
  const std::string refused =
      "http://127.0.0.1:" + std::to_string(testsupport::RefusingPort()) + "/gone.wmv";
  server.Add("/list.asx", "<asx><entry><ref href=\"" + refused +
                              "\"/></entry><entry><ref href=\"clip.wmv\"/></entry></asx>");
  Play(server.Url("/list.asx"));
  ASSERT_TRUE(Reaches(PlaybackState::Playing));
  const Box status = player->layout().status;
  Click(CentreX(status), CentreY(status));
  TConnectionDetails* details = player->connectionDetails();
  ASSERT_NE(details, nullptr);
  EXPECT_TRUE(::IsWindowVisible(details->Handle()));
  const std::wstring text = details->Text();
  EXPECT_NE(text.find(AsWide(U(server.Url("/list.asx")) + u"  播放列表（HTTP）  成功")),
            std::wstring::npos)
      << Utf8FromWide(text);
  EXPECT_NE(text.find(AsWide(U(refused) + u"  HTTP  失败：拒绝连接")), std::wstring::npos);
  EXPECT_NE(text.find(AsWide(U(server.Url("/clip.wmv")) + u"  HTTP  成功")), std::wstring::npos);
  EXPECT_NE(text.find(L"  格式：asf"), std::wstring::npos);
  EXPECT_NE(text.find(L"  视频：wmv2  320×240"), std::wstring::npos);
  EXPECT_NE(text.find(L"  音频：wmav2"), std::wstring::npos);
  // Selectable and copyable: the whole text can be selected and copied as it stands.
  const HWND edit = details->TextHandle();
  ::SendMessageW(edit, EM_SETSEL, 0, -1);
  DWORD from = 0, to = 0;
  ::SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
  EXPECT_EQ(to - from, text.size());
  EXPECT_TRUE(::GetWindowLongW(edit, GWL_STYLE) & ES_READONLY);
}

}  // namespace
}  // namespace telvana
