// A group box: an etched frame with a caption in its top edge, around the controls it
// holds. Its frame is a window of its own, so it can react to the mouse (a double-click on
// the frame) where the controls inside do not cover it.
#pragma once

#include <windows.h>

#include "ui/text_controls.h"

namespace telvana::ui {

class TGroupBox : public TParentColoredControl {
 public:
  explicit TGroupBox(TComponent* owner);
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  void SetCaption(const std::wstring& caption) override;
  // Aligned controls stay inside the frame and below the caption.
  RECT AlignArea() const override;

 protected:
  void FontChanged() override;
  void Paint(HDC dc, const RECT& area) override;

 private:
  int TextHeight() const;
  mutable int text_height_ = 0;  // of the font, measured on first use
};

}  // namespace telvana::ui
