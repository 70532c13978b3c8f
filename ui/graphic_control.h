// Controls without a window of their own (labels, pictures, bevels): their parent window
// paints them in its WM_PAINT and passes them its mouse messages. A window costs its creation
// at start-up and its messages afterwards; a control that only shows something and takes a
// click needs neither.
//
// Graphic controls lie beneath the windowed controls of the same parent and stack among
// themselves as sibling windows of this framework do: the first created on top.
#pragma once

#include <windows.h>

#include "ui/control.h"

namespace telvana::ui {

class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* owner) : TControl(owner) {}
  ~TGraphicControl() override;

  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  void SetParent(TWinControl* parent) override;
  void SetBounds(int left, int top, int width, int height) override;
  void SetVisible(bool visible) override;
  void SetColor(TColor color) override;
  void SetCaption(const std::wstring& caption) override;

  // A disabled control takes no mouse input: its parent gets it.
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  // Has the parent paint the control's rectangle again.
  void Invalidate();
  void HintChanged() override;

  HFONT FontHandle();

 protected:
  // Paints the control on its parent's DC, whose origin is the control's top left corner and
  // whose clipping keeps to the control; `area` is (0, 0, Width(), Height()). What the control
  // leaves unpainted shows its parent.
  virtual void Paint(HDC dc, const RECT& area) = 0;
  void FontChanged() override;

 private:
  // The rectangle in the parent's window where the form's tooltip shows the hint; `shown`
  // false takes it away.
  void PlaceHint(bool shown);

  bool enabled_ = true;
  win::Font font_handle_;

  friend class TWinControl;  // paints the control
};

}  // namespace telvana::ui
