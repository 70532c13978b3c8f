// TWinSkinForm: the frame skinner of one window. This part holds the window's control
// wrappers: the list the wrappers enter when they attach and leave when they go, and the
// button under the mouse. The frame itself (borders, caption, menu bar) is painted by the
// frame painting, which is not part of the program yet: until then a skinned window keeps the
// system's frame and only its controls wear the skin.
#pragma once

#include <windows.h>

#include <vector>

#include "ui/component.h"

namespace telvana {

class TSkinControl;

class TWinSkinForm : public ui::TComponent {
 public:
  explicit TWinSkinForm(ui::TComponent* owner) : TComponent(owner) {}
  // The wrappers that outlive this skinner forget it.
  ~TWinSkinForm() override;

  // Appends the wrapper unless it is listed; true when it was listed already.
  bool AddControl(TSkinControl& wrapper);
  // Removes the last occurrence of the wrapper.
  void RemoveControl(TSkinControl& wrapper);
  // Tells HotButton's window that the mouse left it (a wrapper without a window: nothing).
  void SendMouseLeave();

  std::vector<TSkinControl*> Wrappers;  // in order of attachment; not owned
  TSkinControl* HotButton = nullptr;    // the button wrapper under the mouse
};

}  // namespace telvana
