// TSkinTrackBar: a track bar that draws its own ticks and channel and asks, through custom
// draw, for its thumb, which comes from the skin's ThumbHorz or ThumbVert picture. Its
// background is the skin's face, as the form around it.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "skin/skin_control_win.h"
#include "ui/win_handles.h"

namespace telvana {

class TSkinTrackBar : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(ui::TMessage& message) override;

 private:
  LRESULT CustomDraw(const NMCUSTOMDRAW& draw);
  void PaintThumb(HDC dc);
  // The brush of the skin's face colour, made again when the colour changes.
  HBRUSH FaceBrush();

  win::Brush face_brush_;
  COLORREF face_colour_ = CLR_INVALID;
};

}  // namespace telvana
