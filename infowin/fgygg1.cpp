#include "infowin/fgygg1.h"

#include "web/site_addresses.h"

namespace telvana {

void TFgygg1::RegisterHandlers() {
  RegisterClose("BitBtn1Click");
  RegisterPage("Image1DblClick", kNewYearProgramme);
  RegisterPage("BitBtn2Click", kNewYearProgramme);
}

const ui::ClassInfo& TFgygg1::StaticClass() {
  static const ui::ClassInfo info{"TFgygg1", &TForm::StaticClass(), nullptr, {}};
  return info;
}

}  // namespace telvana
