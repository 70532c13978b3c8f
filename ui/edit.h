// A one-line edit box: the system's edit control, its text read back from the window.
#pragma once

#include <windows.h>

#include <string>

#include "ui/control.h"

namespace telvana::ui {

class TEdit : public TWinControl {
 public:
  explicit TEdit(TComponent* owner);
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  // What the box holds now (the window's text once it has one).
  std::wstring Text() const;
  void SetText(const std::wstring& text);
  // Selects the whole text and puts the caret in the box.
  void SelectAllAndFocus();

 protected:
  void FillCreateParams(CreateParams& params) override;
  void HandleCreated() override;

 private:
  std::wstring text_;
};

}  // namespace telvana::ui
