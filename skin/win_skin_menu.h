// TWinSkinMenu: the menu bar of a skinned window, drawn inside the frame between the caption
// band and the client area from the skin's MenuBar picture. It takes the window's menu off
// the system's bar, keeps one TMenuBtn per top-level item, paints the bar and opens an
// item's drop-down, whose items the skinned item painter draws. While a drop-down is open a
// message filter lets the arrow keys and the mouse move to the neighbouring drop-downs
// (win_skin_menu_tracking_win.cpp).
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/win_skin_form.h"
#include "ui/pixel_image.h"

namespace telvana {

class TWinSkinMenu;

class TMenuBtn : public TNCObject {
 public:
  TMenuBtn(TWinSkinForm& owner, TWinSkinMenu& bar, int index, std::wstring caption);
  void MouseDown() override;
  void Paint(HDC dc) override;

  int Index;
  std::wstring Caption;
  bool Enabled = true;
  HMENU SubMenu = nullptr;  // null for an item without subitems
  UINT Command = 0;

 private:
  TWinSkinMenu& bar_;
};

class TWinSkinMenu {
 public:
  explicit TWinSkinMenu(TWinSkinForm& owner) : owner_(owner) {}
  // Takes `menu` from the window's system bar and makes a button for each top-level item.
  void BuildFromHandle(HMENU menu);
  // Makes the buttons anew from the menu held.
  void RebuildFromItems();
  // Gives the window its menu back on the system's bar.
  void GiveBack();
  HMENU Menu() const { return menu_; }

  // Lays the buttons out across `bar` (window coordinates) and paints the bar on `dc`.
  void PaintBar(HDC dc, const RECT& bar);
  // The button under a window point, or null.
  TMenuBtn* ButtonAt(POINT window_point);
  // The enabled button whose caption has `key` as its accelerator, or null.
  TMenuBtn* ButtonForKey(wchar_t key);
  // Posts the button's command and shows its drop-down below it until the drop-down closes
  // (and, when the user moves to a neighbouring button meanwhile, that button's drop-down,
  // and so on). The item chosen reaches the window as WM_COMMAND. False when the button has
  // no drop-down.
  bool OpenDropDown(int index);
  // A drop-down of this bar is tracked (Alt pressed during the tracking ends this early).
  bool Tracking() const { return tracking_active_; }
  // The drop-down shown now, or null.
  HMENU OpenMenu() const { return open_menu_; }
  const std::vector<std::unique_ptr<TMenuBtn>>& Buttons() const { return buttons_; }
  TWinSkinForm& Owner() const { return owner_; }
  // The bar's band as last painted, before any caption was written on it.
  const PixelImage& Background() const { return background_; }
  const RECT& BarRect() const { return bar_rect_; }
  // A button's caption centred in `box`, in the bar's text colour (shadow when disabled).
  void DrawCaption(HDC dc, const TMenuBtn& button, const RECT& box) const;

 private:
  friend class MenuTracking;

  TWinSkinForm& owner_;
  HMENU menu_ = nullptr;
  std::vector<std::unique_ptr<TMenuBtn>> buttons_;
  bool in_loop_ = false;
  bool tracking_active_ = false;
  HMENU open_menu_ = nullptr;
  RECT bar_rect_{};
  PixelImage background_;
  bool painting_ = false;
  std::shared_ptr<int> alive_ = std::make_shared<int>(0);  // expires with the bar
};

// The state of the one drop-down tracked on this thread, for whoever needs to know.
bool MenuFilterHookInstalled();
int OpenDropDownIndex();  // -1 when no drop-down is open
// The window of `bar` was told of a selection in a menu (WM_MENUSELECT).
void MenuSelected(const TWinSkinMenu& bar, WPARAM wparam, LPARAM lparam);

}  // namespace telvana
