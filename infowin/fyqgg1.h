// The friendship advertisement board: its rules and eight places for partners.
#pragma once

#include "infowin/information_form.h"

namespace telvana {

class TFyqgg1 : public TInformationForm {
 public:
  explicit TFyqgg1(ui::TComponent* owner) : TInformationForm(owner) {}
  static const ui::ClassInfo& StaticClass();
  const ui::ClassInfo& Class() const override { return StaticClass(); }

 protected:
  std::wstring DescriptionResource() const override { return L"FYQGG1"; }
  void RegisterHandlers() override;
};

}  // namespace telvana
