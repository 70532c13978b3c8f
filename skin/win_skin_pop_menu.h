// TWinSkinPopMenu: the skinner of one popup menu window (class "#32768") while it is shown.
// For now it takes over the window's procedure and says that the window is skinned; the menu
// is still drawn by the system until the popup painting takes over.
#pragma once

#include <windows.h>

#include "ui/window_subclass.h"

namespace telvana {

class TSkinData;

class TWinSkinPopMenu {
 public:
  // False when the window cannot be subclassed.
  bool Attach(HWND window, TSkinData& skin_data);
  // Gives the window its procedure back.
  void Release() { subclass_.Release(); }
  HWND Window() const { return window_; }
  TSkinData* SkinData() const { return skin_data_; }

 private:
  LRESULT WndProc(UINT msg, WPARAM wparam, LPARAM lparam);

  ui::WindowSubclass subclass_;
  HWND window_ = nullptr;
  TSkinData* skin_data_ = nullptr;  // not owned
};

}  // namespace telvana
