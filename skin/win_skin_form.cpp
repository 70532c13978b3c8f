#include "skin/win_skin_form.h"

#include <algorithm>

#include "skin/skin_control_win.h"
#include "skin/win_skin_menu.h"
#include "ui/control.h"
#include "ui/std_controls.h"

namespace telvana {

TWinSkinForm::TWinSkinForm(ui::TComponent* owner) : TComponent(owner) {}

TWinSkinForm::~TWinSkinForm() {
  for (TSkinControl* wrapper : Wrappers) wrapper->ForgetForm();
  if (OnFree) OnFree(*this);
}

bool TWinSkinForm::AddControl(TSkinControl& wrapper) {
  if (std::find(Wrappers.begin(), Wrappers.end(), &wrapper) != Wrappers.end()) return true;
  Wrappers.push_back(&wrapper);
  return false;
}

void TWinSkinForm::RemoveControl(TSkinControl& wrapper) {
  auto last = std::find(Wrappers.rbegin(), Wrappers.rend(), &wrapper);
  if (last != Wrappers.rend()) Wrappers.erase(std::next(last).base());
  if (HotButton == &wrapper) HotButton = nullptr;
}

void TWinSkinForm::SendMouseLeave() {
  if (HotButton && HotButton->Handle()) {
    ::SendMessageW(HotButton->Handle(), ui::CM_MOUSELEAVE, 0, 0);
  }
}

}  // namespace telvana
