// Which wrapper each kind of control gets, on a form with one control of every kind the
// program has and on a dialog window made from a template, with the skin data's settings as
// the main window stores them (every kind but xcFastReport, DisableTag 99).
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <typeinfo>
#include <utility>
#include <vector>

#include "skin/skin_buttons_win.h"
#include "skin/skin_combo_box_win.h"
#include "skin/skin_data.h"
#include "skin/skin_scrollbar_win.h"
#include "skin/skin_status_bar_win.h"
#include "skin/skin_stream.h"
#include "skin/win_skin_form.h"
#include "tests/skin/skin_builder.h"
#include "tests/support/test_form.h"
#include "tests/support/ui_test_environment.h"

namespace telvana {
namespace {

constexpr const char* kEveryControl = R"(object Form1: TTestForm
  ClientWidth = 400
  ClientHeight = 300
  object List: TListBox
    Left = 0
    Top = 0
    Width = 80
    Height = 60
  end
  object Memo: TMemo
    Left = 90
    Top = 0
    Width = 80
    Height = 60
  end
  object Bar: TStatusBar
  end
  object Panel: TPanel
    Left = 0
    Top = 70
    Width = 150
    Height = 80
    object Inner: TButton
      Left = 5
      Top = 5
      Width = 60
      Height = 22
    end
  end
  object Group: TGroupBox
    Left = 160
    Top = 70
    Width = 100
    Height = 80
  end
  object Glyph: TBitBtn
    Left = 270
    Top = 70
    Width = 75
    Height = 22
  end
  object Push: TButton
    Left = 270
    Top = 100
    Width = 75
    Height = 22
  end
  object Label1: TLabel
    Left = 0
    Top = 160
    Caption = 'text'
  end
  object Image1: TImage
    Left = 60
    Top = 160
    Width = 20
    Height = 20
  end
  object Splitter1: TSplitter
    Left = 100
    Top = 160
    Width = 3
    Height = 40
  end
  object Timer1: TTimer
    Interval = 1000
  end
end
)";

class SkinComponentRulesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<testsupport::TTestForm>();
    ASSERT_TRUE(form->Read(kEveryControl).empty());
    data = ui::TComponent::New<TSkinData>(*form);
    data->SetSkinStreamValue(MakeSkinStreamProperty(
        testing::SkinBuilder("[Buttons]\r\nBitmap=b.bmp\r\n").Picture("b.bmp", 60, 12).File()));
    skinner = ui::TComponent::New<TWinSkinForm>(*form);
    skinner->SkinData = data;
    skinner->WindowHandle = form->Handle();
    form->Show();
  }

  ui::TComponent& Named(const wchar_t* name) {
    ui::TComponent* found = form->FindComponent(name);
    if (!found) throw std::runtime_error("no such component");
    return *found;
  }

  // The wrappers the frame skinner lists for the component.
  std::vector<TSkinControl*> WrappersOf(const ui::TComponent& component) {
    std::vector<TSkinControl*> found;
    for (TSkinControl* wrapper : skinner->Wrappers) {
      if (wrapper->Owner() == &component) found.push_back(wrapper);
    }
    return found;
  }

  // The class of the component's single wrapper, or "none".
  std::string WrapperClass(const wchar_t* name) {
    const auto wrappers = WrappersOf(Named(name));
    if (wrappers.empty()) return "none";
    if (wrappers.size() > 1) return "several";
    static const std::pair<const std::type_info*, const char*> kClasses[] = {
        {&typeid(TSkinScrollbar), "TSkinScrollbar"},
        {&typeid(TSkinStatusBar), "TSkinStatusBar"},
        {&typeid(TSkinBox), "TSkinBox"},
        {&typeid(TSkinButton), "TSkinButton"},
        {&typeid(TSkinGroupBox), "TSkinGroupBox"},
        {&typeid(TSkinBitButton), "TSkinBitButton"},
        {&typeid(TSkinCheckBox), "TSkinCheckBox"},
        {&typeid(TSkinComBox), "TSkinComBox"},
    };
    for (const auto& [type, class_name] : kClasses) {
      if (typeid(*wrappers.front()) == *type) return class_name;
    }
    return "another";
  }

  std::unique_ptr<testsupport::TTestForm> form;
  TSkinData* data = nullptr;
  TWinSkinForm* skinner = nullptr;
};

