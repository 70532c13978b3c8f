#include "app/fmain1.h"

#include <stdexcept>
#include <utility>

#include "app/date_format.h"
#include "app/desktop_shortcut.h"
#include "app/skin_choice.h"
#include "catalogue/category_table.h"
#include "catalogue/playback_start.h"
#include "infowin/fgy1.h"
#include "infowin/fgygg1.h"
#include "infowin/fhelp1.h"
#include "infowin/flxxz1.h"
#include "infowin/fmzsm1.h"
#include "infowin/fsygg1.h"
#include "infowin/fyqgg1.h"
#include "player/windows_media_player.h"
#include "ui/message_box.h"
#include "ui/startup_times.h"
#include "ui/utf.h"
#include "web/site_addresses.h"
#include "web/web_page.h"

namespace telvana {

using namespace ui;

namespace {
constexpr wchar_t kShortcutFailed[] = L"创建桌面快捷方式失败！";
constexpr wchar_t kConfirmExit[] = L"确实要退出Korvane影视Telvana吗？";
constexpr wchar_t kFullScreenRefused[] = L"请在正常播放时切换屏幕模式！";
constexpr wchar_t kClockPrefix[] = L"现在时刻：";
constexpr wchar_t kLiveCaption[] = L"直播提醒";
constexpr wchar_t kNotOfferedPrefix[] = L"本频道升级之中，尽请关注Korvane软件";

// Posted to the window once the program has painted: what start-up left until then.
constexpr UINT WM_AFTERFIRSTPAINT = WM_APP + 0x301;

// The channel list's rows as the catalogue fills them.
class ListBoxRows : public ChannelListRows {
 public:
  explicit ListBoxRows(TListBox& list) : list_(list) {}
  void clear() override { list_.Clear(); }
  void append(std::u16string_view row) override { list_.Add(std::wstring(AsWide(row))); }

 private:
  TListBox& list_;
};

DayNames LocalDayNames() {
  DayNames names;
  for (int i = 0; i < 7; ++i) {
    // The locale numbers the days from Monday (LOCALE_SDAYNAME1) to Sunday (LOCALE_SDAYNAME7).
    const int fromMonday = (i + 6) % 7;
    wchar_t buffer[80];
    if (::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDAYNAME1 + fromMonday, buffer, 80))
      names.longNames[i] = std::u16string(AsUtf16(buffer));
    if (::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SABBREVDAYNAME1 + fromMonday, buffer, 80))
      names.shortNames[i] = std::u16string(AsUtf16(buffer));
  }
  return names;
}
}  // namespace

MediaPlayer& TFmain1::Player() const {
  return player_ ? *player_ : Part<TWindowsMediaPlayer>(L"WindowsMediaPlayer1");
}

TListBox& TFmain1::ChannelList() const {
  return Part<TListBox>(L"ListBox1");
}
TStatusBar& TFmain1::StatusBar() const {
  return Part<TStatusBar>(L"StatusBar1");
}

