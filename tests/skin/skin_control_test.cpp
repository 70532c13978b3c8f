// The wrapper base in real windows: attaching to a framework control and to a bare window,
// the message pipeline, the life-cycle status, giving back what was replaced in every order,
// and the published properties read by name.
#include "skin/skin_control_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/skin_data.h"
#include "skin/win_skin_form.h"
#include "tests/support/test_form.h"
#include "tests/support/ui_test_environment.h"
#include "ui/buttons.h"
#include "ui/std_controls.h"
#include "ui/window_subclass.h"

namespace telvana {
namespace {

constexpr UINT kProbe = WM_APP + 11;

// Consumes the probe, answering 7, and counts what reached AfterMessage.
class ProbeWrapper : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(ui::TMessage& message) override {
    if (message.msg == kProbe) {
      message.result = 7;
      return false;
    }
    return TSkinControl::BeforeMessage(message);
  }
  void AfterMessage(ui::TMessage& message) override {
    ++after;
    TSkinControl::AfterMessage(message);
  }
  const std::wstring& Text() const { return FText; }
  int after = 0;
};

class SkinControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<testsupport::TTestForm>();
    ASSERT_TRUE(form->Read("object Form1: TTestForm\n  ClientWidth = 200\n  ClientHeight = 100\n"
                           "  object Panel1: TPanel\n    Width = 100\n    Height = 50\n"
                           "    Color = clWhite\n  end\nend\n")
                    .empty());
    panel = dynamic_cast<ui::TPanel*>(form->FindComponent(L"Panel1"));
    data = ui::TComponent::New<TSkinData>(*form);
    skinner = ui::TComponent::New<TWinSkinForm>(*form);
  }

  std::unique_ptr<testsupport::TTestForm> form;
  ui::TPanel* panel = nullptr;
  TSkinData* data = nullptr;
  TWinSkinForm* skinner = nullptr;
};

TEST_F(SkinControlTest, AFrameworkControlIsTakenOverOnceAndGivenBack) {
  auto* wrapper = ui::TComponent::New<ProbeWrapper>(*panel);
  wrapper->AttachControl(skinner, *data, true, nullptr);
  wrapper->AttachControl(skinner, *data, true, nullptr);
  EXPECT_EQ(wrapper->Status(), kStatusAttached);
  EXPECT_EQ(skinner->Wrappers, std::vector<TSkinControl*>{wrapper});
  EXPECT_EQ(panel->Color(), data->Colours().ButtonFace);
  EXPECT_TRUE(panel->DoubleBuffered());

  wrapper->after = 0;
  EXPECT_EQ(::SendMessageW(panel->Handle(), kProbe, 0, 0), 7);
  EXPECT_EQ(wrapper->after, 0) << "a consumed message goes no further";
  const std::wstring long_text(1200, L'字');
  ::SetWindowTextW(panel->Handle(), long_text.c_str());
  EXPECT_EQ(wrapper->Text(), long_text.substr(0, kWrapperTextLimit));
  EXPECT_GT(wrapper->after, 0);

  wrapper->Unskin();
  EXPECT_EQ(panel->Color(), ui::clWhite);
  panel->FreeComponent(*wrapper);
  EXPECT_TRUE(skinner->Wrappers.empty());
  EXPECT_EQ(::SendMessageW(panel->Handle(), kProbe, 0, 0), 0) << "the panel's own handler again";
}

TEST_F(SkinControlTest, TheWindowsLastMessageEndsTheWrapperButNotTheControl) {
  auto* wrapper = ui::TComponent::New<ProbeWrapper>(*panel);
  wrapper->AttachControl(skinner, *data, true, nullptr);
  ::DestroyWindow(form->Handle());
  EXPECT_EQ(wrapper->Status(), kStatusWindowDestroyed);
  EXPECT_EQ(panel->Color(), ui::clWhite) << "unskinned with its window";
  // A new window for the panel takes its messages without the wrapper.
  form->CreateHandle();
  EXPECT_EQ(::SendMessageW(panel->Handle(), kProbe, 0, 0), 0);
  form.reset();  // the wrapper goes with the panel, touching nothing of it
}

TEST_F(SkinControlTest, ABareWindowKeepsTheReplacementsMadeAfterTheWrapper) {
  HWND window = ::CreateWindowExW(0, L"STATIC", L"bare", WS_CHILD, 0, 0, 50, 20, form->Handle(),
                                  nullptr, ::GetModuleHandleW(nullptr), nullptr);
  auto* wrapper = ui::TComponent::New<ProbeWrapper>(*skinner);
  wrapper->AttachWindow(window, *data, skinner, nullptr);
  EXPECT_EQ(wrapper->Text(), L"bare");
  int later_probes = 0;
  ui::WindowSubclass later;
  later.Attach(window, [&](UINT msg, WPARAM wparam, LPARAM lparam) {
    if (msg == kProbe) ++later_probes;
    return later.CallNext(msg, wparam, lparam);
  });
  EXPECT_EQ(::SendMessageW(window, kProbe, 0, 0), 7);
  skinner->FreeComponent(*wrapper);
  EXPECT_TRUE(skinner->Wrappers.empty());
  EXPECT_EQ(::SendMessageW(window, kProbe, 0, 0), 0);
  EXPECT_EQ(later_probes, 2);

  auto* second = ui::TComponent::New<ProbeWrapper>(*skinner);
  second->AttachWindow(window, *data, skinner, nullptr);
  ::DestroyWindow(window);
  EXPECT_EQ(second->Status(), kStatusWindowDestroyed);
}

TEST_F(SkinControlTest, PropertiesOfTheControlByName) {
  auto* button = ui::TComponent::New<ui::TButton>(*form);
  button->SetCaption(L"确定");
  button->SetParent(form.get());
  auto* wrapper = ui::TComponent::New<ProbeWrapper>(*button);
  wrapper->AttachControl(skinner, *data, false, nullptr);
  EXPECT_EQ(wrapper->GetStrProperty("Caption"), L"确定");
  EXPECT_EQ(wrapper->GetEnumProperty("Visible"), L"True");
  EXPECT_EQ(wrapper->GetOrdProperty("Caption"), 0) << "not of integer kind";
  EXPECT_EQ(wrapper->GetStrProperty("Glyph"), L"");
  EXPECT_EQ(wrapper->GetObjectProperty("PopupMenu", ui::TComponent::StaticClass()), nullptr);
}

}  // namespace
}  // namespace telvana
