#include "skin/skin_combo_box_win.h"

#include <algorithm>

#include "skin/button_layout.h"
#include "skin/control_geometry.h"
#include "skin/skin_data.h"
#include "skin/skin_paint_win.h"
#include "ui/win_handles.h"

namespace telvana {

namespace {

constexpr std::int32_t kSimpleStyle = 1;

}  // namespace

void TSkinComBox::AfterMessage(ui::TMessage& message) {
  switch (message.msg) {
    case WM_NCPAINT:
      Repaint(nullptr);
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      FMouseState |= kMousePressed;
      Repaint(nullptr);
      return;
    case WM_LBUTTONUP:
      FMouseState &= ~kMousePressed;
      Repaint(nullptr);
      return;
    case ui::CM_MOUSEENTER:
    case ui::CM_MOUSELEAVE:
      if (!FEnabled) return;
      if (message.msg == ui::CM_MOUSEENTER) {
        FMouseState |= kMouseHot;
      } else {
        FMouseState &= ~kMouseHot;
      }
      Repaint(nullptr);
      return;
  }
  TSkinControl::AfterMessage(message);
}

void TSkinComBox::PaintSkin(HDC dc, const RECT& rect) {
  if (!FSkinData) return;
  const auto* button = FSkinData->SlotAs<TDataSkinBorder>(SkinSlot::kComboButton);
  if (!button || button->Image.empty()) return;
  FStyle = ::GetWindowLongW(FHandle, GWL_STYLE);
  FExStyle = ::GetWindowLongW(FHandle, GWL_EXSTYLE);
  FFocused = ::GetFocus() == FHandle || ::IsChild(FHandle, ::GetFocus());
  FEnabled = !(FStyle & WS_DISABLED);
  const int state = ComboFrame(FMouseState, FFocused, FEnabled);
  if (button->Style == kSimpleStyle) {
    PaintSimple(dc, rect, state);
    return;
  }
  const TDataSkinObject* sunk = FSkinData->Slot(SkinSlot::kSunkEdge);
  if (!sunk || sunk->Image.empty()) return;

  const bool left = (FExStyle & WS_EX_LEFTSCROLLBAR) != 0;
  const ComboPlaces places =
      PlaceComboButton(AsRaster(rect), ::GetSystemMetrics(SM_CXHSCROLL), left);
  win::DcStateScope keep(dc);
  // The text area keeps the control's own drawing.
  ::ExcludeClipRect(dc, places.text.left, places.text.top, places.text.right, places.text.bottom);
  DrawSkinElement(dc, rect, std::max(sunk->FrameCount, 1), state, *sunk);
  const int frames = std::max(button->FrameCount, 1);
  if (left && !button->Image2.empty()) {
    // The mirror turns the whole strip round, so the mirror of frame k is its frame n + 1 - k.
    StampFrame(dc, AsRect(places.button), button->Image2, frames, frames + 1 - state);
  } else {
    StampFrame(dc, AsRect(places.button), button->Image, frames, state);
  }

  if (const TDataSkinObject* extra = FSkinData->PictureAs(SkinSlot::kExtraImages)) {
    const int glyph_frames = std::max(extra->FrameCount, 1);
    const RasterRect cell =
        CentredCell(places.glyph, extra->Image.width / glyph_frames, extra->Image.height);
    StampFrame(dc, AsRect(cell), extra->Image, glyph_frames, state);
  }
}

void TSkinComBox::PaintSimple(HDC dc, const RECT& rect, int state) {
  const auto* button = FSkinData->SlotAs<TDataSkinBorder>(SkinSlot::kComboButton);
  const auto brush = static_cast<HBRUSH>(::GetCurrentObject(dc, OBJ_BRUSH));
  RECT inner = rect;
  ::InflateRect(&inner, -1, -1);
  ::FrameRect(dc, &inner, brush);
  ::InflateRect(&inner, -1, -1);
  inner.left = std::max(inner.left, inner.right - ::GetSystemMetrics(SM_CYVTHUMB));
  ::FillRect(dc, &inner, brush);
  StretchFrame(dc, inner, button->Image, button->Trans == 1, std::max(button->FrameCount, 1),
               state);
  win::Brush shadow(::CreateSolidBrush(ui::ColorToRGB(FSkinData->Colours().ButtonShadow)));
  ::FrameRect(dc, &rect, shadow.get());
}

}  // namespace telvana