void TFmain1::RegisterHandlers() {
  const auto notify = [this](void (TFmain1::*handler)(TComponent&)) {
    return EventHandler{
        NotifyEvent([this, handler](TComponent& sender) { (this->*handler)(sender); })};
  };
  RegisterHandler("FormCreate", notify(&TFmain1::FormCreate));
  RegisterHandler("FormShow", notify(&TFmain1::FormShow));
  RegisterHandler("FormResize", notify(&TFmain1::FormResize));
  RegisterHandler("Splitter1Moved", notify(&TFmain1::FormResize));
  RegisterHandler("Splitter2Moved", notify(&TFmain1::FormResize));
  RegisterHandler("FormClose",
                  EventHandler{CloseEvent([this](TComponent& sender, TCloseAction& action) {
                    FormClose(sender, action);
                  })});
  RegisterHandler("ListBox1DblClick", notify(&TFmain1::ListBox1DblClick));
  RegisterHandler("Timer1Timer", notify(&TFmain1::Timer1Timer));
  RegisterHandler("Image1DblClick", notify(&TFmain1::Image1DblClick));
  RegisterHandler("Image2DblClick", notify(&TFmain1::Image2DblClick));
  for (const char* name :
       {"N6Click",  "N7Click",  "N9Click",  "N8Click",  "N15Click", "N14Click", "N18Click",
        "N28Click", "N37Click", "N38Click", "N39Click", "N40Click", "N41Click", "N42Click",
        "N58Click", "N59Click", "N60Click", "N61Click", "N62Click", "N63Click", "N29Click",
        "N31Click", "N20Click", "N64Click", "N36Click", "N52Click", "N54Click", "N65Click"}) {
    RegisterHandler(name, notify(&TFmain1::CategoryClick));
  }
  RegisterHandler("N69Click", notify(&TFmain1::FullScreenClick));
  RegisterHandler("N2Click", notify(&TFmain1::FullScreenClick));
  RegisterHandler("N70Click", notify(&TFmain1::NormalModeClick));
  RegisterHandler("N5Click", notify(&TFmain1::NormalModeClick));
  RegisterHandler("N72Click", notify(&TFmain1::StayOnTopClick));
  RegisterHandler("N73Click", notify(&TFmain1::CancelStayOnTopClick));
  for (const char* name :
       {"N30Click", "N32Click", "N33Click", "N34Click", "N35Click", "N55Click", "N56Click"}) {
    RegisterHandler(name, notify(&TFmain1::NotOfferedClick));
  }
  const auto information = [this](auto InformationWindows::*window) {
    return EventHandler{NotifyEvent([this, window](TComponent&) {
      EnsureInformationWindows();
      ShowInformation(information_.*window);
    })};
  };
  RegisterHandler("N27Click", information(&InformationWindows::help));
  RegisterHandler("N24Click", information(&InformationWindows::disclaimer));
  RegisterHandler("N26Click", information(&InformationWindows::about));
  RegisterHandler("N25Click", information(&InformationWindows::contact));
  RegisterHandler("N17Click", information(&InformationWindows::commercial));
  RegisterHandler("N50Click", information(&InformationWindows::publicService));
  RegisterHandler("N51Click", information(&InformationWindows::friendship));
  RegisterHandler("N66Click", notify(&TFmain1::N66Click));
  constexpr const char* kSkinHandlers[kSkinFileCount] = {"N45Click", "N46Click", "N47Click",
                                                         "N48Click", "N49Click"};
  for (int i = 0; i < kSkinFileCount; ++i) {
    RegisterHandler(kSkinHandlers[i],
                    EventHandler{NotifyEvent([this, i](TComponent&) { ChooseSkin(i); })});
  }
  RegisterHandler(
      "N75Click",
      EventHandler{NotifyEvent([this](TComponent&) { user_channels_->OpenAddressClick(); })});
  RegisterHandler(
      "N76Click",
      EventHandler{NotifyEvent([this](TComponent&) { user_channels_->ImportClick(); })});
}

void TFmain1::FormCreate(TComponent&) {
  // Nothing on screen needs the hidden information windows or the desktop shortcut (COM's
  // shell link and a file write): they wait until the windows have painted, so as not to
  // hold up the first picture of the program. A failure to make the shortcut is still
  // reported, over the window.
  Application().WhenIdle([window = Handle()] { ::PostMessageW(window, WM_AFTERFIRSTPAINT, 0, 0); });
  user_channels_ = std::make_unique<UserChannels>(*this, user_channels_file_);
  RestoreSkin();  // whether or not it succeeds, the list is filled
  // The first category, exactly as if the user had chosen it.
  StartupScope filling(StartupPart::kChannelList);
  Part<TMenuItem>(L"N6").Click();
}

void TFmain1::EnsureInformationWindows() {
  if (!information_maker_) return;
  information_ = std::exchange(information_maker_, nullptr)();
}

void TFmain1::SetUserChannelsFile(std::wstring path) {
  if (user_channels_) {
    user_channels_->SetStorePath(path);
  }
  user_channels_file_ = std::move(path);
}

void TFmain1::AfterFirstPaint() {
  EnsureInformationWindows();
  RenewShortcut();
  user_channels_->Load();
}

void TFmain1::RenewShortcut() {
  bool renewed;
  {
    StartupScope renewing(StartupPart::kShortcut);
    renewed = RenewDesktopShortcut();
  }
  if (!renewed) ShowMessageBox(Handle(), kShortcutFailed, Application().Title(), MB_OK);
}

