// The text and number side of choosing wrappers: Skin3rd lines and dialog child windows.
#include "skin/wrapper_choice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace telvana {
namespace {

TEST(Skin3rdKindTest, TheFirstLineNamingTheClassWinsWhateverTheCase) {
  const std::vector<std::wstring> lines = {L"TRzButtonEdit=Edit", L"TRZBUTTON=Button",
                                           L"TRzButton=nil"};
  EXPECT_EQ(FindSkin3rdKind(lines, "TRzButton"), L"button");
  // A class whose name begins another's is not that class.
  EXPECT_EQ(FindSkin3rdKind(lines, "TRzButtonEdit"), L"edit");
  EXPECT_EQ(FindSkin3rdKind(lines, "TRz"), std::nullopt);
  EXPECT_EQ(FindSkin3rdKind({}, "TRzButton"), std::nullopt);
}

TEST(Skin3rdKindTest, TheKindIsEverythingAfterTheFirstEqualsSignCutToFiftyCharacters) {
  const std::wstring long_kind(60, L'X');
  EXPECT_EQ(FindSkin3rdKind({L"TA==panel"}, "TA"), L"=panel");
  EXPECT_EQ(FindSkin3rdKind({L"TA=" + long_kind}, "TA"), std::wstring(50, L'x'));
  EXPECT_EQ(FindSkin3rdKind({L"TA="}, "TA"), L"");
}

TEST(Skin3rdKindTest, KindsAreKnownOnlyByTheirWholeName) {
  EXPECT_EQ(ParseSkin3rdKind(L"radiogroup"), Skin3rdKind::kRadioGroup);
  EXPECT_EQ(ParseSkin3rdKind(L"nil"), Skin3rdKind::kNil);
  EXPECT_EQ(ParseSkin3rdKind(L"checkbox"), Skin3rdKind::kCheckBox);
  EXPECT_EQ(ParseSkin3rdKind(L"button "), Skin3rdKind::kUnknown);
  EXPECT_EQ(ParseSkin3rdKind(L"=panel"), Skin3rdKind::kUnknown);
}

TEST(DialogChildWrapperTest, ButtonsGoByTheirTypeBits) {
  using W = DialogChildWrapper;
  EXPECT_EQ(ChooseDialogChildWrapper(L"Button", 0x50010000), W::kButton);  // push button
  EXPECT_EQ(ChooseDialogChildWrapper(L"BUTTON", 1), W::kButton);           // default button
  EXPECT_EQ(ChooseDialogChildWrapper(L"button", 7), W::kNone);             // group box
  EXPECT_EQ(ChooseDialogChildWrapper(L"button", 2), W::kCheckBox);
  EXPECT_EQ(ChooseDialogChildWrapper(L"button", 3), W::kCheckBox);
  EXPECT_EQ(ChooseDialogChildWrapper(L"button", 5), W::kCheckBox);   // three-state
  EXPECT_EQ(ChooseDialogChildWrapper(L"button", 6), W::kCheckBox);   // automatic three-state
  EXPECT_EQ(ChooseDialogChildWrapper(L"button", 11), W::kCheckBox);  // owner-drawn
  EXPECT_EQ(ChooseDialogChildWrapper(L"button", 4), W::kRadioButton);
  EXPECT_EQ(ChooseDialogChildWrapper(L"button", 9), W::kRadioButton);
  EXPECT_EQ(ChooseDialogChildWrapper(L"button", 8), W::kButton);
}

TEST(DialogChildWrapperTest, OtherClassesGoByNameAndAFewStyleBits) {
  using W = DialogChildWrapper;
  EXPECT_EQ(ChooseDialogChildWrapper(L"ComboBox", 2), W::kComBox);
  EXPECT_EQ(ChooseDialogChildWrapper(L"ComboBox", 1), W::kNone);  // simple: list always open
  EXPECT_EQ(ChooseDialogChildWrapper(L"ComboBoxEx32", 0), W::kInnerComBox);
  EXPECT_EQ(ChooseDialogChildWrapper(L"ScrollBar", 0), W::kSizer);
  EXPECT_EQ(ChooseDialogChildWrapper(L"SysTabControl32", 0), W::kTab);
  EXPECT_EQ(ChooseDialogChildWrapper(L"SysTabControl32", 0x2000), W::kNone);
  EXPECT_EQ(ChooseDialogChildWrapper(L"Edit", 0), W::kEdit);
  EXPECT_EQ(ChooseDialogChildWrapper(L"Static", 0), W::kNone);
  EXPECT_EQ(ChooseDialogChildWrapper(L"", 0), W::kNone);
}

}  // namespace
}  // namespace telvana
