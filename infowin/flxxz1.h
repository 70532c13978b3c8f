// Contact: how to reach the maker and what the maker is, above the maker's own
// advertisement places.
#pragma once

#include "infowin/information_form.h"

namespace telvana {

class TFlxxz1 : public TInformationForm {
 public:
  explicit TFlxxz1(ui::TComponent* owner) : TInformationForm(owner) {}
  static const ui::ClassInfo& StaticClass();
  const ui::ClassInfo& Class() const override { return StaticClass(); }

 protected:
  std::wstring DescriptionResource() const override { return L"FLXXZ1"; }
  void RegisterHandlers() override;
};

}  // namespace telvana
