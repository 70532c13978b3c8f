#include "skin/skin_up_down_win.h"

#include <commctrl.h>

#include <algorithm>

#include "skin/button_layout.h"
#include "skin/control_geometry.h"
#include "skin/skin_data.h"
#include "skin/skin_paint_win.h"
#include "skin/skin_text_win.h"
#include "skin/win_skin_form.h"
#include "ui/win_handles.h"

namespace telvana {

namespace {

constexpr int kUpDownFrames = 8;

}  // namespace

bool TSkinUpDown::BeforeMessage(ui::TMessage& message) {
  if (PaintWholeWindow(message)) return false;
  switch (message.msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      CallOriginal(message);
      FMouseState |= kMousePressed;
      Repaint(nullptr);
      return false;
    case WM_LBUTTONUP:
      FMouseState &= ~kMousePressed;
      CallOriginal(message);
      Repaint(nullptr);
      return false;
  }
  return TSkinControl::BeforeMessage(message);
}

void TSkinUpDown::PaintArrow(HDC dc, const RECT& part, int state, bool second,
                             bool horizontal) const {
  const auto* skin = FSkinData->PictureAs<TDataSkinBorder>(horizontal ? SkinSlot::kUpDownHorz
                                                                      : SkinSlot::kUpDownVert);
  if (skin) {
    const int frame = state + (second ? 4 : 0);
    StampFrame(dc, part, skin->Image, kUpDownFrames, frame);
    if (!skin->Image2.empty()) {
      const int frames = std::max(skin->FrameCount, 1);
      const RasterRect cell =
          CentredCell(AsRaster(part), skin->Image2.width / frames, skin->Image2.height);
      StampFrame(dc, AsRect(cell), skin->Image2, frames, frame);
    }
    return;
  }
  const SkinColours& colours = FSkinData->Colours();
  win::Brush fill(
      ::CreateSolidBrush(ui::ColorToRGB(state == 2 ? colours.ButtonShadow : colours.ButtonFace)));
  ::FillRect(dc, &part, fill.get());
  win::GdiObject<HPEN> pen(::CreatePen(PS_SOLID, 1, ui::ColorToRGB(colours.ButtonDkShadow)));
  win::SelectObjectScope use_pen(dc, pen.get());
  win::SelectObjectScope no_fill(dc, ::GetStockObject(NULL_BRUSH));
  ::Rectangle(dc, part.left, part.top, part.right, part.bottom);
  const int x = (part.left + part.right) / 2;
  int y = (part.top + part.bottom) / 2;
  int direction = second ? kArrowDown : kArrowUp;
  if (horizontal) {
    direction = second ? kArrowRight : kArrowLeft;
  } else {
    y -= 2;
  }
  DrawArrow(dc, x, y, direction);
}

void TSkinUpDown::PaintSkin(HDC dc, const RECT& rect) {
  if (!FSkinData) return;
  RECT client;
  if (!::GetClientRect(FHandle, &client) || client.right <= 0 || client.bottom <= 0) return;
  win::OffScreenDc work(dc, client.right, client.bottom);
  if (!work) return;
  FillFace(work.get(), client);
  RasterRect c = AsRaster(client);
  if (FInset) c = {c.left + 1, c.top + 1, c.right - 1, c.bottom - 1};

  POINT cursor{};
  ::GetCursorPos(&cursor);
  ::ScreenToClient(FHandle, &cursor);
  const LONG style = ::GetWindowLongW(FHandle, GWL_STYLE);
  FEnabled = !(style & WS_DISABLED);
  const bool horizontal = FHorizontal || (style & UDS_HORZ);
  const UpDownHalves halves = SplitUpDown(c, horizontal);
  const bool over_second = CursorOverSecondArrow(c, horizontal, horizontal ? cursor.x : cursor.y);
  const bool pressed = (FMouseState & kMousePressed) != 0;
  PaintArrow(work.get(), AsRect(halves.first), UpDownArrowState(FEnabled, pressed, !over_second),
             false, horizontal);
  PaintArrow(work.get(), AsRect(halves.second), UpDownArrowState(FEnabled, pressed, over_second),
             true, horizontal);
  ::BitBlt(dc, rect.left, rect.top, client.right, client.bottom, work.get(), 0, 0, SRCCOPY);
}

bool StillWrapped(const TWinSkinForm* form, const TSkinControl* wrapper) {
  if (!wrapper) return false;
  if (!form) return true;  // then it lives as long as its owner, who outlives the caller
  return std::find(form->Wrappers.begin(), form->Wrappers.end(), wrapper) != form->Wrappers.end();
}

}  // namespace telvana
