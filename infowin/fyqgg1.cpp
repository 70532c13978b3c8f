#include "infowin/fyqgg1.h"

#include "web/site_addresses.h"

namespace telvana {

void TFyqgg1::RegisterHandlers() {
  RegisterClose("BitBtn1Click");
  RegisterPage("Image1DblClick", kShopPage);
  RegisterPage("Image3DblClick", kMakerSite);
  RegisterPage("Image4DblClick", kAdvertiserH);
}

const ui::ClassInfo& TFyqgg1::StaticClass() {
  static const ui::ClassInfo info{"TFyqgg1", &TForm::StaticClass(), nullptr, {}};
  return info;
}

}  // namespace telvana
