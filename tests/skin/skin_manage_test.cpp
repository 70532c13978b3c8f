// The skin manager on test forms: which windows its hook skins, how skin requests are timed,
// what switching the skin off gives back, and that switching it on and off costs nothing.
#include "skin/skin_manage_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "skin/skin_control_win.h"
#include "skin/skin_data.h"
#include "skin/skin_messages.h"
#include "skin/skin_stream.h"
#include "skin/win_skin_form.h"
#include "tests/skin/skin_builder.h"
#include "tests/support/gui_objects.h"
#include "tests/support/message_pump.h"
#include "tests/support/test_form.h"
#include "tests/support/ui_test_environment.h"

namespace telvana {
namespace {

using namespace std::chrono_literals;

constexpr const char* kFewControls = R"(object Form1: TTestForm
  ClientWidth = 300
  ClientHeight = 200
  object Panel: TPanel
    Left = 0
    Top = 0
    Width = 150
    Height = 80
    object Inner: TButton
      Left = 5
      Top = 5
      Width = 60
      Height = 22
    end
  end
  object Push: TButton
    Left = 160
    Top = 10
    Width = 75
    Height = 22
  end
  object Memo: TMemo
    Left = 0
    Top = 90
    Width = 100
    Height = 60
  end
end
)";

int own_proc_messages = 0;
void CountingWndProc(ui::TMessage& message) {
  if (message.msg == WM_APP + 7) ++own_proc_messages;
}

class SkinManageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto owned = std::make_unique<TSkinManage>();
    manager = owned.get();
    previous = ReplaceSkinManager(std::move(owned));
    form = std::make_unique<testsupport::TTestForm>();
    ASSERT_TRUE(form->Read(kFewControls).empty());
    data = NewSkinData(TSkinFormType::sfMainform);
    data->OnSkinChanged = [this](ui::TComponent&) { ++skin_changes; };
    data->Loaded();  // registers and installs the hook, as reading a description does
  }
  void TearDown() override {
    form.reset();
    ReplaceSkinManager(std::move(previous));
  }

  TSkinData* NewSkinData(TSkinFormType type) {
    auto* skin = ui::TComponent::New<TSkinData>(*form);
    skin->SkinFormtype = type;
    skin->SetSkinStreamValue(MakeSkinStreamProperty(
        testing::SkinBuilder("[Buttons]\r\nBitmap=b.bmp\r\n").Picture("b.bmp", 60, 12).File()));
    return skin;
  }

  ui::TWinControl& Control(const wchar_t* name) {
    return ui::As<ui::TWinControl>(*form->FindComponent(name));
  }

  bool Skinned(HWND window) { return ::SendMessageW(window, WM_SKINQUERY, 0, 0) == 1; }

  void ShowAndActivate() {
    form->Show();
    ::SetActiveWindow(form->Handle());
    testsupport::PumpMessagesUntil([] { return false; }, 50ms);
  }

  // Runs the pending action now rather than on the timer.
  void Perform(SkinAction action) {
    manager->PendingSkinData = data;
    manager->PendingAction = static_cast<int>(action);
    manager->PerformPendingAction();
  }

  std::unique_ptr<SkinManagerLink> previous;
  TSkinManage* manager = nullptr;
  std::unique_ptr<testsupport::TTestForm> form;
  TSkinData* data = nullptr;
  int skin_changes = 0;
};

TEST_F(SkinManageTest, TheHookSkinsAFormWhenActivatedAndOnlyOnce) {
  ASSERT_TRUE(manager->HookInstalled());
  data->SetActive(true);
  EXPECT_TRUE(manager->Enabled) << "before the first activation a request acts at once";
  EXPECT_FALSE(manager->TimerRunning());

  ShowAndActivate();
  EXPECT_EQ(manager->ActivationCount, 1);
  TWinSkinForm* skinner = manager->FindSkinner(form->Handle());
  ASSERT_NE(skinner, nullptr);
  EXPECT_TRUE(Skinned(form->Handle()));
  EXPECT_EQ(skinner->Wrappers.size(), 4u);  // the panel, both buttons, the memo
  EXPECT_EQ(skinner->State, kFormReady) << "WM_SKININIT finished the set-up";

  ::SetActiveWindow(nullptr);
  ::SetActiveWindow(form->Handle());
  EXPECT_FALSE(manager->SkinWindow(form->Handle()));
  EXPECT_EQ(manager->FormSkinners.size(), 1u);
  EXPECT_EQ(skinner->Wrappers.size(), 4u);
}

