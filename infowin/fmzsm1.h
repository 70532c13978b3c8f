// The disclaimer: the maker's five points on the streams the program finds, above two
// advertisements.
#pragma once

#include "infowin/information_form.h"

namespace telvana {

class TFmzsm1 : public TInformationForm {
 public:
  explicit TFmzsm1(ui::TComponent* owner) : TInformationForm(owner) {}
  static const ui::ClassInfo& StaticClass();
  const ui::ClassInfo& Class() const override { return StaticClass(); }

 protected:
  std::wstring DescriptionResource() const override { return L"FMZSM1"; }
  void RegisterHandlers() override;
};

}  // namespace telvana
