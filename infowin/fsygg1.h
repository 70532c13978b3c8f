// The commercial advertisement board: its rules and four places for sale. The fourth place
// reacts on its frame; its picture does nothing.
#pragma once

#include "infowin/information_form.h"

namespace telvana {

class TFsygg1 : public TInformationForm {
 public:
  explicit TFsygg1(ui::TComponent* owner) : TInformationForm(owner) {}
  static const ui::ClassInfo& StaticClass();
  const ui::ClassInfo& Class() const override { return StaticClass(); }

 protected:
  std::wstring DescriptionResource() const override { return L"FSYGG1"; }
  void RegisterHandlers() override;
};

}  // namespace telvana