TEST_F(SkinManageTest, AFormTagged99AndARejectedClassKeepTheSystemLook) {
  data->SetActive(true);
  form->Tag = 99;
  ShowAndActivate();
  EXPECT_FALSE(Skinned(form->Handle()));

  form->Tag = 0;
  std::vector<std::wstring> asked;
  data->OnFormSkin = [&](ui::TComponent& sender, const std::wstring& name, bool& do_skin) {
    EXPECT_EQ(&sender, data);
    asked.push_back(name);
    do_skin = false;
  };
  EXPECT_FALSE(manager->SkinWindow(form->Handle()));
  EXPECT_FALSE(Skinned(form->Handle()));
  wchar_t class_name[64] = {};
  ::GetClassNameW(form->Handle(), class_name, 64);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0], class_name);
  EXPECT_TRUE(manager->FormSkinners.empty());
}

TEST_F(SkinManageTest, OfTwoRequestsWithinTheDelayOnlyTheSecondRuns) {
  data->SetActive(true);
  ShowAndActivate();
  ASSERT_NE(manager->FindSkinner(form->Handle()), nullptr);
  data->SetActive(false);
  EXPECT_TRUE(manager->TimerRunning());
  data->SetActive(true);
  EXPECT_TRUE(manager->Enabled) << "nothing ran yet";
  ASSERT_TRUE(testsupport::PumpMessagesUntil([&] { return skin_changes > 0; }, 2000ms));
  testsupport::PumpMessagesUntil([] { return false; }, 400ms);
  EXPECT_EQ(skin_changes, 1);
  EXPECT_FALSE(manager->TimerRunning());
  EXPECT_EQ(manager->PendingSkinData, nullptr);
  EXPECT_TRUE(Skinned(form->Handle()));
  EXPECT_EQ(manager->FormSkinners.size(), 1u);
}

TEST_F(SkinManageTest, SwitchingOffGivesEveryControlItsHandlerAndColourBack) {
  auto& panel = Control(L"Panel");
  auto& push = Control(L"Push");
  panel.SetColor(0x123456);
  const ui::TColor form_color = form->Color();
  push.WindowProc = &CountingWndProc;
  data->SetActive(true);
  ShowAndActivate();
  ASSERT_NE(manager->FindSkinner(form->Handle()), nullptr);
  EXPECT_NE(panel.Color(), 0x123456u);
  ASSERT_EQ(push.WindowProc.target<void (*)(ui::TMessage&)>(), nullptr);

  Perform(SkinAction::kUnskin);
  EXPECT_FALSE(manager->Enabled);
  EXPECT_TRUE(manager->FormSkinners.empty());
  EXPECT_FALSE(Skinned(form->Handle()));
  EXPECT_EQ(panel.Color(), 0x123456u);
  EXPECT_EQ(form->Color(), form_color);
  auto* const* own = push.WindowProc.target<void (*)(ui::TMessage&)>();
  ASSERT_NE(own, nullptr);
  EXPECT_EQ(*own, &CountingWndProc);
  own_proc_messages = 0;
  ::SendMessageW(push.Handle(), WM_APP + 7, 0, 0);
  EXPECT_EQ(own_proc_messages, 1);
  for (const auto& component : form->Components()) {
    for (const auto& owned : component->Components()) {
      EXPECT_EQ(dynamic_cast<TSkinControl*>(owned.get()), nullptr);
    }
  }

  Perform(SkinAction::kSkin);
  TWinSkinForm* again = manager->FindSkinner(form->Handle());
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(again->Wrappers.size(), 4u);
  EXPECT_NE(panel.Color(), 0x123456u);
  EXPECT_EQ(skin_changes, 2);
}