TEST_F(SkinComponentRulesTest, EachKindOfControlGetsItsWrapperOnce) {
  skinner->SkinChildControls(*form);
  EXPECT_EQ(WrapperClass(L"List"), "TSkinScrollbar");
  EXPECT_EQ(WrapperClass(L"Memo"), "TSkinScrollbar");
  EXPECT_EQ(WrapperClass(L"Bar"), "TSkinStatusBar");
  EXPECT_EQ(WrapperClass(L"Panel"), "TSkinBox");
  EXPECT_EQ(WrapperClass(L"Inner"), "TSkinButton");
  EXPECT_EQ(WrapperClass(L"Group"), "TSkinGroupBox");
  EXPECT_EQ(WrapperClass(L"Glyph"), "TSkinBitButton");
  EXPECT_EQ(WrapperClass(L"Push"), "TSkinButton");
  for (const wchar_t* name : {L"Label1", L"Image1", L"Splitter1", L"Timer1"}) {
    EXPECT_EQ(WrapperClass(name), "none") << "for " << static_cast<char>(name[0]);
  }
  EXPECT_TRUE(static_cast<TSkinScrollbar*>(WrappersOf(Named(L"List"))[0])->HandleClicks());
  EXPECT_TRUE(static_cast<TSkinScrollbar*>(WrappersOf(Named(L"Memo"))[0])->HandleClicks());
  EXPECT_TRUE(WrappersOf(Named(L"Panel"))[0]->ChangeColor());
  EXPECT_TRUE(WrappersOf(Named(L"Group"))[0]->ChangeColor());
  EXPECT_FALSE(WrappersOf(Named(L"Bar"))[0]->ChangeColor());
  // The status bar's grip would sit on the skinned frame.
  EXPECT_EQ(
      ::GetWindowLongW(ui::As<ui::TWinControl>(Named(L"Bar")).Handle(), GWL_STYLE) & SBARS_SIZEGRIP,
      0);

  const std::size_t count = skinner->Wrappers.size();
  EXPECT_EQ(count, 8u);
  skinner->SkinChildControls(*form);
  EXPECT_EQ(skinner->Wrappers.size(), count);
}

TEST_F(SkinComponentRulesTest, TheDisableTagAndTheSwitchesLeaveControlsAlone) {
  Named(L"Push").Tag = 199;
  Named(L"List").Tag = 99;
  Named(L"Splitter1").Tag = 55;  // counts as scrollable
  data->SkinControls &= ~SkinControlBit(TSkinControlType::xcBitBtn);
  data->SkinControls &= ~SkinControlBit(TSkinControlType::xcStatusBar);
  skinner->SkinChildControls(*form);
  EXPECT_EQ(WrapperClass(L"Push"), "none");
  EXPECT_EQ(WrapperClass(L"List"), "none");
  EXPECT_EQ(WrapperClass(L"Glyph"), "none") << "a glyph button is never a plain button";
  EXPECT_EQ(WrapperClass(L"Bar"), "none");
  EXPECT_EQ(WrapperClass(L"Splitter1"), "TSkinScrollbar");
  EXPECT_EQ(WrapperClass(L"Inner"), "TSkinButton");
}

TEST_F(SkinComponentRulesTest, Skin3rdLinesComeBeforeTheBuiltInRows) {
  data->SetSkin3rd({L"TPanel=nil", L"tmemo=CheckBox", L"TListBox=combobox"});
  data->SkinControls &= ~SkinControlBit(TSkinControlType::xcCombo);
  skinner->SkinChildControls(*form);
  EXPECT_EQ(WrapperClass(L"Panel"), "none");
  EXPECT_EQ(WrapperClass(L"Inner"), "TSkinButton") << "the panel's controls are the form's";
  EXPECT_EQ(WrapperClass(L"Memo"), "TSkinCheckBox");
  // Listed, so handled, even though its kind is switched off.
  EXPECT_EQ(WrapperClass(L"List"), "none");
}

TEST_F(SkinComponentRulesTest, AWrapperWhoseWindowWentIsFreedAndTheControlWrappedAnew) {
  skinner->SkinChildControls(*form);
  auto& push = ui::As<ui::TWinControl>(Named(L"Push"));
  TSkinControl* old_wrapper = WrappersOf(push).at(0);
  ::DestroyWindow(push.Handle());
  ASSERT_EQ(old_wrapper->Status(), kStatusWindowDestroyed);
  skinner->SkinChildControls(*form);
  int wrappers_owned = 0;
  for (const auto& owned : push.Components()) {
    wrappers_owned += dynamic_cast<TSkinControl*>(owned.get()) != nullptr;
  }
  EXPECT_EQ(wrappers_owned, 1) << "the dead wrapper went with its owner's help";
  ASSERT_EQ(WrappersOf(push).size(), 1u);
  EXPECT_EQ(WrappersOf(push)[0]->Status(), kStatusAttached);
  EXPECT_EQ(WrappersOf(push)[0]->Handle(), push.Handle());
  EXPECT_NE(push.Handle(), nullptr);
}

