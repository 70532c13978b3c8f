// TSkinUpDown: the two arrows of an up-down control painted from the skin's UpDownVert or
// UpDownHorz pictures (or plainly, in the skin's colours, without them). The control still
// does the counting: presses reach it, the wrapper only follows them in the picture.
#pragma once

#include <windows.h>

#include "skin/skin_control_win.h"

namespace telvana {

class TSkinUpDown : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(ui::TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;

  // Draw one pixel inside the client area (arrows inside an edit's border).
  bool FInset = false;
  // Side by side whatever the style says (a tab set's scroller).
  bool FHorizontal = false;

 private:
  void PaintArrow(HDC dc, const RECT& part, int state, bool second, bool horizontal) const;
};

// Whether a wrapper made by another wrapper (its owner's, freed apart from it) is still
// there: the frame skinner frees wrappers of windows that went, and lists only live ones.
bool StillWrapped(const TWinSkinForm* form, const TSkinControl* wrapper);

}  // namespace telvana
