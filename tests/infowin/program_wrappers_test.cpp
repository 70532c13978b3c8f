// The wrappers the program's own windows get with the main window's stored skin data: each
// control of the main window and of the seven information windows, by its class.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <typeinfo>

#include "skin/skin_buttons_win.h"
#include "skin/skin_data.h"
#include "skin/skin_edit_win.h"
#include "skin/skin_scrollbar_win.h"
#include "skin/skin_status_bar_win.h"
#include "skin/win_skin_form.h"
#include "tests/infowin/program_windows.h"
#include "ui/buttons.h"
#include "ui/edit.h"
#include "ui/group_box.h"
#include "ui/std_controls.h"
#include "ui/text_controls.h"

namespace telvana {
namespace {

using testsupport::InfoWindows;
using testsupport::Program;

// The wrapper a control of the program's windows should get, or null for none.
const std::type_info* ExpectedWrapper(const ui::TComponent& component) {
  if (component.Tag % 100 == 99) return nullptr;
  if (dynamic_cast<const ui::TListBox*>(&component) || dynamic_cast<const ui::TMemo*>(&component))
    return &typeid(TSkinScrollbar);
  if (dynamic_cast<const ui::TStatusBar*>(&component)) return &typeid(TSkinStatusBar);
  if (dynamic_cast<const ui::TPanel*>(&component)) return &typeid(TSkinBox);
  if (dynamic_cast<const ui::TGroupBox*>(&component)) return &typeid(TSkinGroupBox);
  if (dynamic_cast<const ui::TBitBtn*>(&component)) return &typeid(TSkinBitButton);
  if (dynamic_cast<const ui::TButton*>(&component)) return &typeid(TSkinButton);
  if (dynamic_cast<const ui::TEdit*>(&component)) return &typeid(TSkinEdit);
  return nullptr;
}

// Wraps the controls of `form`, checks each against ExpectedWrapper, and gives everything
// back. Returns how many controls got a wrapper.
int CheckWrappers(ui::TForm& form, TSkinData& data) {
  auto* skinner = ui::TComponent::New<TWinSkinForm>(form);
  skinner->SkinData = &data;
  skinner->WindowHandle = form.Handle();
  skinner->SkinChildControls(form);
  int wrapped = 0;
  for (const auto& component : form.Components()) {
    if (component.get() == skinner) continue;
    const std::type_info* expected = ExpectedWrapper(*component);
    int found = 0;
    for (const TSkinControl* wrapper : skinner->Wrappers) {
      if (wrapper->Owner() != component.get()) continue;
      ++found;
      EXPECT_TRUE(expected && typeid(*wrapper) == *expected)
          << Utf8FromWide(form.Name) << "." << Utf8FromWide(component->Name) << " ("
          << component->Class().name << ") got a wrapper it should not";
    }
    EXPECT_EQ(found, expected ? 1 : 0)
        << Utf8FromWide(form.Name) << "." << Utf8FromWide(component->Name) << " ("
        << component->Class().name << ")";
    wrapped += found;
  }
  skinner->ReleaseWrappers();
  EXPECT_TRUE(skinner->Wrappers.empty());
  form.FreeComponent(*skinner);
  return wrapped;
}

TSkinData& MainSkinData() {
  return testsupport::PartOf<TSkinData>(*Program().main, L"SkinData1");
}

TEST(ProgramWrappersTest, TheMainWindowsControlsGetTheWrappersOfTheirKind) {
  TSkinData& data = MainSkinData();
  ASSERT_EQ(data.DisableTag, 99);
  EXPECT_GT(CheckWrappers(*Program().main, data), 0);
}

TEST(ProgramWrappersTest, EachInformationWindowsControlsGetTheWrappersOfTheirKind) {
  TSkinData& data = MainSkinData();
  for (const auto& window : InfoWindows()) {
    SCOPED_TRACE(window.label);
    EXPECT_GT(CheckWrappers(*window.form(), data), 0);
  }
}

}  // namespace
}  // namespace telvana
