// An error while the main window asks to close or closes the player ends the program. Ending
// is for good (there is one application object per process), so this runs in a test program
// of its own.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/app/main_window_fixture.h"

namespace telvana {
namespace {

using Calls = std::vector<std::string>;

TEST(MainWindowExitError, APlayerThatFailsToCloseEndsTheProgram) {
  testsupport::MessageBoxRecorder boxes(IDOK);
  // Outlive the main window, which the application frees after the last test.
  static testsupport::RecordingPlayer player;
  // Not the application's main form: ending the program here can only come from the error.
  ui::TComponent owner(nullptr);
  auto* window = ui::TComponent::New<TFmain1>(owner);
  window->Create();
  window->SetPlayer(player);
  boxes.boxes.clear();
  player.fail(testsupport::RecordingPlayer::Op::close);
  ASSERT_FALSE(ui::Application().Terminated());

  ::SendMessageW(window->Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(player.calls(), (Calls{"close"}));
  ASSERT_EQ(boxes.boxes.size(), 1u) << "the error itself is not reported";
  EXPECT_EQ(boxes.boxes[0].text, L"确实要退出Korvane影视Telvana吗？");
  EXPECT_TRUE(ui::Application().Terminated());
}

}  // namespace
}  // namespace telvana
