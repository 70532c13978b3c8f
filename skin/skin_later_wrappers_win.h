// The wrappers of scrolling controls and size grips. They attach, take part in the frame
// skinner's list and pass every message on; their painting from the skin comes later, so
// until then these controls look as the system draws them.
#pragma once

#include <windows.h>

#include "skin/skin_control_win.h"

namespace telvana {

// A wrapper that attaches and changes nothing yet.
class TSkinPassingControl : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  void AfterMessage(ui::TMessage&) override {}
};

class TSkinScrollbar : public TSkinPassingControl {
 public:
  using TSkinPassingControl::TSkinPassingControl;
  // Attaches to `component`: a framework control through its handler when it is the
  // wrapper's owner, else its window by handle.
  void AttachScrolled(ui::TComponent& component, TSkinData& skin_data, bool handle_clicks,
                      TWinSkinForm* form, HDC canvas);
  // Whether the bars take the mouse themselves (memos and lists) or leave it to the control.
  bool HandleClicks() const { return handle_clicks_; }

 private:
  bool handle_clicks_ = false;
};

class TSkinSizer : public TSkinPassingControl {
 public:
  using TSkinPassingControl::TSkinPassingControl;
};

}  // namespace telvana
