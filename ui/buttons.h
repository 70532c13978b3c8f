// Push buttons: a plain one (the system's button) and a bitmap button that draws a glyph
// beside or above its caption. Either can be its form's cancel button, which Escape
// presses, or its default button, which Enter presses, and can end a modal showing with its
// modal result.
#pragma once

#include <windows.h>

#include <string_view>

#include "ui/control.h"

namespace telvana::ui {

class TButton : public TWinControl {
 public:
  explicit TButton(TComponent* owner);
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  // The cancel button of its form: Escape presses it.
  bool Cancel() const { return cancel_; }
  void SetCancel(bool on) { cancel_ = on; }
  // The default button of its form: Enter presses it.
  bool Default() const { return default_; }
  void SetDefault(bool on) { default_ = on; }
  // Pressing the button gives its form this modal result (mrNone: leaves it alone).
  int ModalResult() const { return modal_result_; }
  void SetModalResult(int result) { modal_result_ = result; }

  // What a press does: sets the form's modal result, then runs OnClick.
  void Click();

  bool DialogKey(WPARAM key) override;
  void WndProc(TMessage& message) override;

 protected:
  void FillCreateParams(CreateParams& params) override;

 private:
  bool cancel_ = false;
  bool default_ = false;
  int modal_result_ = 0;
};

// The glyph a bitmap button shows, drawn by the button itself.
enum class TBitBtnKind { bkCustom, bkOK, bkCancel };
inline constexpr std::wstring_view kBitBtnKindNames[] = {L"bkCustom", L"bkOK", L"bkCancel"};
enum class TButtonLayout { blGlyphLeft, blGlyphTop };
inline constexpr std::wstring_view kButtonLayoutNames[] = {L"blGlyphLeft", L"blGlyphTop"};

class TBitBtn : public TButton {
 public:
  explicit TBitBtn(TComponent* owner) : TButton(owner) {}
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  // The glyph only: a bkOK button shows a green tick, a bkCancel one a red cross, a
  // bkCustom one none. Cancel and ModalResult are set on their own.
  TBitBtnKind Kind() const { return kind_; }
  void SetKind(TBitBtnKind kind);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout layout);

  // The glyph's size in pixels, and its drawing at a point (tests draw it on a bitmap).
  static constexpr int kGlyphSize = 16;
  static void DrawGlyph(HDC dc, TBitBtnKind kind, int left, int top, bool enabled);

  void WndProc(TMessage& message) override;

 protected:
  void FillCreateParams(CreateParams& params) override;
  void DrawItem(const DRAWITEMSTRUCT& item);

 private:
  TBitBtnKind kind_ = TBitBtnKind::bkCustom;
  TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
};

}  // namespace telvana::ui
