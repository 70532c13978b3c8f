// TSkinStatusBar: a status bar painted whole from the skin: each panel an element of the
// StatusBarEdges picture (sunken, raised or flat), its text in the skin's colour, and the
// size grip from ExtraImages. Without StatusBarEdges the panels get a plain one-pixel edge.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "skin/skin_control_win.h"

namespace telvana {

class TSkinStatusBar : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(ui::TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;

  // What one panel shows. Look: 1 sunken, 2 raised, 3 flat.
  struct PanelFace {
    RECT rect{};
    std::wstring text;
    UINT align = DT_LEFT;
    int look = 1;
  };

 private:
  // The panels as the bar holds them now, the last one reaching `right`; a bar in simple
  // mode or without panels is one sunken panel over `whole`.
  std::vector<PanelFace> ReadPanels(const RECT& whole) const;
  void PaintPanel(HDC dc, const PanelFace& panel) const;
};

}  // namespace telvana