void TFmain1::WndProc(TMessage& message) {
  if (message.msg == WM_AFTERFIRSTPAINT) {
    AfterFirstPaint();
    return;
  }
  if (message.msg == WM_DROPFILES && user_channels_) {
    user_channels_->DropFiles(reinterpret_cast<HDROP>(message.wParam));
    return;
  }
  TForm::WndProc(message);
}

void TFmain1::FormShow(TComponent&) {}

void TFmain1::FormResize(TComponent&) {
  MediaPlayer& player = Player();
  player.showInPlace();
  player.setStretchToFit(true);
}

void TFmain1::FormClose(TComponent&, TCloseAction& action) {
  try {
    if (ShowMessageBox(Handle(), kConfirmExit, Application().Title(),
                       MB_ICONQUESTION | MB_OKCANCEL) == IDOK) {
      Player().close();
    } else {
      action = TCloseAction::caNone;
    }
  } catch (const std::exception&) {
    Application().Terminate();
  }
}

void TFmain1::ListBox1DblClick(TComponent&) {
  if (user_channels_ && user_channels_->PlaySelected()) return;
  TListBox& list = ChannelList();
  StartPlayback(
      [&list]() -> std::u16string {
        const int index = list.ItemIndex();
        if (index < 0 || index >= list.Count()) throw std::out_of_range("no row is selected");
        return std::u16string(AsUtf16(list.Row(index)));
      },
      Player(),
      [this](std::u16string_view status) {
        StatusBar().SetPanelText(0, std::wstring(AsWide(status)));
      });
}

void TFmain1::PlayAddress(std::u16string_view address) {
  StartPlaybackOfAddress(address, Player(), [this](std::u16string_view status) {
    StatusBar().SetPanelText(0, std::wstring(AsWide(status)));
  });
}

void TFmain1::Timer1Timer(TComponent&) {
  SYSTEMTIME now;
  ::GetLocalTime(&now);
  const LocalDateTime when{now.wYear, now.wMonth,  now.wDay,   now.wDayOfWeek,
                           now.wHour, now.wMinute, now.wSecond};
  static const DayNames names = LocalDayNames();
  StatusBar().SetPanelText(
      1, kClockPrefix + std::wstring(AsWide(FormatDateTime(kClockPattern, when, names))));
}

void TFmain1::OpenPage(const wchar_t* address) {
  OpenWebPage(Handle(), address);
}

void TFmain1::Image1DblClick(TComponent&) {
  OpenPage(kMakerSite);
}
void TFmain1::Image2DblClick(TComponent&) {
  OpenPage(kSalesSite);
}

void TFmain1::CategoryClick(TComponent& sender) {
  if (user_channels_) user_channels_->CategoryShown();
  ListBoxRows rows(ChannelList());
  FillChannelList(AsUtf16(As<TMenuItem>(sender).Caption()), rows);
}

void TFmain1::NotOfferedClick(TComponent&) {
  ShowMessageBox(Handle(), kNotOfferedPrefix + std::wstring(kMakerSite) + L"！", kLiveCaption,
                 MB_ICONEXCLAMATION | MB_OK);
  // The command only informs: it ends here, with no further effect and no error report.
}

void TFmain1::FullScreenClick(TComponent&) {
  try {
    Player().setFullScreen(true);
  } catch (const std::exception&) {
    ShowMessageBox(Handle(), kFullScreenRefused, kFriendlyCaption, MB_ICONEXCLAMATION | MB_OK);
  }
}

void TFmain1::NormalModeClick(TComponent&) {
  // No notice of its own: a refusal ends in the application's default error report.
  try {
    Player().setFullScreen(false);
  } catch (const std::exception& error) {
    Application().HandleException(error);
  }
}

void TFmain1::StayOnTopClick(TComponent&) {
  ::SetWindowPos(Handle(), HWND_TOPMOST, Left(), Top(), Width(), Height(), 0);
}

void TFmain1::CancelStayOnTopClick(TComponent&) {
  ::SetWindowPos(Handle(), HWND_NOTOPMOST, Left(), Top(), Width(), Height(), 0);
}

void TFmain1::ShowInformation(TForm* window) {
  // Every window exists from start-up on; a window built without them has none to show.
  if (window) window->ShowModal();
}

void TFmain1::N66Click(TComponent&) {
  Close();
}

const ClassInfo& TFmain1::StaticClass() {
  static const ClassInfo info{"TFmain1", &TForm::StaticClass(), nullptr, {}};
  return info;
}

}  // namespace telvana
