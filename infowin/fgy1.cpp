#include "infowin/fgy1.h"

#include "web/site_addresses.h"

namespace telvana {

void TFgy1::RegisterHandlers() {
  RegisterClose("Button1Click");
  RegisterPage("Image1DblClick", kAdvertiserC);
  RegisterPage("Image2DblClick", kAdvertiserD);
}

const ui::ClassInfo& TFgy1::StaticClass() {
  static const ui::ClassInfo info{"TFgy1", &TForm::StaticClass(), nullptr, {}};
  return info;
}

}  // namespace telvana
