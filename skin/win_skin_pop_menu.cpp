#include "skin/win_skin_pop_menu.h"

#include "skin/skin_messages.h"

namespace telvana {

bool TWinSkinPopMenu::Attach(HWND window, TSkinData& skin_data) {
  if (!subclass_.Attach(window, [this](UINT msg, WPARAM wparam, LPARAM lparam) {
        return WndProc(msg, wparam, lparam);
      })) {
    return false;
  }
  window_ = window;
  skin_data_ = &skin_data;
  return true;
}

LRESULT TWinSkinPopMenu::WndProc(UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_SKINQUERY) return 1;
  return subclass_.CallNext(msg, wparam, lparam);
}

}  // namespace telvana
