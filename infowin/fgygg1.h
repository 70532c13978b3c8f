// The public-service advertisement board, New Year page: its rules and one large picture
// that leads, like the button beside it, to the New Year programmes.
#pragma once

#include "infowin/information_form.h"

namespace telvana {

class TFgygg1 : public TInformationForm {
 public:
  explicit TFgygg1(ui::TComponent* owner) : TInformationForm(owner) {}
  static const ui::ClassInfo& StaticClass();
  const ui::ClassInfo& Class() const override { return StaticClass(); }

 protected:
  std::wstring DescriptionResource() const override { return L"FGYGG1"; }
  void RegisterHandlers() override;
};

}  // namespace telvana
