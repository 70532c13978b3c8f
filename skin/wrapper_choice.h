// The parts of choosing a control's wrapper that are plain text and numbers: the other
// libraries' classes listed in a skin data's Skin3rd lines and the kind each is skinned as,
// the classes that are never wrapped, and the wrapper a child window of a message box or
// dialog gets from its class and style.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace telvana {

// The kinds a Skin3rd line may name, in the order they are tried.
enum class Skin3rdKind {
  kComboBox,
  kNil,
  kEdit,
  kRadioButton,
  kPanel,
  kTrackBar,
  kButton,
  kBitBtn,
  kTab,
  kProgress,
  kScrollBar,
  kGroupBox,
  kRadioGroup,
  kCheckGroup,
  kCheckBox,
  kUnknown  // a kind of no meaning: the class counts as handled and gets nothing
};

// Longest kind text a Skin3rd line gives; the rest of a longer one is ignored.
inline constexpr std::size_t kSkin3rdKindLimit = 50;

// The kind text of the first line that begins with "`class_name`=" (letters compared
// without case), lower-cased and cut to kSkin3rdKindLimit characters; nothing when no line
// names the class.
std::optional<std::wstring> FindSkin3rdKind(const std::vector<std::wstring>& lines,
                                            std::string_view class_name);
Skin3rdKind ParseSkin3rdKind(std::wstring_view lowered_kind);

// Classes of other libraries that draw in ways no wrapper can follow (`upper_class_name` as
// the rules compare it, upper-cased).
bool IsNeverWrappedClass(std::string_view upper_class_name);

// The wrapper a direct child window of a window without a form gets.
enum class DialogChildWrapper {
  kNone,
  kCheckBox,
  kRadioButton,
  kButton,
  kComBox,
  kInnerComBox,  // the combo box inside an extended combo box
  kSizer,
  kTab,
  kEdit
};
// `class_name` as the window class reads, any case; `style` the window style.
DialogChildWrapper ChooseDialogChildWrapper(std::wstring_view class_name, std::uint32_t style);

}  // namespace telvana
