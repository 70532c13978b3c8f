// The owner-drawn menu items a skinned window measures and draws: the items of its menu
// bar's drop-downs, of its form's context menus and of the engine's system menu, all through
// the skinned item painter, over the background of the popup window that shows them.
#include <algorithm>

#include "skin/skin_data.h"
#include "skin/skin_manage_win.h"
#include "skin/skin_menu_item_win.h"
#include "skin/win_skin_form.h"
#include "skin/win_skin_menu.h"
#include "skin/win_skin_pop_menu.h"
#include "ui/forms.h"
#include "ui/menus.h"

namespace telvana {

namespace {

bool Disabled(UINT state) {
  return (state & (ODS_GRAYED | ODS_DISABLED)) != 0;
}

MenuItemView ViewOfItem(const ui::TMenuItem& item) {
  MenuItemView view;
  view.caption = item.Caption();
  view.shortcut = ui::ShortCutToText(item.ShortCut());
  view.checked = item.Checked();
  view.enabled = item.Enabled();
  return view;
}

// The popup window that shows the item being drawn, and where the item lies in its
// background. The window is known from the DC when the system paints the popup; otherwise a
// popup that painted without knowing its menu takes this one.
MenuItemBackdrop BackdropFor(const DRAWITEMSTRUCT& draw) {
  MenuItemBackdrop backdrop;
  auto* manager = dynamic_cast<TSkinManage*>(SkinManager());
  if (!manager) return backdrop;
  const auto menu = reinterpret_cast<HMENU>(draw.hwndItem);
  TWinSkinPopMenu* popup = manager->PopupOfWindow(::WindowFromDC(draw.hDC));
  if (popup && !popup->MenuHandle()) popup->SetMenuHandle(menu);
  if (!popup && WaitingPopup()) {
    WaitingPopup()->SetMenuHandle(menu);
    SetWaitingPopup(nullptr);
  }
  if (popup && WaitingPopup() == popup) SetWaitingPopup(nullptr);
  if (!popup) popup = manager->PopupShowing(menu);
  if (popup && !popup->Background().empty()) {
    backdrop.picture = &popup->Background();
    backdrop.offset = popup->ClientOffset();
  }
  return backdrop;
}

}  // namespace

bool TWinSkinForm::FindMenuItemView(UINT command, ULONG_PTR data, HMENU menu,
                                    MenuItemView& view) const {
  if (!system_items_.empty() && data >= reinterpret_cast<ULONG_PTR>(&system_items_.front()) &&
      data <= reinterpret_cast<ULONG_PTR>(&system_items_.back())) {
    const auto& entry = *reinterpret_cast<const SystemPopupEntry*>(data);
    view.caption = entry.tag == kSystemSeparatorTag ? std::wstring(L"-") : entry.caption;
    view.shortcut = entry.shortcut;
    return true;
  }
  if (form_) {
    auto owns = [&](ui::TMenu* owner) {
      ui::TMenuItem* item = owner ? owner->FindItem(command) : nullptr;
      if (!item || reinterpret_cast<ULONG_PTR>(item) != data || item->OnDrawItem) return false;
      view = ViewOfItem(*item);
      return true;
    };
    if (menu_bar_ && owns(form_->Menu())) return true;
    for (ui::TPopupMenu* popup : skinned_popups_) {
      if (owns(popup)) return true;
    }
    if (menu_bar_) return false;
  }
  // A window without a form: the items of its menu bar's drop-down.
  HMENU source = menu ? menu : (menu_bar_ ? menu_bar_->OpenMenu() : nullptr);
  if (!source) return false;
  view = ViewOfMenuHandleItem(source, command, false);
  return true;
}

bool TWinSkinForm::MenuItemMessage(UINT msg, LPARAM lparam) {
  if (!SkinData || SkinData->SkinNotReady()) return false;
  if (msg == WM_MEASUREITEM) {
    auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lparam);
    MenuItemView view;
    if (measure.CtlType != ODT_MENU ||
        !FindMenuItemView(measure.itemID, measure.itemData, nullptr, view)) {
      return false;
    }
    win::WindowDc dc(WindowHandle);
    const MenuItemSize size = MeasureSkinnedItem(dc.get(), SkinData, view);
    measure.itemWidth = static_cast<UINT>(size.width);
    measure.itemHeight = static_cast<UINT>(size.height);
    return true;
  }
  auto& draw = *reinterpret_cast<DRAWITEMSTRUCT*>(lparam);
  const auto menu = reinterpret_cast<HMENU>(draw.hwndItem);
  MenuItemView view;
  if (draw.CtlType != ODT_MENU || !FindMenuItemView(draw.itemID, draw.itemData, menu, view)) {
    return false;
  }
  if (Disabled(draw.itemState)) view.enabled = false;
  MENUITEMINFOW info{sizeof(info)};
  info.fMask = MIIM_FTYPE | MIIM_STATE;
  if (::GetMenuItemInfoW(menu, draw.itemID, FALSE, &info)) {
    view.right_to_left = (info.fType & MFT_RIGHTORDER) != 0;
    view.is_default = (info.fState & MFS_DEFAULT) != 0;
  }
  try {
    SkinnedItemDraw(draw.hDC, *SkinData, view, draw.rcItem, (draw.itemState & ODS_SELECTED) != 0,
                    BackdropFor(draw));
  } catch (...) {
    // An item that could not be drawn now is drawn again when the menu repaints.
  }
  return true;
}

void TWinSkinForm::SetPopupMenusOwnerDraw(bool on) {
  if (!on) {
    for (ui::TPopupMenu* popup : skinned_popups_) popup->SetOwnerDraw(false);
    skinned_popups_.clear();
    return;
  }
  if (!form_ || !SkinData ||
      !(SkinData->SkinControls & SkinControlBit(TSkinControlType::xcPopupMenu))) {
    return;
  }
  for (const auto& component : form_->Components()) {
    auto* popup = dynamic_cast<ui::TPopupMenu*>(component.get());
    if (!popup || popup->Tag % 100 == SkinData->DisableTag) continue;
    if (std::find(skinned_popups_.begin(), skinned_popups_.end(), popup) != skinned_popups_.end()) {
      continue;
    }
    popup->SetOwnerDraw(true);
    skinned_popups_.push_back(popup);
  }
}

}  // namespace telvana
