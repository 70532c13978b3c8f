// About the program: what it is, its merits, its version and date, above two
// advertisements.
#pragma once

#include "infowin/information_form.h"

namespace telvana {

class TFgy1 : public TInformationForm {
 public:
  explicit TFgy1(ui::TComponent* owner) : TInformationForm(owner) {}
  static const ui::ClassInfo& StaticClass();
  const ui::ClassInfo& Class() const override { return StaticClass(); }

 protected:
  std::wstring DescriptionResource() const override { return L"FGY1"; }
  void RegisterHandlers() override;
};

}  // namespace telvana
