// TWinSkinForm: the frame skinner of one window. This part holds the window's control
// wrappers: which wrapper each control gets (skin_component_rules_win.cpp), the list the
// wrappers enter when they attach and leave when they go, and the button under the mouse;
// and the attaching to the window (win_skin_form_attach_win.cpp): its window procedure
// replaced, its controls wrapped, and all of it given back on detach. The frame
// itself (borders, caption, menu bar) is painted by the frame painting, which is not part of the
// program yet: until then a skinned window keeps the system's frame and only its controls wear the
// skin.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "ui/component.h"
#include "ui/graphics.h"
#include "ui/window_subclass.h"

namespace telvana {

namespace ui {
class TForm;
}
class TSkinControl;
class TSkinData;

// The life-cycle values of State, which the skin manager reads to find dead skinners.
enum SkinFormState : std::int32_t {
  kFormCreated = 0,
  kFormReady = 1,  // WM_SKININIT came
  kFormRefreshing = 3,
  kFormDestroying = 4,  // the window is having its last message
  kFormDead = 6,        // the window is gone; the manager frees the skinner
};

class TWinSkinForm : public ui::TComponent {
 public:
  explicit TWinSkinForm(ui::TComponent* owner) : TComponent(owner) {}
  // The wrappers that outlive this skinner forget it; the window gets its procedure back.
  ~TWinSkinForm() override;

  // Attaches to `form`'s window: the form takes the skin's face colour, its controls get
  // their wrappers. False when the window cannot be subclassed (nothing is changed then).
  bool AttachForm(TSkinData& skin_data, ui::TForm& form);
  // Attaches to WindowHandle, a window without a form: its child windows get wrappers.
  bool AttachFrame(TSkinData& skin_data);
  // Gives back everything attaching changed: wrappers, colour, window procedure.
  void Detach();
  // The skin changed: colours and wrappers take it.
  void RefreshSkin();
  bool Subclassed() const { return subclass_.Attached(); }
  ui::TForm* Form() const { return form_; }

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
  std::int32_t State = kFormCreated;
  // Called from the destructor: whoever lists this skinner forgets it.
  std::function<void(TWinSkinForm&)> OnFree;

 private:
  LRESULT SkinWndProc(UINT msg, WPARAM wparam, LPARAM lparam);
  void WrapControls();

  // Only the window procedure is replaced: the system still draws the frame, which the
  // frame painting will take over.
  ui::WindowSubclass subclass_;
  ui::TForm* form_ = nullptr;
  ui::TColor old_color_ = 0;
};

}  // namespace telvana
