#include "infowin/fsygg1.h"

#include "web/site_addresses.h"

namespace telvana {

void TFsygg1::RegisterHandlers() {
  RegisterClose("BitBtn1Click");
  RegisterPage("Image1DblClick", kAdvertiserE);
  RegisterPage("Image2DblClick", kMakerSite);
  RegisterPage("Image3DblClick", kAdvertiserF);
  RegisterPage("GroupBox4DblClick", kAdvertiserG);
}

const ui::ClassInfo& TFsygg1::StaticClass() {
  static const ui::ClassInfo info{"TFsygg1", &TForm::StaticClass(), nullptr, {}};
  return info;
}

}  // namespace telvana
