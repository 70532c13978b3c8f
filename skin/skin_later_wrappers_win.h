// The wrappers of status bars, tabs, track bars, up-down controls, progress bars, edits and
// combo boxes. They attach, take part in the frame skinner's list and pass every message on;
// their painting from the skin comes later, so until then these controls look as the system
// draws them.
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

class TSkinStatusBar : public TSkinPassingControl {
 public:
  using TSkinPassingControl::TSkinPassingControl;
};

class TSkinTab : public TSkinPassingControl {
 public:
  using TSkinPassingControl::TSkinPassingControl;
};

class TSkinTab31 : public TSkinPassingControl {
 public:
  using TSkinPassingControl::TSkinPassingControl;
};

class TSkinTrackBar : public TSkinPassingControl {
 public:
  using TSkinPassingControl::TSkinPassingControl;
};

class TSkinUpDown : public TSkinPassingControl {
 public:
  using TSkinPassingControl::TSkinPassingControl;
};

class TSkinProgress : public TSkinPassingControl {
 public:
  using TSkinPassingControl::TSkinPassingControl;
};

class TSkinEdit : public TSkinPassingControl {
 public:
  using TSkinPassingControl::TSkinPassingControl;
};

class TSkinComBox : public TSkinPassingControl {
 public:
  using TSkinPassingControl::TSkinPassingControl;
};

}  // namespace telvana
