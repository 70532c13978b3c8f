// Skinned frames on a test form: the frame's size around an unchanged client area, the
// region cut by the magenta pixels of the borders, the caption's hit test, the caption
// buttons' actions, and everything given back when skinning is switched off.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <stdexcept>
#include <string>

#include "skin/skin_data.h"
#include "skin/skin_manage_win.h"
#include "skin/skin_messages.h"
#include "skin/skin_stream.h"
#include "skin/win_skin_form.h"
#include "skin/win_skin_menu.h"
#include "tests/skin/frame_skin.h"
#include "tests/support/message_pump.h"
#include "tests/support/test_form.h"
#include "tests/support/ui_test_environment.h"
#include "ui/menus.h"

namespace telvana {
namespace {

using namespace std::chrono_literals;

constexpr const char* kForm = R"(object Form1: TTestForm
  BorderStyle = bsSizeable
  ClientWidth = 300
  ClientHeight = 200
  Caption = 'Frame'
  Menu = MainMenu1
  object Push: TButton
    Left = 10
    Top = 10
    Width = 75
    Height = 22
  end
  object MainMenu1: TMainMenu
    object File1: TMenuItem
      Caption = 'File'
      object Open1: TMenuItem
        Caption = 'Open'
      end
    end
  end
end
)";

class SkinFrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    scope = std::make_unique<testing::ScopedSkinManage>();
    manager = scope->get();
    form = std::make_unique<testsupport::TTestForm>();
    ASSERT_TRUE(form->Read(kForm).empty());
    data = ui::TComponent::New<TSkinData>(*form);
    data->SetSkinStreamValue(MakeSkinStreamProperty(testing::FrameSkin()));
    data->Loaded();
    ASSERT_FALSE(data->SkinNotReady());
    ::GetClientRect(form->Handle(), &client_before);
  }
  void TearDown() override {
    form.reset();
    scope.reset();
  }

  void ShowSkinned() {
    data->SetActive(true);
    form->Show();
    ::SetActiveWindow(form->Handle());
    testsupport::PumpMessagesUntil([] { return false; }, 100ms);
    skinner = manager->FindSkinner(form->Handle());
    ASSERT_NE(skinner, nullptr);
    ASSERT_EQ(skinner->State, kFormReady);
  }

  void Perform(SkinAction action) {
    manager->PendingSkinData = data;
    manager->PendingAction = static_cast<int>(action);
    manager->PerformPendingAction();
  }

  // A non-client click at a point of the window (window coordinates).
  void ClickAt(POINT at) {
    RECT window{};
    ::GetWindowRect(form->Handle(), &window);
    const LPARAM screen = MAKELPARAM(window.left + at.x, window.top + at.y);
    ::SendMessageW(form->Handle(), WM_NCLBUTTONDOWN, HTCAPTION, screen);
    ::SendMessageW(form->Handle(), WM_NCLBUTTONUP, HTCAPTION, screen);
  }

  std::unique_ptr<testing::ScopedSkinManage> scope;
  TSkinManage* manager = nullptr;
  std::unique_ptr<testsupport::TTestForm> form;
  TSkinData* data = nullptr;
  TWinSkinForm* skinner = nullptr;
  RECT client_before{};
};

