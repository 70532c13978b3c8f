#include "infowin/fhelp1.h"

#include "web/site_addresses.h"

namespace telvana {

void TFhelp1::RegisterHandlers() {
  RegisterClose("BitBtn1Click");
  RegisterPage("Image2DblClick", kAdvertiserA);
}

const ui::ClassInfo& TFhelp1::StaticClass() {
  static const ui::ClassInfo info{"TFhelp1", &TForm::StaticClass(), nullptr, {}};
  return info;
}

}  // namespace telvana
