// MDI frames and children under a skinned frame: the MDI client of a frame is watched so that
// new children are skinned as they come and the menu bar follows the frame's menu, and the
// manager's mode of a maximised child is entered and left as the children change.
#include "skin/skin_data.h"
#include "skin/skin_manage_win.h"
#include "skin/skin_messages.h"
#include "skin/win_skin_form.h"
#include "skin/win_skin_menu.h"
#include "ui/forms.h"
#include "ui/menus.h"

namespace telvana {

bool TWinSkinForm::MdiMaxMode() const {
  return Manager && Manager->MdiMaxMode;
}

void TWinSkinForm::SetMdiMax(bool on) {
  if (Manager) Manager->SetMdiMax(on);
}

bool TWinSkinForm::ActiveMdiChildMaximised() const {
  if (!mdi_client_.Attached()) return false;
  BOOL maximised = FALSE;
  const auto active = ::SendMessageW(mdi_client_.Window(), WM_MDIGETACTIVE, 0,
                                     reinterpret_cast<LPARAM>(&maximised));
  return active != 0 && maximised;
}

void TWinSkinForm::AttachMdiClient() {
  HWND client = ::FindWindowExW(WindowHandle, nullptr, L"MDIClient", nullptr);
  if (!client) return;
  if (Manager) Manager->MdiClientWindow = client;
  if (SkinData) menu_update_ = SkinData->MenuUpdate;
  mdi_client_.Attach(client, [this](UINT msg, WPARAM wparam, LPARAM lparam) {
    return MdiClientMessage(msg, wparam, lparam);
  });
}

LRESULT TWinSkinForm::MdiClientMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
  const HWND client = mdi_client_.Window();
  switch (msg) {
    case WM_NCCALCSIZE:
      if (FrameSkinned) {
        const LONG style = ::GetWindowLongW(client, GWL_STYLE);
        if (style & (WS_HSCROLL | WS_VSCROLL)) {
          ::SetWindowLongW(client, GWL_STYLE, style & ~(WS_HSCROLL | WS_VSCROLL));
        }
      }
      break;
    case WM_MDICREATE: {
      if (SkinData) SkinData->MenuUpdate = false;
      const LRESULT child = mdi_client_.CallNext(msg, wparam, lparam);
      new_mdi_child_ = reinterpret_cast<HWND>(child);
      return child;
    }
    case WM_MDIDESTROY: {
      const LRESULT result = mdi_client_.CallNext(msg, wparam, lparam);
      if (FrameSkinned) {
        if (Manager) Manager->PurgeDeadSkinners();
        SetMdiMax(ActiveMdiChildMaximised());
        if (menu_bar_ && Manager && Manager->CountChildSkinners() == 0) {
          if (SkinData) SkinData->MenuUpdate = menu_update_;
          if (form_ && form_->Menu()) menu_bar_->BuildFromHandle(form_->Menu()->Handle());
          ::PostMessageW(WindowHandle, WM_SKINREPAINT, 0, 0);
        }
      }
      return result;
    }
    case WM_MDITILE:
    case WM_MDICASCADE:
      if (FrameSkinned && MdiMaxMode()) SetMdiMax(false);
      break;
    case WM_MDISETMENU: {
      const HMENU bar_menu = menu_bar_ ? menu_bar_->Menu() : nullptr;
      const LRESULT result = mdi_client_.CallNext(msg, wparam, lparam);
      if (FrameSkinned && wparam && menu_bar_) {
        if (reinterpret_cast<HMENU>(wparam) != bar_menu || new_mdi_child_) {
          menu_bar_->BuildFromHandle(reinterpret_cast<HMENU>(wparam));
        }
        if (::GetMenu(WindowHandle)) ::SetMenu(WindowHandle, nullptr);
      }
      return result;
    }
    case WM_MDIREFRESHMENU: {
      const LRESULT result = mdi_client_.CallNext(msg, wparam, lparam);
      if (menu_bar_ && ::GetMenu(WindowHandle)) menu_bar_->BuildFromHandle(::GetMenu(WindowHandle));
      if (new_mdi_child_) {
        if (Manager) Manager->SkinWindow(new_mdi_child_);
        ::PostMessageW(WindowHandle, WM_SKINREPAINT, 0, 0);
        new_mdi_child_ = nullptr;
      }
      return result;
    }
    default:
      break;
  }
  return mdi_client_.CallNext(msg, wparam, lparam);
}

}  // namespace telvana
