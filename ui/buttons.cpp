#include "ui/buttons.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/forms.h"
#include "ui/win_handles.h"

namespace telvana::ui {

// ---------------------------------------------------------------------------------------
// TButton

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 75, 25);
}

void TButton::FillCreateParams(CreateParams& params) {
  TWinControl::FillCreateParams(params);
  params.class_name = WC_BUTTONW;
  params.style |= WS_TABSTOP | BS_PUSHBUTTON;
}

void TButton::Click() {
  if (modal_result_ != mrNone) {
    if (TForm* form = ParentForm()) form->SetModalResult(modal_result_);
  }
  if (OnClick) OnClick(*this);
}

bool TButton::DialogKey(WPARAM key) {
  if (!Handle() || !((key == VK_ESCAPE && cancel_) || (key == VK_RETURN && default_))) return false;
  Click();
  return true;
}

void TButton::WndProc(TMessage& m) {
  switch (m.msg) {
    case CN_COMMAND:
      if (HIWORD(m.wParam) == BN_CLICKED) Click();
      return;
    case WM_LBUTTONDBLCLK:
      // A quick second press is a press like the first, whatever kind of button this is
      // (owner-drawn buttons would otherwise report it as BN_DOUBLECLICKED).
      m.msg = WM_LBUTTONDOWN;
      break;
  }
  TWinControl::WndProc(m);
}

const ClassInfo& TButton::StaticClass() {
  static const ClassInfo info{
      "TButton",
      &TWinControl::StaticClass(),
      [](TComponent& owner) -> TComponent* { return TComponent::New<TButton>(owner); },
      {
          BoolProp<TButton>(
              "Cancel", [](const TButton& b) { return b.cancel_; },
              [](TButton& b, bool v) { b.SetCancel(v); }),
          BoolProp<TButton>(
              "Default", [](const TButton& b) { return b.default_; },
              [](TButton& b, bool v) { b.SetDefault(v); }),
          IntProp<TButton>(
              "ModalResult", [](const TButton& b) { return b.modal_result_; },
              [](TButton& b, std::int64_t v) { b.SetModalResult(static_cast<int>(v)); }),
      }};
  return info;
}

// ---------------------------------------------------------------------------------------
// TBitBtn

namespace {

// The glyphs, 16 x 16: '.' leaves the button's face, the letters are colours.
constexpr const char* kTickGlyph[TBitBtn::kGlyphSize] = {
    "................", "................", ".............d..", "............dgd.",
    "...........dggd.", "..........dggd..", "..d......dggd...", ".dgd....dggd....",
    ".dggd..dggd.....", "..dggddggd......", "...dggggd.......", "....dggd........",
    ".....dd.........", "................", "................", "................",
};
constexpr const char* kCrossGlyph[TBitBtn::kGlyphSize] = {
    "................", "................", "................", "...dd......dd...",
    "..drrd....drrd..", "...drrd..drrd...", "....drrddrrd....", ".....drrrrd.....",
    ".....drrrrd.....", "....drrddrrd....", "...drrd..drrd...", "..drrd....drrd..",
    "...dd......dd...", "................", "................", "................",
};

}  // namespace

void TBitBtn::DrawGlyph(HDC dc, TBitBtnKind kind, int left, int top, bool enabled) {
  const char* const* rows = kind == TBitBtnKind::bkOK       ? kTickGlyph
                            : kind == TBitBtnKind::bkCancel ? kCrossGlyph
                                                            : nullptr;
  if (!rows) return;
  const COLORREF edge = kind == TBitBtnKind::bkOK ? RGB(0x17, 0x69, 0x1A) : RGB(0x8E, 0x10, 0x10);
  const COLORREF fill = kind == TBitBtnKind::bkOK ? RGB(0x3D, 0xBA, 0x3D) : RGB(0xE2, 0x3A, 0x3A);
  const COLORREF grey = ::GetSysColor(COLOR_GRAYTEXT);
  for (int y = 0; y < kGlyphSize; ++y) {
    for (int x = 0; x < kGlyphSize; ++x) {
      const char c = rows[y][x];
      if (c == '.') continue;
      ::SetPixelV(dc, left + x, top + y, !enabled ? grey : c == 'd' ? edge : fill);
    }
  }
}

void TBitBtn::SetKind(TBitBtnKind kind) {
  kind_ = kind;
  if (Handle()) ::InvalidateRect(Handle(), nullptr, TRUE);
}

