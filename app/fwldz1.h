// The address window: asks for one network address to play.
#pragma once

#include <optional>
#include <string>

#include "ui/forms.h"

namespace telvana {

class TFwldz1 : public ui::TForm {
 public:
  explicit TFwldz1(ui::TComponent* owner) : TForm(owner) {}
  static const ui::ClassInfo& StaticClass();
  const ui::ClassInfo& Class() const override { return StaticClass(); }

  // Shows the window modally with `address` in its box, selected; the address given (without
  // surrounding blanks), or nothing when the user cancelled or gave none.
  std::optional<std::wstring> Ask(const std::wstring& address);

  void WndProc(ui::TMessage& message) override;
  // Tab moves on from the box to OK and Cancel and round; Enter presses the button that has
  // the focus, or OK.
  bool DialogKey(WPARAM key) override;

 protected:
  std::wstring DescriptionResource() const override { return L"FWLDZ1"; }
};

}  // namespace telvana
