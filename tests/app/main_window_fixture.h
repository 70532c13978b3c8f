// The main window in a test: created from its stored description as the program creates it,
// with message boxes recorded (and answered) by the test and a recording stand-in for the
// player, so that nothing is ever played.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "app/fmain1.h"
#include "player/windows_media_player.h"
#include "tests/support/memory_registry.h"
#include "tests/support/message_box_recorder.h"
#include "tests/support/recording_player.h"
#include "tests/support/ui_test_environment.h"
#include "ui/menus.h"
#include "ui/std_controls.h"
#include "ui/utf.h"

namespace telvana::testsupport {

class MainWindowEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { RegisterPlayerClasses(); }
};

inline ::testing::Environment* const kMainWindowEnvironment =
    ::testing::AddGlobalTestEnvironment(new MainWindowEnvironment);

// What the window's controls show, read back through their windows.
inline std::wstring StatusPanelText(HWND bar, int index) {
  const LRESULT length = ::SendMessageW(bar, SB_GETTEXTLENGTHW, static_cast<WPARAM>(index), 0);
  std::wstring text(LOWORD(length) + 1, L'\0');
  ::SendMessageW(bar, SB_GETTEXTW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
  text.resize(LOWORD(length));
  return text;
}

inline std::vector<std::wstring> ListRows(HWND list) {
  std::vector<std::wstring> rows;
  const int count = static_cast<int>(::SendMessageW(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    const LRESULT length = ::SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
    std::wstring row(static_cast<std::size_t>(length) + 1, L'\0');
    ::SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(row.data()));
    row.resize(static_cast<std::size_t>(length));
    rows.push_back(row);
  }
  return rows;
}

// A main window of its own for each test, freed at the test's end. It is not the
// application's main form, so closing it does not end the test program. Its skin choice is
// kept in the test's own registry, never in the machine's.
class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { Start(); }

  // Creates the test's main window as the program creates it: a restart when there is one
  // already, which is freed first.
  void Start() {
    if (window) owner_.FreeComponent(*window);
    window = ui::TComponent::New<TFmain1>(owner_);
    window->SetRegistry(registry);
    if (!program_folder.empty()) window->SetProgramFolder(program_folder);
    // Never the user's own channels: a file that is not there is an empty list.
    window->SetUserChannelsFile(L"C:\\telvana-tests-no-such-folder\\我的频道.m3u");
    window->Create();
    ui::Application().ProcessMessages();  // the desktop shortcut follows the first paint
    // What the start showed, the shortcut's box included, is kept apart from what the test
    // itself makes the window show.
    start_boxes = std::move(boxes.boxes);
    boxes.boxes.clear();
    window->SetPlayer(player);
  }

  template <class T>
  T& Part(const wchar_t* name) {
    auto* part = dynamic_cast<T*>(window->FindComponent(name));
    if (!part) {
      ADD_FAILURE() << "the main window has no " << Utf8FromWide(name) << " of the expected class";
      throw std::runtime_error("missing part");
    }
    return *part;
  }

  HWND List() { return Part<ui::TListBox>(L"ListBox1").Handle(); }
  HWND Bar() { return Part<ui::TStatusBar>(L"StatusBar1").Handle(); }
  std::wstring Panel(int index) { return StatusPanelText(Bar(), index); }

  // Chooses a menu item the way Windows reports the choice.
  void Choose(const wchar_t* item) {
    ::SendMessageW(window->Handle(), WM_COMMAND, MAKEWPARAM(Part<ui::TMenuItem>(item).Command(), 0),
                   0);
  }

  // Selects a row (or none, with -1) and double-clicks it as the list box reports it.
  void DoubleClickRow(int row) {
    ::SendMessageW(List(), LB_SETCURSEL, static_cast<WPARAM>(row), 0);
    ::SendMessageW(::GetParent(List()), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(List()), LBN_DBLCLK),
                   reinterpret_cast<LPARAM>(List()));
  }

  MessageBoxRecorder boxes;  // before the window: its creation may show a box
  std::vector<ui::MessageBoxRequest> start_boxes;
  RecordingPlayer player;
  MemoryRegistry registry;
  std::wstring program_folder;  // where the skin files lie; empty: beside the test program
  TFmain1* window = nullptr;

 private:
  ui::TComponent owner_{nullptr};  // freed before the player the window drives
};

// The program's own main window, as start-up makes it: the application's main form, shown,
// with what its showing asked of the boxes and the player forgotten. Closing it ends the
// program, for good: a test program holds one such test.
inline TFmain1& ShowProgramMainWindow(MessageBoxRecorder& boxes, RecordingPlayer& player) {
  TFmain1& window = ui::Application().CreateForm<TFmain1>();
  EXPECT_EQ(ui::Application().MainForm(), &window);
  window.SetPlayer(player);
  window.Show();
  ui::Application().ProcessMessages();  // the first paint, then the desktop shortcut
  boxes.boxes.clear();
  player.clearCalls();  // showing the window fits the video to it
  return window;
}

}  // namespace telvana::testsupport
