#include "skin/wrapper_choice.h"

#include <array>
#include <utility>

#include "skin/ascii.h"

namespace telvana {

std::optional<std::wstring> FindSkin3rdKind(const std::vector<std::wstring>& lines,
                                            std::string_view class_name) {
  std::wstring key;
  for (char c : class_name)
    key.push_back(AsciiLower(static_cast<wchar_t>(static_cast<unsigned char>(c))));
  key.push_back(L'=');
  for (const std::wstring& line : lines) {
    const std::wstring lowered = AsciiLowered(line);
    if (!lowered.starts_with(key)) continue;
    // The kind follows the first "=", which is the key's own.
    return lowered.substr(key.size(), kSkin3rdKindLimit);
  }
  return std::nullopt;
}

Skin3rdKind ParseSkin3rdKind(std::wstring_view lowered_kind) {
  static constexpr std::array<std::pair<std::wstring_view, Skin3rdKind>, 15> kKinds{{
      {L"combobox", Skin3rdKind::kComboBox},
      {L"nil", Skin3rdKind::kNil},
      {L"edit", Skin3rdKind::kEdit},
      {L"radiobutton", Skin3rdKind::kRadioButton},
      {L"panel", Skin3rdKind::kPanel},
      {L"trackbar", Skin3rdKind::kTrackBar},
      {L"button", Skin3rdKind::kButton},
      {L"bitbtn", Skin3rdKind::kBitBtn},
      {L"tab", Skin3rdKind::kTab},
      {L"progress", Skin3rdKind::kProgress},
      {L"scrollbar", Skin3rdKind::kScrollBar},
      {L"groupbox", Skin3rdKind::kGroupBox},
      {L"radiogroup", Skin3rdKind::kRadioGroup},
      {L"checkgroup", Skin3rdKind::kCheckGroup},
      {L"checkbox", Skin3rdKind::kCheckBox},
  }};
  for (const auto& [name, kind] : kKinds) {
    if (name == lowered_kind) return kind;
  }
  return Skin3rdKind::kUnknown;
}

bool IsNeverWrappedClass(std::string_view upper_class_name) {
  return upper_class_name == "TDBCOMBOBOXEH" || upper_class_name == "TQRPREVIEW" ||
         upper_class_name == "TFRDESIGNERPAGE" || upper_class_name == "TFRPBOX";
}

DialogChildWrapper ChooseDialogChildWrapper(std::wstring_view class_name, std::uint32_t style) {
  const std::wstring name = AsciiLowered(class_name);
  if (name == L"button") {
    // The low bits are the button's type; these tests overlap on purpose, so that every
    // check box and radio button type (automatic, three-state, owner-drawn) lands somewhere.
    if ((style & 7) == 7) return DialogChildWrapper::kNone;  // a group box
    if ((style & 3) == 3 || (style & 2) == 2 || (style & 5) == 5) {
      return DialogChildWrapper::kCheckBox;
    }
    if ((style & 9) == 9 || (style & 4) == 4) return DialogChildWrapper::kRadioButton;
    return DialogChildWrapper::kButton;
  }
  if (name == L"combobox") {
    // A simple combo box has its list always open: nothing to skin.
    return (style & 3) != 1 ? DialogChildWrapper::kComBox : DialogChildWrapper::kNone;
  }
  if (name == L"comboboxex32") return DialogChildWrapper::kInnerComBox;
  if (name == L"scrollbar") return DialogChildWrapper::kSizer;
  if (name == L"systabcontrol32") {
    return (style & 0x2000) == 0 ? DialogChildWrapper::kTab : DialogChildWrapper::kNone;
  }
  if (name == L"edit") return DialogChildWrapper::kEdit;
  return DialogChildWrapper::kNone;
}

}  // namespace telvana
