// TSkinTrackBar: a track bar that draws its own ticks and channel and asks, through custom
// draw, for its thumb, which comes from the skin's ThumbHorz or ThumbVert picture.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "skin/skin_control_win.h"

namespace telvana {

class TSkinTrackBar : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(ui::TMessage& message) override;

 private:
  LRESULT CustomDraw(const NMCUSTOMDRAW& draw);
  void PaintThumb(HDC dc);
};

}  // namespace telvana
