// Controls that show text and take no input: a label (static text, optionally wrapped, on
// its parent's colour, painted by its parent) and a read-only memo of lines.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/graphic_control.h"
#include "ui/std_controls.h"

namespace telvana::ui {

// A windowed control whose colour can follow its parent's (ParentColor, on unless a colour is
// set).
class TParentColoredControl : public TWinControl {
 public:
  explicit TParentColoredControl(TComponent* owner) : TWinControl(owner) {}

  bool ParentColor() const { return parent_color_; }
  void SetParentColor(bool on);
  void SetColor(TColor color) override;  // also clears ParentColor
  void SetParent(TWinControl* parent) override;

  void WndProc(TMessage& message) override;

 protected:
  // Takes the parent's colour now, if it follows it.
  void FollowParentColor();

 private:
  bool parent_color_ = true;
};

// A label: its caption drawn in its font on its parent's colour (or its own), on one line
// or wrapped to its width. Line breaks in the caption are kept. It has no window.
class TLabel : public TGraphicControl {
 public:
  explicit TLabel(TComponent* owner);
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  // The parent's colour, followed until a colour of the label's own is set.
  bool ParentColor() const { return parent_color_; }
  void SetParentColor(bool on);
  void SetColor(TColor color) override;  // also clears ParentColor
  void SetParent(TWinControl* parent) override;

  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool on);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  // Transparent: whatever the parent painted shows behind the text, even where a colour was
  // set.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool on);

 protected:
  void Paint(HDC dc, const RECT& area) override;

 private:
  void FollowParentColor();

  bool parent_color_ = true;
  bool word_wrap_ = false;
  TAlignment alignment_ = TAlignment::taLeftJustify;
  bool transparent_ = false;
};

// A read-only memo: its lines, wrapped to its width, inside a sunken (Ctl3D) or flat
// border. It takes no input, so it shows its colours even when disabled.
class TMemo : public TWinControl {
 public:
  explicit TMemo(TComponent* owner);
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  const std::vector<std::wstring>& Lines() const { return lines_; }
  void SetLines(std::vector<std::wstring> lines);
  std::wstring Text() const;  // the lines joined by CR LF
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool on);
  bool Ctl3D() const { return ctl3_d_; }
  void SetCtl3D(bool on) { ctl3_d_ = on; }
  bool ReadOnly() const { return true; }

 protected:
  void FillCreateParams(CreateParams& params) override;
  void Paint(HDC dc, const RECT& area) override;

 private:
  std::vector<std::wstring> lines_;
  bool word_wrap_ = true;
  bool ctl3_d_ = true;
};

}  // namespace telvana::ui
