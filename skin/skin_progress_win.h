// TSkinProgress: a progress bar painted from the skin's Progress picture, either its second
// frame stretched over the filled part or, in chunk mode, the chunk picture repeated.
#pragma once

#include <windows.h>

#include "skin/skin_control_win.h"

namespace telvana {

class TSkinProgress : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(ui::TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;

 private:
  // The skin's Progress record when it has a picture.
  const struct TDataSkinBorder* Skin() const;
  int FilledWidth(int width) const;
};

}  // namespace telvana
