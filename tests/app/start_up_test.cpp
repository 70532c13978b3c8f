// The program's start-up as wWinMain runs it: the main window with the first category, and
// once it has painted, the seven information windows (hidden, in their order) and the desktop
// shortcut. Start-up sets up the one application object, so this is a test program of its own.
#include "app/start_up.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/app/scratch_registry.h"
#include "tests/app/shell_link_reader.h"
#include "tests/support/message_box_recorder.h"
#include "tests/support/recording_player.h"
#include "ui/forms.h"
#include "ui/std_controls.h"
#include "ui/win_handles.h"

namespace telvana {
namespace {

std::vector<std::string> FormClasses() {
  std::vector<std::string> classes;
  for (const ui::TForm* form : ui::Application().Forms()) classes.push_back(form->Class().name);
  return classes;
}

TEST(StartUp, TheMainWindowPaintsFirstThenTheInformationWindowsAndTheShortcutFollow) {
  testsupport::ScratchFolder desktop;
  testsupport::ScratchCurrentUser user;
  ASSERT_TRUE(user.active());
  user.SetString(L"Desktop", desktop.path());
  testsupport::MessageBoxRecorder boxes;
  // Made and ended in wWinMain's order: the player outlives the application's windows.
  win::ComScope com;
  testsupport::RecordingPlayer player;
  ui::TApplication application;

  TFmain1& main = CreateProgramWindows(application);
  main.SetPlayer(player);
  // `Telvana.exe ADDRESS`: the address plays once the window has painted.
  CarryOutCommandLine(ReadCommandLine(u"/x \"rtsp://127.0.0.1:9/live\""), main, application);
  EXPECT_EQ(ui::Application().MainForm(), &main);
  EXPECT_EQ(ui::Application().Title(), kApplicationTitle);
  EXPECT_EQ(FormClasses(), std::vector<std::string>{"TFmain1"});
  EXPECT_EQ(main.ChannelList().Count(), 11) << "the first category is there before the paint";
  const std::wstring link = desktop.path() + L"\\Korvane影视Telvana免费版.lnk";
  EXPECT_FALSE(testsupport::FileExists(link));

  main.Show();
  ui::Application().ProcessMessages();
  EXPECT_EQ(FormClasses(), (std::vector<std::string>{"TFmain1", "TFgy1", "TFmzsm1", "TFhelp1",
                                                     "TFlxxz1", "TFgygg1", "TFsygg1", "TFyqgg1"}));
  for (const ui::TForm* form : ui::Application().Forms()) {
    EXPECT_EQ(::IsWindowVisible(form->Handle()) != FALSE, form == &main) << form->Class().name;
  }
  EXPECT_TRUE(testsupport::FileExists(link));
  EXPECT_TRUE(boxes.boxes.empty());
  // After the layout's own calls (show, stretch to fit).
  const std::vector<std::string>& calls = player.calls();
  const auto close = std::find(calls.begin(), calls.end(), "close");
  EXPECT_EQ(std::vector<std::string>(close, calls.end()),
            (std::vector<std::string>{"close", "URL=rtsp://127.0.0.1:9/live", "play"}));
  EXPECT_EQ(main.StatusBar().PanelText(0), L"正在播放：rtsp://127.0.0.1:9/live");

  // Later idle moments make nothing twice.
  ui::Application().ProcessMessages();
  EXPECT_EQ(ui::Application().Forms().size(), 8u);
}

}  // namespace
}  // namespace telvana