TEST_F(SkinFrameTest, TheSkinnedFrameKeepsTheClientAreaAndCutsTheCorner) {
  ShowSkinned();
  EXPECT_EQ(skinner->BorderLeft, 4);
  EXPECT_EQ(skinner->BorderTop, 20);
  EXPECT_EQ(skinner->BorderBottom, 4);
  RECT client{}, window{};
  ::GetClientRect(form->Handle(), &client);
  ::GetWindowRect(form->Handle(), &window);
  EXPECT_EQ(client.right, client_before.right);
  EXPECT_EQ(client.bottom, client_before.bottom);
  EXPECT_EQ(window.right - window.left, client.right + 8);
  EXPECT_EQ(window.bottom - window.top, client.bottom + 24 + skinner->MenuBarHeight);
  // An owned window keeps its caption style but loses the system's caption buttons.
  EXPECT_FALSE(::GetWindowLongW(form->Handle(), GWL_STYLE) & WS_SYSMENU);

  win::Region region(::CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(::GetWindowRgn(form->Handle(), region.get()), ERROR);
  EXPECT_FALSE(::PtInRegion(region.get(), 0, 0));  // the magenta corner
  EXPECT_TRUE(::PtInRegion(region.get(), 3, 3));
  EXPECT_TRUE(::PtInRegion(region.get(), window.right - window.left - 1, 0));  // not cut

  // The caption band is for dragging; the sizing edges stay the system's.
  const LRESULT caption = ::SendMessageW(form->Handle(), WM_NCHITTEST, 0,
                                         MAKELPARAM(window.left + 100, window.top + 10));
  EXPECT_EQ(caption, HTCAPTION);
}

TEST_F(SkinFrameTest, CaptionButtonsCloseTheWindowOrTellTheProgram) {
  int closes = 0;
  form->OnClose = [&](ui::TComponent&, ui::TCloseAction& action) {
    ++closes;
    action = ui::TCloseAction::caNone;
  };
  ShowSkinned();
  auto button = [&](int action) -> const TWinSysButton& {
    for (const auto& b : skinner->CaptionButtons) {
      if (b->Data.Action == action) return *b;
    }
    throw std::runtime_error("no such caption button");
  };
  const TWinSysButton& close = button(0);
  const TWinSysButton& own = button(42);
  ASSERT_TRUE(close.Visible);
  RECT window{};
  ::GetWindowRect(form->Handle(), &window);
  EXPECT_EQ(close.Rect.left, window.right - window.left - 20);
  EXPECT_EQ(close.Rect.right - close.Rect.left, 48 / close.Data.FrameCount);  // one image

  ClickAt({close.Rect.left + 2, close.Rect.top + 2});
  testsupport::PumpMessagesUntil([&] { return closes > 0; }, 500ms);
  EXPECT_EQ(closes, 1);

  // An action the frame does not know is posted to the window.
  WPARAM told = 0;
  ui::WindowSubclass watch;
  watch.Attach(form->Handle(), [&](UINT msg, WPARAM wparam, LPARAM lparam) {
    if (msg == WM_SKINBUTTON) told = wparam;
    return watch.CallNext(msg, wparam, lparam);
  });
  ClickAt({own.Rect.left + 2, own.Rect.top + 2});
  testsupport::PumpMessagesUntil([&] { return told != 0; }, 500ms);
  EXPECT_EQ(told, 42u);
  // Pressed over one button and released outside it: nothing.
  RECT window_now{};
  ::GetWindowRect(form->Handle(), &window_now);
  ::SendMessageW(
      form->Handle(), WM_NCLBUTTONDOWN, HTCAPTION,
      MAKELPARAM(window_now.left + own.Rect.left + 2, window_now.top + own.Rect.top + 2));
  ::SendMessageW(form->Handle(), WM_NCLBUTTONUP, HTCAPTION,
                 MAKELPARAM(window_now.left + 100, window_now.top + 10));
  testsupport::PumpMessagesUntil([] { return false; }, 50ms);
  EXPECT_EQ(closes, 1);
}

void CALLBACK EndTheMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(nullptr, timer);
  ::EndMenu();
}

TEST_F(SkinFrameTest, OneClickOnTheSystemIconOpensTheMenuAndASecondWithinADoubleClickCloses) {
  int closes = 0;
  form->OnClose = [&](ui::TComponent&, ui::TCloseAction& action) {
    ++closes;
    action = ui::TCloseAction::caNone;
  };
  ShowSkinned();
  ASSERT_TRUE(skinner->SystemPopup);
  RECT window{};
  ::GetWindowRect(form->Handle(), &window);
  ::SetTimer(nullptr, 0, 100, EndTheMenu);
  const auto opened = std::chrono::steady_clock::now();
  skinner->ShowSystemMenu({window.left + 10, window.top + 10});  // the menu's own loop
  EXPECT_GE(std::chrono::steady_clock::now() - opened, 90ms);
  EXPECT_EQ(closes, 0);
  skinner->TrackedObject = skinner->CaptionButtons.front().get();
  skinner->ShowSystemMenu({window.left + 10, window.top + 10});
  testsupport::PumpMessagesUntil([&] { return closes > 0; }, 500ms);
  EXPECT_EQ(closes, 1);
}

TEST_F(SkinFrameTest, TheMenuBarInsideTheFrameFollowsTheFormsMenu) {
  ShowSkinned();
  ui::TMainMenu& menu = *form->Menu();
  EXPECT_EQ(::GetMenu(form->Handle()), nullptr);  // the bar is the frame's now
  ASSERT_NE(skinner->MenuBar(), nullptr);
  EXPECT_EQ(skinner->MenuBar()->Buttons().size(), 1u);
  // A new menu at the end of the bar gives the form a new menu handle.
  auto* help = ui::TComponent::New<ui::TMenuItem>(*form);
  help->SetCaption(L"Help");
  auto* about = ui::TComponent::New<ui::TMenuItem>(*form);
  about->SetCaption(L"About");
  help->Add(*about);
  menu.Items().Add(*help);
  EXPECT_EQ(skinner->MenuBar()->Menu(), menu.Handle());
  ASSERT_EQ(skinner->MenuBar()->Buttons().size(), 2u);
  EXPECT_EQ(skinner->MenuBar()->Buttons()[1]->Caption, L"Help");
  Perform(SkinAction::kUnskin);
  EXPECT_EQ(::GetMenu(form->Handle()), menu.Handle());
}

