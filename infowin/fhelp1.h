// The help window: what the program needs, how it is used, its shortcut keys and answers
// to the usual problems, beside an advertisement.
#pragma once

#include "infowin/information_form.h"

namespace telvana {

class TFhelp1 : public TInformationForm {
 public:
  explicit TFhelp1(ui::TComponent* owner) : TInformationForm(owner) {}
  static const ui::ClassInfo& StaticClass();
  const ui::ClassInfo& Class() const override { return StaticClass(); }

 protected:
  std::wstring DescriptionResource() const override { return L"FHELP1"; }
  void RegisterHandlers() override;
};

}  // namespace telvana