TEST_F(SkinComponentRulesTest, ReleasingGivesBackColoursAndFreesEveryWrapper) {
  auto& panel = ui::As<ui::TWinControl>(Named(L"Panel"));
  panel.SetColor(0x123456);
  skinner->SkinChildControls(*form);
  ASSERT_NE(panel.Color(), 0x123456u);
  skinner->ReleaseWrappers();
  EXPECT_TRUE(skinner->Wrappers.empty());
  EXPECT_EQ(panel.Color(), 0x123456u);
  for (const auto& component : form->Components()) {
    for (const auto& owned : component->Components()) {
      EXPECT_EQ(dynamic_cast<TSkinControl*>(owned.get()), nullptr);
    }
  }
}

// A dialog template in memory: a push button, a check box, a group box and a static text.
std::vector<WORD> DialogTemplate() {
  std::vector<WORD> words;
  auto add_dword = [&](DWORD value) {
    words.push_back(LOWORD(value));
    words.push_back(HIWORD(value));
  };
  auto add_item = [&](DWORD style, WORD id, WORD atom, short y) {
    if (words.size() % 2) words.push_back(0);  // items start on a DWORD
    add_dword(style | WS_CHILD | WS_VISIBLE);
    add_dword(0);
    for (short v : {short{5}, y, short{60}, short{14}}) words.push_back(static_cast<WORD>(v));
    words.push_back(id);
    words.push_back(0xFFFF);
    words.push_back(atom);
    words.push_back(0);  // no text
    words.push_back(0);  // no creation data
  };
  add_dword(WS_POPUP | WS_CAPTION | DS_MODALFRAME);
  add_dword(0);
  words.push_back(4);  // items
  for (short v : {short{0}, short{0}, short{100}, short{100}}) words.push_back(v);
  words.insert(words.end(), {0, 0, 0});  // no menu, the default class, no title
  add_item(BS_PUSHBUTTON, 1, 0x0080, 5);
  add_item(BS_AUTOCHECKBOX, 2, 0x0080, 25);
  add_item(BS_GROUPBOX, 3, 0x0080, 45);
  add_item(SS_LEFT, 4, 0x0082, 65);
  return words;
}

TEST_F(SkinComponentRulesTest, AMessageBoxsButtonsAreWrappedByTheirStyle) {
  const std::vector<WORD> words = DialogTemplate();
  win::Window dialog(::CreateDialogIndirectParamW(
      ::GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(words.data()), nullptr,
      [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0));
  ASSERT_NE(dialog.get(), nullptr);
  wchar_t class_name[16] = {};
  ::GetClassNameW(dialog.get(), class_name, 16);
  ASSERT_STREQ(class_name, L"#32770");

  skinner->WindowHandle = dialog.get();
  skinner->SkinDialogChildren();
  skinner->SkinDialogChildren();
  ASSERT_EQ(skinner->Wrappers.size(), 2u);
  auto wrapper_of = [&](int id) -> TSkinControl* {
    for (TSkinControl* wrapper : skinner->Wrappers) {
      if (wrapper->Handle() == ::GetDlgItem(dialog.get(), id)) return wrapper;
    }
    return nullptr;
  };
  ASSERT_NE(wrapper_of(1), nullptr);
  EXPECT_EQ(typeid(*wrapper_of(1)), typeid(TSkinButton));
  ASSERT_NE(wrapper_of(2), nullptr);
  EXPECT_EQ(typeid(*wrapper_of(2)), typeid(TSkinCheckBox));
  EXPECT_EQ(wrapper_of(1)->Owner(), skinner);

  skinner->ReleaseWrappers();
  EXPECT_TRUE(skinner->Wrappers.empty());
  for (const auto& owned : skinner->Components()) {
    EXPECT_EQ(dynamic_cast<TSkinControl*>(owned.get()), nullptr);
  }
}

}  // namespace
}  // namespace telvana
