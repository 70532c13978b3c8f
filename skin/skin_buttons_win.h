// The wrappers of buttons and boxes: push buttons and glyph buttons painted whole from the
// skin's Buttons picture; check boxes and radio buttons that draw themselves and get the
// skin's box glyph over their own; group boxes whose frame becomes a rounded line in the
// skin's shadow colour; panels that only take the skin's face colour.
#pragma once

#include <windows.h>

#include "skin/skin_control_win.h"
#include "ui/pixel_image.h"
#include "ui/win_handles.h"

namespace telvana {

class TSkinButton : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;

  bool BeforeMessage(ui::TMessage& message) override;
  void AfterMessage(ui::TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;

 protected:
  // Sizes FBuffer to `width` x `height` and returns its device context.
  HDC PrepareBuffer(HDC like, int width, int height);
  // The button's face from frame `frame` of the skin's Buttons picture, into FBuffer.
  void DrawFace(const RECT& rect, int frame);
  // The text colour of a frame: the Buttons record's colour for normal, hot and pressed
  // frames when `only_when_given` is false or the skin gives one; grey when disabled.
  COLORREF TextColour(int frame, bool only_when_given) const;
  void Click();

  // The off-screen picture of the button, made with the wrapper and freed with it.
  win::MemoryDc buffer_dc_;
  win::Bitmap FBuffer;
  SIZE buffer_size_{};

 private:
  void Press();
};

class TSkinBitButton : public TSkinButton {
 public:
  using TSkinButton::TSkinButton;
  void PaintSkin(HDC dc, const RECT& rect) override;
};

class TSkinCheckBox : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  void AfterMessage(ui::TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;

 protected:
  // The control's Checked property wins over the window's state when it has one.
  bool CheckedByProperty(bool window_says) const;
  void StampBox(HDC dc, const RECT& rect, const PixelImage& strip, int frames, int frame,
                bool radio);
};

class TSkinRadioButton : public TSkinCheckBox {
 public:
  using TSkinCheckBox::TSkinCheckBox;
  void PaintSkin(HDC dc, const RECT& rect) override;
};

class TSkinGroupBox : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  void PaintSkin(HDC dc, const RECT& rect) override;
};

// Panels, embedded forms: the skin's face colour and nothing else.
class TSkinBox : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  // Only the colour: the panel's messages stay its own.
  void AttachControl(TWinSkinForm* form, TSkinData& skin_data, bool change_color,
                     HDC canvas) override;
  void Unskin() override;
};

}  // namespace telvana
