#include "skin/skin_later_wrappers_win.h"

namespace telvana {

void TSkinScrollbar::AttachScrolled(ui::TComponent& component, TSkinData& skin_data,
                                    bool handle_clicks, TWinSkinForm* form, HDC canvas) {
  handle_clicks_ = handle_clicks;
  if (&component == Owner() && dynamic_cast<ui::TWinControl*>(&component)) {
    AttachControl(form, skin_data, false, canvas);
    return;
  }
  if (auto* control = dynamic_cast<ui::TWinControl*>(&component)) {
    control->CreateHandle();
    AttachWindow(control->Handle(), skin_data, form, canvas);
  }
}

}  // namespace telvana
