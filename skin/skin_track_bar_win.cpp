#include "skin/skin_track_bar_win.h"

#include "skin/skin_data.h"
#include "skin/skin_paint_win.h"
#include "ui/win_handles.h"

namespace telvana {

namespace {

constexpr int kThumbFrames = 5;
constexpr int kThumbFrame = 2;

}  // namespace

bool TSkinTrackBar::BeforeMessage(ui::TMessage& message) {
  switch (message.msg) {
    case WM_ERASEBKGND:
      message.result = 1;
      return false;
    case ui::CN_BASE + WM_CTLCOLORSTATIC:
      // The track bar fills its background with what its parent answers; the framework
      // passes the question back to the control, so the answer is the skin's.
      if (!FSkinData) break;
      message.result = reinterpret_cast<LRESULT>(FaceBrush());
      return false;
    case WM_NOTIFY:
    case ui::CN_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(message.lParam);
      if (!header || header->code != static_cast<UINT>(NM_CUSTOMDRAW)) break;
      message.result = CustomDraw(*reinterpret_cast<const NMCUSTOMDRAW*>(message.lParam));
      return false;
    }
  }
  return TSkinControl::BeforeMessage(message);
}

HBRUSH TSkinTrackBar::FaceBrush() {
  const COLORREF colour = ui::ColorToRGB(FSkinData->Colours().ButtonFace);
  if (!face_brush_ || colour != face_colour_) {
    face_brush_ = win::Brush(::CreateSolidBrush(colour));
    face_colour_ = colour;
  }
  return face_brush_.get();
}

LRESULT TSkinTrackBar::CustomDraw(const NMCUSTOMDRAW& draw) {
  if (draw.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
  if (draw.dwDrawStage == CDDS_ITEMPREPAINT && draw.dwItemSpec == TBCD_THUMB) {
    PaintThumb(draw.hdc);
    return CDRF_SKIPDEFAULT;
  }
  return CDRF_DODEFAULT;
}

void TSkinTrackBar::PaintThumb(HDC dc) {
  if (!FSkinData) return;
  RECT thumb{};
  ::SendMessageW(FHandle, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  const bool vertical = (::GetWindowLongW(FHandle, GWL_STYLE) & TBS_VERT) != 0;
  const TDataSkinObject* vert = vertical ? FSkinData->PictureAs(SkinSlot::kThumbVert) : nullptr;
  const TDataSkinObject* skin = vert ? vert : FSkinData->PictureAs(SkinSlot::kThumbHorz);
  if (skin) {
    StampFrame(dc, thumb, skin->Image, kThumbFrames, kThumbFrame);
    return;
  }
  // No picture: an outline in the skin's shadow colour, filled with the DC's own brush.
  win::GdiObject<HPEN> pen(
      ::CreatePen(PS_SOLID, 1, ui::ColorToRGB(FSkinData->Colours().ButtonShadow)));
  win::DcStateScope keep_dc(dc);
  ::SelectObject(dc, pen.get());
  ::Rectangle(dc, thumb.left, thumb.top, thumb.right, thumb.bottom);
}

}  // namespace telvana
