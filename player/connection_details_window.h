// The connection details window: a small tool window of ours that the player control opens
// when its status text is clicked, listing the attempts of the current opening and what
// plays. The text is a read-only edit box, so that it can be selected and copied (Ctrl+C, or
// the box's own context menu). It is a form of the program, so the skin dresses it like the
// others.
#pragma once

#include <string>
#include <vector>

#include "ui/forms.h"

namespace telvana {

class TConnectionDetails : public ui::TForm {
 public:
  explicit TConnectionDetails(ui::TComponent* owner = nullptr);
  static const ui::ClassInfo& StaticClass();
  const ui::ClassInfo& Class() const override { return StaticClass(); }

  // Replaces the text when it differs (an unchanged text keeps the selection).
  void SetLines(const std::vector<std::u16string>& lines);
  std::wstring Text() const;
  HWND TextHandle() const;

 protected:
  // Made in code, not read from a stored description.
  std::wstring DescriptionResource() const override { return {}; }

 private:
  class TDetailsText;
  TDetailsText* text_ = nullptr;
};

}  // namespace telvana
