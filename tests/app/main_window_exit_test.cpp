// Closing the program's main window: the confirmation, and on OK the player is closed and
// the program ends. Ending is for good (there is one application object per process), so
// this runs in a test program of its own.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/app/main_window_fixture.h"

namespace telvana {
namespace {

using Calls = std::vector<std::string>;

TEST(MainWindowExit, CancelKeepsTheProgramAndOkEndsIt) {
  static testsupport::MessageBoxRecorder boxes(IDCANCEL);
  // Outlive the main window, which the application frees after the last test.
  static testsupport::RecordingPlayer player;
  TFmain1& window = testsupport::ShowProgramMainWindow(boxes, player);

  ::SendMessageW(window.Handle(), WM_CLOSE, 0, 0);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, L"确实要退出Korvane影视Telvana吗？");
  EXPECT_EQ(boxes.boxes[0].style, UINT{MB_ICONQUESTION | MB_OKCANCEL});
  EXPECT_TRUE(player.calls().empty());
  EXPECT_FALSE(ui::Application().Terminated());
  EXPECT_TRUE(::IsWindowVisible(window.Handle()));

  boxes.answer = IDOK;
  ::SendMessageW(window.Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(boxes.boxes.size(), 2u);
  EXPECT_EQ(player.calls(), (Calls{"close"}));
  EXPECT_TRUE(ui::Application().Terminated());
  // The message loop is told to stop.
  MSG quit;
  EXPECT_TRUE(::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

}  // namespace
}  // namespace telvana
