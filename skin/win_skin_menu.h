// TWinSkinMenu: the menu bar of a skinned window, drawn inside the frame between the caption
// band and the client area. It takes the window's menu off the system's bar, keeps one
// TMenuBtn per top-level item, paints the bar and opens an item's drop-down. The bar is drawn
// plainly in the skin's face and text colours; the menu bar and drop-down pictures of the skin
// are the menu painting's, which comes later.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/win_skin_form.h"

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
  // Shows the drop-down of button `index` below it and runs the menu's loop; its command
  // reaches the window as WM_COMMAND.
  void OpenDropDown(int index);
  bool Tracking() const { return tracking_; }
  const std::vector<std::unique_ptr<TMenuBtn>>& Buttons() const { return buttons_; }

 private:
  TWinSkinForm& owner_;
  HMENU menu_ = nullptr;
  std::vector<std::unique_ptr<TMenuBtn>> buttons_;
  bool tracking_ = false;
};

}  // namespace telvana
