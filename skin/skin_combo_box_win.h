// TSkinComBox: a combo box whose frame comes from the skin's SunkEdge picture and whose drop
// button from ComboButton (mirrored for a box with its button at the left), with the arrow
// glyph of ExtraImages; the text area keeps the control's own drawing. A skin whose
// ComboButton has style 1 gets the simple look: a flat frame and a slim button.
#pragma once

#include <windows.h>

#include "skin/skin_control_win.h"

namespace telvana {

class TSkinComBox : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  void AfterMessage(ui::TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;

 private:
  void PaintSimple(HDC dc, const RECT& rect, int state);

  // The window's style and extended style at the last paint.
  LONG FStyle = 0;
  LONG FExStyle = 0;
};

}  // namespace telvana