TEST_F(SkinFrameTest, ABarItemWithoutSubitemsRunsItsCommandAndADisabledOneOpensNothing) {
  ShowSkinned();
  auto* now = ui::TComponent::New<ui::TMenuItem>(*form);
  now->SetCaption(L"Now");
  int clicks = 0;
  now->OnClick = [&](ui::TComponent&) { ++clicks; };
  form->Menu()->Items().Add(*now);
  TWinSkinMenu& bar = *skinner->MenuBar();
  ASSERT_EQ(bar.Buttons().size(), 2u);
  EXPECT_FALSE(bar.OpenDropDown(1));
  testsupport::PumpMessagesUntil([&] { return clicks > 0; }, 500ms);
  EXPECT_EQ(clicks, 1);
  // A disabled menu: its tracking starts and ends at once, with nothing shown.
  form->Menu()->Items().Items()[0]->SetEnabled(false);
  ASSERT_FALSE(skinner->MenuBar()->Buttons()[0]->Enabled);
  const auto opened = std::chrono::steady_clock::now();
  EXPECT_TRUE(skinner->MenuBar()->OpenDropDown(0));
  EXPECT_LT(std::chrono::steady_clock::now() - opened, 90ms);
  EXPECT_FALSE(MenuFilterHookInstalled());
  EXPECT_FALSE(skinner->MenuBar()->Tracking());
}

HWND doomed = nullptr;
void CALLBACK DestroyWhileShown(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND popup = ::FindWindowW(L"#32768", nullptr);
  if (!popup || !::IsWindowVisible(popup)) return;
  ::KillTimer(nullptr, timer);
  ::DestroyWindow(doomed);
  ::EndMenu();
}

TEST_F(SkinFrameTest, AWindowDestroyedWhileItsDropDownIsUpEndsTheTracking) {
  ShowSkinned();
  doomed = form->Handle();
  ::SetTimer(nullptr, 0, 20, DestroyWhileShown);
  EXPECT_TRUE(skinner->MenuBar()->OpenDropDown(0));  // the bar is gone when this returns
  EXPECT_FALSE(::IsWindow(doomed));
  EXPECT_FALSE(MenuFilterHookInstalled());
  EXPECT_EQ(OpenDropDownIndex(), -1);
  EXPECT_TRUE(manager->PopupSkinners.empty());
}

TEST_F(SkinFrameTest, AMaximisedWindowFillsTheScreenWithoutARegionAndGetsItBackWhenRestored) {
  ShowSkinned();
  RECT normal{};
  ::GetWindowRect(form->Handle(), &normal);
  ::SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  testsupport::PumpMessagesUntil([] { return false; }, 100ms);
  RECT maximised{};
  ::GetWindowRect(form->Handle(), &maximised);
  EXPECT_TRUE(::IsZoomed(form->Handle()));
  EXPECT_GE(maximised.right - maximised.left, ::GetSystemMetrics(SM_CXSCREEN));
  win::Region region(::CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(::GetWindowRgn(form->Handle(), region.get()), ERROR);
  ::SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
  testsupport::PumpMessagesUntil([] { return false; }, 100ms);
  RECT restored{};
  ::GetWindowRect(form->Handle(), &restored);
  EXPECT_EQ(restored.right - restored.left, normal.right - normal.left);
  EXPECT_EQ(restored.bottom - restored.top, normal.bottom - normal.top);
  ASSERT_NE(::GetWindowRgn(form->Handle(), region.get()), ERROR);
  EXPECT_FALSE(::PtInRegion(region.get(), 0, 0));
}

TEST_F(SkinFrameTest, SwitchingOffGivesTheSystemFrameBackAroundTheSameClientArea) {
  ShowSkinned();
  RECT skinned_client{};
  ::GetClientRect(form->Handle(), &skinned_client);
  Perform(SkinAction::kUnskin);
  RECT client{};
  ::GetClientRect(form->Handle(), &client);
  EXPECT_EQ(client.right, skinned_client.right);
  EXPECT_EQ(client.bottom, skinned_client.bottom);
  EXPECT_TRUE(::GetWindowLongW(form->Handle(), GWL_STYLE) & WS_SYSMENU);
  win::Region region(::CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(::GetWindowRgn(form->Handle(), region.get()), ERROR);
  EXPECT_NE(::SendMessageW(form->Handle(), WM_SKINQUERY, 0, 0), 1);
}

}  // namespace
}  // namespace telvana
