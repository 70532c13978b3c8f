// The main window: the channel list between the two advertisement pictures and the player,
// the status bar with its clock, the desktop shortcut renewed at start-up, the skin choice
// and the exit confirmation. Its layout, menus and pictures come from its stored description.
#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "app/registry.h"
#include "app/user_channels.h"
#include "infowin/information_windows.h"
#include "player/media_player.h"
#include "ui/forms.h"
#include "ui/std_controls.h"
#include "ui/utf.h"

namespace telvana {

class TWindowsMediaPlayer;

class TFmain1 : public ui::TForm {
 public:
  explicit TFmain1(ui::TComponent* owner) : TForm(owner) {}
  static const ui::ClassInfo& StaticClass();
  const ui::ClassInfo& Class() const override { return StaticClass(); }

  // The player the window drives: WindowsMediaPlayer1, unless a test puts a stand-in here.
  MediaPlayer& Player() const;
  void SetPlayer(MediaPlayer& player) { player_ = &player; }

  ui::TListBox& ChannelList() const;
  ui::TStatusBar& StatusBar() const;

  // The information windows the commands show, created after this window.
  void SetInformationWindows(const InformationWindows& windows) { information_ = windows; }
  // Or how to create them: start-up leaves that until this window has painted, since they
  // stay hidden until a command shows one; a command that comes first creates them then.
  void SetInformationWindowsMaker(std::function<InformationWindows()> maker) {
    information_maker_ = std::move(maker);
  }
  // Creates the information windows, once, if there is a maker.
  void EnsureInformationWindows();

  // Where the skin choice is kept and where the skin files lie: the system's registry and
  // the program's folder (ending in a separator), unless a test sets its own before the
  // window is created.
  void SetRegistry(Registry& registry) { registry_ = &registry; }
  void SetProgramFolder(std::wstring folder) { program_folder_ = std::move(folder); }
  // The skin name read from the registry at start-up; empty when none was stored.
  const std::wstring& StoredSkinName() const { return stored_skin_name_; }
  // The user's own channels, read from the user's file once the window has painted, or
  // from `path` when set before then (tests and demonstrations).
  void SetUserChannelsFile(std::wstring path);
  UserChannels& OwnChannels() const { return *user_channels_; }

  // Handlers named by the description.
  void FormCreate(ui::TComponent& sender);
  void FormShow(ui::TComponent& sender);
  void FormResize(ui::TComponent& sender);  // also Splitter1Moved and Splitter2Moved
  void FormClose(ui::TComponent& sender, ui::TCloseAction& action);
  // Plays an address as a double-click plays a channel of that name (the command line).
  void PlayAddress(std::u16string_view address);
  void ListBox1DblClick(ui::TComponent& sender);
  void Timer1Timer(ui::TComponent& sender);
  void Image1DblClick(ui::TComponent& sender);
  void Image2DblClick(ui::TComponent& sender);
  // Every category item: fills the channel list with the category named by its caption.
  void CategoryClick(ui::TComponent& sender);
  // The categories announced but not offered yet: a notice, and the list stays as it was.
  void NotOfferedClick(ui::TComponent& sender);
  void FullScreenClick(ui::TComponent& sender);       // N69Click, N2Click
  void NormalModeClick(ui::TComponent& sender);       // N70Click, N5Click
  void StayOnTopClick(ui::TComponent& sender);        // N72Click
  void CancelStayOnTopClick(ui::TComponent& sender);  // N73Click
  // The information commands (N27Click, N24Click, N26Click, N25Click, N17Click, N50Click,
  // N51Click): show their window modally and return when it closes.
  void ShowInformation(ui::TForm* window);
  void N66Click(ui::TComponent& sender);  // exit: closes the window, which asks first
  // The skin items N45 to N49 (N45Click to N49Click): skin file `index` of kSkinFileNames.
  void ChooseSkin(int index);

  void WndProc(ui::TMessage& message) override;

 protected:
  std::wstring DescriptionResource() const override { return L"FMAIN1"; }
  void RegisterHandlers() override;

 private:
  template <class T>
  T& Part(const wchar_t* name) const;
  void OpenPage(const wchar_t* address);
  // What follows the first paint: the information windows, then the desktop shortcut.
  void AfterFirstPaint();
  void RenewShortcut();
  // FormCreate's skin step: the stored choice applied and marked.
  void RestoreSkin();
  void ApplySkin(std::wstring_view file_name);
  void ReportSkinMissing();
  Registry& SkinRegistry();

  MediaPlayer* player_ = nullptr;
  InformationWindows information_;
  std::function<InformationWindows()> information_maker_;
  Registry* registry_ = nullptr;
  std::unique_ptr<Registry> system_registry_;
  std::wstring program_folder_;
  std::wstring stored_skin_name_;
  std::wstring user_channels_file_;
  std::unique_ptr<UserChannels> user_channels_;
};

// The application's title on the task bar.
inline constexpr wchar_t kApplicationTitle[] = L"Korvane影视Telvana(免费版)";

template <class T>
T& TFmain1::Part(const wchar_t* name) const {
  if (auto* part = dynamic_cast<T*>(FindComponent(name))) return *part;
  throw std::runtime_error("the main window's description lacks " + Utf8FromWide(name));
}

}  // namespace telvana
