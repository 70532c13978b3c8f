// TSkinEdit: an edit box whose border becomes a line in the skin's shadow colour with a
// white line inside, and whose spin button, if it has one, is skinned as an up-down.
#pragma once

#include <windows.h>

#include "skin/skin_control_win.h"

namespace telvana {

class TSkinUpDown;

class TSkinEdit : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(ui::TMessage& message) override;
  void AfterMessage(ui::TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;

  // The spin button's wrapper, while there is one.
  TSkinUpDown* UpDown() const;

 private:
  // The spin button among the edit's child windows, skinned once found.
  void FindUpDown();
  // Whether the window has a border around its client area.
  bool HasBorder(const RECT& rect) const;
  void PaintPrintBorder(HDC dc);

  // Owned by the edit wrapper's owner, like every wrapper.
  TSkinUpDown* FUpDown = nullptr;
};

}  // namespace telvana
