#include "infowin/fmzsm1.h"

#include "web/site_addresses.h"

namespace telvana {

void TFmzsm1::RegisterHandlers() {
  RegisterClose("BitBtn1Click");
  RegisterPage("Image2DblClick", kAdvertiserA);
  RegisterPage("Image1DblClick", kAdvertiserB);
}

const ui::ClassInfo& TFmzsm1::StaticClass() {
  static const ui::ClassInfo info{"TFmzsm1", &TForm::StaticClass(), nullptr, {}};
  return info;
}

}  // namespace telvana
