// TWinSkinPopMenu: the skinner of one popup menu window (class "#32768") while it is shown.
// It paints the window's frame from the skin's MenuBackground picture and keeps that picture
// at the window's size as the background the menu's items are drawn over (the item painter
// asks the manager for it by menu handle, skin_menu_item_win.h).
#pragma once

#include <windows.h>

#include "ui/pixel_image.h"
#include "ui/window_subclass.h"

namespace telvana {

class TSkinData;

class TWinSkinPopMenu {
 public:
  TWinSkinPopMenu() = default;
  ~TWinSkinPopMenu();
  TWinSkinPopMenu(const TWinSkinPopMenu&) = delete;
  TWinSkinPopMenu& operator=(const TWinSkinPopMenu&) = delete;

  // False when the window cannot be subclassed.
  bool Attach(HWND window, TSkinData& skin_data);
  // Gives the window its procedure back and lets the background go.
  void Release();
  HWND Window() const { return window_; }
  TSkinData* SkinData() const { return skin_data_; }
  // The menu this window shows; null until the first of its items is drawn.
  HMENU MenuHandle() const { return menu_; }
  void SetMenuHandle(HMENU menu) { menu_ = menu; }
  // The background at the window's size from the last paint; empty before.
  const PixelImage& Background() const { return background_; }
  // Where the window's client area starts in the background (the popup's frame).
  POINT ClientOffset() const;

 private:
  LRESULT WndProc(UINT msg, WPARAM wparam, LPARAM lparam);
  // Builds the background from the skin; false when the skin has no MenuBackground picture
  // or the menu shown is drawn by the system.
  bool BuildBackground();
  bool ShowsSkinnedItems() const;
  void PaintPopupFrame(HDC dc);
  LRESULT PrintPopup(WPARAM wparam, LPARAM lparam);

  ui::WindowSubclass subclass_;
  HWND window_ = nullptr;
  TSkinData* skin_data_ = nullptr;  // not owned
  HMENU menu_ = nullptr;            // not owned
  PixelImage background_;
};

// The popup skinner that painted before it knew its menu; the next item drawn names it.
TWinSkinPopMenu* WaitingPopup();
void SetWaitingPopup(TWinSkinPopMenu* popup);

}  // namespace telvana