TEST_F(SkinManageTest, ASkinnerWhoseWindowWentIsPurged) {
  data->SetActive(true);
  ShowAndActivate();
  TWinSkinForm* skinner = manager->FindSkinner(form->Handle());
  ASSERT_NE(skinner, nullptr);
  ::DestroyWindow(form->Handle());
  EXPECT_EQ(skinner->State, kFormDead);
  EXPECT_TRUE(skinner->Wrappers.empty());
  Perform(SkinAction::kPurge);
  EXPECT_TRUE(manager->FormSkinners.empty());
  for (const auto& component : form->Components()) {
    EXPECT_EQ(dynamic_cast<TWinSkinForm*>(component.get()), nullptr);
  }
}

TEST_F(SkinManageTest, MessageBoxesTakeTheDialogSkinData) {
  win::Window dialog(::CreateWindowExW(0, L"#32770", L"box", WS_POPUP | WS_CAPTION, 0, 0, 120, 80,
                                       nullptr, nullptr, nullptr, nullptr));
  ASSERT_NE(dialog.get(), nullptr);
  EXPECT_EQ(manager->ChooseSkinData(dialog.get()), data);
  TSkinData* dialogs = NewSkinData(TSkinFormType::sfDialog);
  manager->RegisterSkinData(*dialogs);
  EXPECT_EQ(manager->ChooseSkinData(dialog.get()), dialogs);
  EXPECT_EQ(manager->ChooseSkinData(form->Handle()), data);

  data->SetActive(true);
  ASSERT_TRUE(manager->SkinWindow(dialog.get()));
  EXPECT_EQ(manager->FindSkinner(dialog.get())->SkinData, dialogs);
  dialog.reset();
  manager->PurgeDeadSkinners();
  EXPECT_TRUE(manager->FormSkinners.empty());
}

TEST_F(SkinManageTest, TheQueuedRequestsPassToTheManager) {
  SkinRequestQueue queue;
  queue.RegisterSkinData(*data);
  queue.InstallHook();
  queue.RequestAction(*data, SkinAction::kSkin, kSkinActionDelayMs);
  queue.SetPendingSkinData(*data);
  auto taken = TakeOverSkinRequests(queue);
  EXPECT_EQ(taken->SkinDatas, std::vector<TSkinData*>{data});
  EXPECT_TRUE(taken->HookInstalled());
  EXPECT_EQ(taken->PendingSkinData, data);
  EXPECT_TRUE(taken->Enabled);
  EXPECT_EQ(taken->PendingAction, 1);
}

TEST_F(SkinManageTest, SkinningOnAndOffReturnsEveryObject) {
  data->SetActive(true);
  ShowAndActivate();
  ASSERT_NE(manager->FindSkinner(form->Handle()), nullptr);
  // Two cycles first: painting makes the brushes and fonts that the controls keep, and the
  // system frees some objects of a paint only at the next one.
  auto cycle = [&] {
    Perform(SkinAction::kUnskin);
    Perform(SkinAction::kSkin);
    ::RedrawWindow(form->Handle(), nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  };
  cycle();
  cycle();
  // What earlier tests left to be destroyed goes before counting.
  testsupport::PumpMessagesUntil([] { return false; }, 200ms);
  const DWORD gdi = testsupport::GdiObjectCount();
  const DWORD user = testsupport::UserObjectCount();
  ASSERT_GT(gdi, 0u);
  ASSERT_GT(user, 0u);
  for (int i = 0; i < 200; ++i) cycle();
  ASSERT_NE(manager->FindSkinner(form->Handle()), nullptr);
  // Not more than at the start: Wine may still free objects that earlier tests left, while a
  // cycle that kept one object would add 200.
  EXPECT_LE(testsupport::GdiObjectCount(), gdi);
  EXPECT_LE(testsupport::UserObjectCount(), user);
}

}  // namespace
}  // namespace telvana
