// TWinSkinForm: the frame skinner of one window. This part holds the window's control
// wrappers: which wrapper each control gets (skin_component_rules_win.cpp), the list the
// wrappers enter when they attach and leave when they go, and the button under the mouse. The frame
// itself (borders, caption, menu bar) is painted by the frame painting, which is not part of the
// program yet: until then a skinned window keeps the system's frame and only its controls wear the
// skin.
#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

#include "ui/component.h"

namespace telvana {

class TSkinControl;
class TSkinData;

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

  // Gives every control that `container` owns the wrapper its kind calls for, after freeing
  // the wrappers whose window is gone.
  void SkinChildControls(ui::TComponent& container);
  // Chooses and attaches the wrapper of one component of `container`, if it gets one.
  void SkinComponent(ui::TComponent& component, ui::TComponent& container);
  // Acts on the Skin3rd line that names `class_name`; true when there is one (the component
  // then counts as handled, with or without a wrapper).
  bool MapThirdPartyClass(std::string_view class_name, ui::TComponent& component);
  // For a window without a form (message boxes, common dialogs): wraps its child windows.
  void SkinDialogChildren();
  void SkinDialogChild(HWND child);
  bool IsScrollableControl(const ui::TComponent& component) const;
  bool IsAlreadyWrapped(const ui::TComponent& component) const;
  // Frees the wrappers whose window had its last message.
  void SweepDeadWrappers();
  // Gives back what every wrapper changed and frees them all.
  void ReleaseWrappers();

  HWND WindowHandle = nullptr;
  TSkinData* SkinData = nullptr;        // the skin the manager chose; not owned
  HDC Canvas = nullptr;                 // lent to the wrappers
  std::vector<TSkinControl*> Wrappers;  // in order of attachment; not owned
  TSkinControl* HotButton = nullptr;    // the button wrapper under the mouse
};

}  // namespace telvana