void TBitBtn::SetLayout(TButtonLayout layout) {
  layout_ = layout;
  if (Handle()) ::InvalidateRect(Handle(), nullptr, TRUE);
}

void TBitBtn::FillCreateParams(CreateParams& params) {
  TButton::FillCreateParams(params);
  params.style = (params.style & ~static_cast<DWORD>(BS_TYPEMASK)) | BS_OWNERDRAW;
}

void TBitBtn::DrawItem(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  RECT face = item.rcItem;
  const bool pushed = (item.itemState & ODS_SELECTED) != 0;
  const bool enabled = (item.itemState & ODS_DISABLED) == 0;
  ::DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));

  win::SelectObjectScope font(dc, FontHandle());
  RECT text{0, 0, 0, 0};
  ::DrawTextW(dc, Caption().c_str(), -1, &text, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  const int textWidth = text.right, textHeight = text.bottom;
  const bool glyph = kind_ != TBitBtnKind::bkCustom;
  const int spacing = glyph && !Caption().empty() ? 4 : 0;
  const int glyphSize = glyph ? kGlyphSize : 0;
  const int width = item.rcItem.right - item.rcItem.left,
            height = item.rcItem.bottom - item.rcItem.top;
  const int shift = pushed ? 1 : 0;
  int glyphLeft, glyphTop, textLeft, textTop;
  if (layout_ == TButtonLayout::blGlyphTop) {
    const int total = glyphSize + spacing + textHeight;
    glyphLeft = (width - glyphSize) / 2;
    glyphTop = (height - total) / 2;
    textLeft = (width - textWidth) / 2;
    textTop = glyphTop + glyphSize + spacing;
  } else {
    const int total = glyphSize + spacing + textWidth;
    glyphLeft = (width - total) / 2;
    glyphTop = (height - glyphSize) / 2;
    textLeft = glyphLeft + glyphSize + spacing;
    textTop = (height - textHeight) / 2;
  }
  if (glyph) DrawGlyph(dc, kind_, glyphLeft + shift, glyphTop + shift, enabled);
  RECT place{textLeft + shift, textTop + shift, textLeft + shift + textWidth,
             textTop + shift + textHeight};
  ::SetBkMode(dc, TRANSPARENT);
  if (enabled) {
    ::SetTextColor(dc, ColorToRGB(Font().Color));
    ::DrawTextW(dc, Caption().c_str(), -1, &place, DT_SINGLELINE | DT_NOPREFIX);
  } else {
    // Disabled text: engraved, as the system draws it.
    RECT light = place;
    ::OffsetRect(&light, 1, 1);
    ::SetTextColor(dc, ::GetSysColor(COLOR_BTNHIGHLIGHT));
    ::DrawTextW(dc, Caption().c_str(), -1, &light, DT_SINGLELINE | DT_NOPREFIX);
    ::SetTextColor(dc, ::GetSysColor(COLOR_GRAYTEXT));
    ::DrawTextW(dc, Caption().c_str(), -1, &place, DT_SINGLELINE | DT_NOPREFIX);
  }
  if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
    RECT focus = item.rcItem;
    ::InflateRect(&focus, -4, -4);
    ::DrawFocusRect(dc, &focus);
  }
}

void TBitBtn::WndProc(TMessage& m) {
  if (m.msg == CN_BASE + WM_DRAWITEM) {
    DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.lParam));
    m.result = TRUE;
    return;
  }
  TButton::WndProc(m);
}

const ClassInfo& TBitBtn::StaticClass() {
  static const ClassInfo info{
      "TBitBtn",
      &TButton::StaticClass(),
      [](TComponent& owner) -> TComponent* { return TComponent::New<TBitBtn>(owner); },
      {
          EnumProp<TBitBtn, TBitBtnKind>(
              "Kind", kBitBtnKindNames, [](const TBitBtn& b) { return b.kind_; },
              [](TBitBtn& b, TBitBtnKind v) { b.SetKind(v); }),
          EnumProp<TBitBtn, TButtonLayout>(
              "Layout", kButtonLayoutNames, [](const TBitBtn& b) { return b.layout_; },
              [](TBitBtn& b, TButtonLayout v) { b.SetLayout(v); }),
      }};
  return info;
}

}  // namespace telvana::ui
