#include "infowin/flxxz1.h"

#include "web/site_addresses.h"

namespace telvana {

void TFlxxz1::RegisterHandlers() {
  RegisterClose("BitBtn1Click");
  RegisterPage("Image1DblClick", kMakerSite);
  RegisterPage("Image2DblClick", kMakerSite);
  RegisterPage("Image3DblClick", kMakerSite);
}

const ui::ClassInfo& TFlxxz1::StaticClass() {
  static const ui::ClassInfo info{"TFlxxz1", &TForm::StaticClass(), nullptr, {}};
  return info;
}

}  // namespace telvana
