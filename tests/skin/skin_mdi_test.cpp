// Skinned frames on an MDI frame of bare windows: children skinned as they come, the mode of a
// maximised child entered and left (by tiling, cascading and closing), and everything given
// back when skinning is switched off.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>

#include "skin/skin_data.h"
#include "skin/skin_manage_win.h"
#include "skin/skin_messages.h"
#include "skin/skin_stream.h"
#include "skin/win_skin_form.h"
#include "tests/skin/frame_skin.h"
#include "tests/support/message_pump.h"
#include "tests/support/test_form.h"
#include "tests/support/ui_test_environment.h"

namespace telvana {
namespace {

using namespace std::chrono_literals;

HWND mdi_client = nullptr;

LRESULT CALLBACK FrameProcedure(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  return ::DefFrameProcW(window, mdi_client, msg, wparam, lparam);
}

LRESULT CALLBACK ChildProcedure(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  return ::DefMDIChildProcW(window, msg, wparam, lparam);
}

class SkinMdiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    scope = std::make_unique<testing::ScopedSkinManage>();
    manager = scope->get();
    holder = std::make_unique<testsupport::TTestForm>();
    data = ui::TComponent::New<TSkinData>(*holder);
    data->SetSkinStreamValue(MakeSkinStreamProperty(testing::FrameSkin()));
    data->Loaded();
    data->SetActive(true);

    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSW frame_class{
        0,        FrameProcedure, 0,       0,
        instance, nullptr,        nullptr, reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1),
        nullptr,  L"MdiTestFrame"};
    WNDCLASSW child_class{
        0,        ChildProcedure, 0,       0,
        instance, nullptr,        nullptr, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1),
        nullptr,  L"MdiTestChild"};
    ::RegisterClassW(&frame_class);
    ::RegisterClassW(&child_class);
    menu = ::CreateMenu();
    window_menu = ::CreatePopupMenu();
    ::AppendMenuW(window_menu, MF_STRING, 100, L"Tile");
    ::AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(window_menu), L"Window");
    frame = ::CreateWindowExW(0, L"MdiTestFrame", L"MDI", WS_OVERLAPPEDWINDOW, 10, 10, 500, 400,
                              nullptr, menu, instance, nullptr);
    CLIENTCREATESTRUCT create{window_menu, 1000};
    mdi_client =
        ::CreateWindowExW(0, L"MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0,
                          0, 0, frame, nullptr, instance, &create);
    // Shown and activated once whole: the manager's hook skins it then.
    ::ShowWindow(frame, SW_SHOW);
    ::SetActiveWindow(frame);
    testsupport::PumpMessagesUntil([] { return false; }, 100ms);
  }
  void TearDown() override {
    if (::IsWindow(frame)) ::DestroyWindow(frame);
    holder.reset();
    scope.reset();
  }

  // A child made as MDI programs make them; the frame's menu is refreshed after it.
  HWND NewChild(const wchar_t* title) {
    MDICREATESTRUCTW create{L"MdiTestChild",
                            title,
                            ::GetModuleHandleW(nullptr),
                            CW_USEDEFAULT,
                            CW_USEDEFAULT,
                            200,
                            150,
                            0,
                            0};
    auto child = reinterpret_cast<HWND>(
        ::SendMessageW(mdi_client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
    ::SendMessageW(mdi_client, WM_MDIREFRESHMENU, 0, 0);
    testsupport::PumpMessagesUntil([] { return false; }, 50ms);
    return child;
  }

  std::unique_ptr<testing::ScopedSkinManage> scope;
  TSkinManage* manager = nullptr;
  std::unique_ptr<testsupport::TTestForm> holder;  // owns the skin data
  TSkinData* data = nullptr;
  HMENU menu = nullptr, window_menu = nullptr;
  HWND frame = nullptr;
};

TEST_F(SkinMdiTest, ChildrenAreSkinnedAsTheyComeAndTheMaximisedModeIsLeftByTilingAndClosing) {
  TWinSkinForm* frame_skinner = manager->FindSkinner(frame);
  ASSERT_NE(frame_skinner, nullptr);
  EXPECT_EQ(frame_skinner->MdiKind, kMdiFrame);
  EXPECT_EQ(manager->MdiClientWindow, mdi_client);
  EXPECT_EQ(::GetMenu(frame), nullptr);  // the bar is the frame's

  const HWND first = NewChild(L"one");
  const HWND second = NewChild(L"two");
  ASSERT_NE(manager->FindSkinner(first), nullptr);
  ASSERT_NE(manager->FindSkinner(second), nullptr);
  EXPECT_EQ(manager->FindSkinner(second)->MdiKind, kMdiChild);
  EXPECT_EQ(manager->CountChildSkinners(), 2);
  EXPECT_EQ(::GetMenu(frame), nullptr);  // still the frame's after the menu was refreshed

  // Maximised: the frame's bar finds it at its next paint, and the children take the system's
  // caption.
  ::SendMessageW(mdi_client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(second), 0);
  ::SendMessageW(frame, WM_SKINREPAINT, 0, 0);
  EXPECT_TRUE(manager->MdiMaxMode);
  EXPECT_TRUE(::GetWindowLongW(second, GWL_STYLE) & WS_SYSMENU);
  ::SendMessageW(mdi_client, WM_MDITILE, 0, 0);
  EXPECT_FALSE(manager->MdiMaxMode);
  EXPECT_FALSE(::IsZoomed(second));
  ::SendMessageW(mdi_client, WM_MDICASCADE, 0, 0);
  EXPECT_EQ(manager->FindSkinner(first)->WindowState, kWindowNormal);

  // Closing the maximised child: the mode follows the child that is active then; restoring
  // that one leaves it.
  ::SendMessageW(mdi_client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(second), 0);
  ::SendMessageW(frame, WM_SKINREPAINT, 0, 0);
  ASSERT_TRUE(manager->MdiMaxMode);
  ::SendMessageW(mdi_client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(second), 0);
  EXPECT_EQ(manager->CountChildSkinners(), 1);
  EXPECT_EQ(manager->MdiMaxMode, ::IsZoomed(first) != FALSE);
  ::SendMessageW(mdi_client, WM_MDIRESTORE, reinterpret_cast<WPARAM>(first), 0);
  EXPECT_FALSE(manager->MdiMaxMode);
  EXPECT_FALSE(::GetWindowLongW(first, GWL_STYLE) & WS_SYSMENU);  // skinned caption again

  // Switched off: the frame has its menu back, and nothing answers the skin query.
  manager->PendingSkinData = data;
  manager->PendingAction = static_cast<int>(SkinAction::kUnskin);
  manager->PerformPendingAction();
  EXPECT_EQ(::GetMenu(frame), menu);
  EXPECT_NE(::SendMessageW(frame, WM_SKINQUERY, 0, 0), 1);
  EXPECT_NE(::SendMessageW(first, WM_SKINQUERY, 0, 0), 1);
  EXPECT_TRUE(manager->FormSkinners.empty());
}

}  // namespace
}  // namespace telvana
