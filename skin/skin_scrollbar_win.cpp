#include "skin/skin_scrollbar_win.h"

#include <windowsx.h>

#include <algorithm>

#include "skin/scrollbar_picture.h"
#include "skin/skin_data.h"
#include "skin/skin_paint_win.h"
#include "skin/win_skin_form.h"
#include "ui/win_handles.h"

namespace telvana {

namespace {

// Bars longer than this are not drawn (nor windows placed beyond it).
constexpr int kLargestBar = 10000;
// The frames of the 23-frame Scrollbar strip (1-based).
constexpr int kArrowFrames = 23;
constexpr int kLeftArrowFrame = 1, kRightArrowFrame = 5, kUpArrowFrame = 9, kDownArrowFrame = 13;
// The frames of the track pictures: the first of four.
constexpr int kTrackFrames = 4;
// A thumb's frames: 1 at rest, 2 while dragged.
constexpr int kThumbDraggedFrame = 2;

bool Empty(const RECT& r) {
  return r.right <= r.left || r.bottom <= r.top;
}

ScrollValues ValuesOf(const SCROLLINFO& info) {
  return {info.nMin, info.nMax, info.nPage, info.nPos, info.nTrackPos};
}

ThumbRules SystemThumbRules(int thickness) {
  // The Windows 9x family (top bit of the version set) kept thumbs at half a bar's thickness.
  const bool win9x = (::GetVersion() & 0x80000000u) != 0;
  return {win9x ? thickness / 2 : 8, ::GetSystemMetrics(SM_CXHTHUMB)};
}

// Resets a flag when the scope ends, unless the wrapper holding it went meanwhile.
class FlagScope {
 public:
  FlagScope(bool& flag, std::shared_ptr<bool> alive) : flag_(flag), alive_(std::move(alive)) {
    flag_ = true;
  }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;
  ~FlagScope() {
    if (*alive_) flag_ = false;
  }

 private:
  bool& flag_;
  std::shared_ptr<bool> alive_;
};

}  // namespace

TSkinScrollbar::~TSkinScrollbar() {
  *alive_ = false;
  if (FTracking) {
    FTracking = false;
    if (FHandle && ::GetCapture() == FHandle) ::ReleaseCapture();
  }
}

void TSkinScrollbar::AttachScrolled(ui::TComponent& component, TSkinData& skin_data,
                                    bool handle_clicks, TWinSkinForm* form, HDC canvas) {
  auto* control = dynamic_cast<ui::TWinControl*>(&component);
  if (!control || FControl) return;
  FForm = form;
  FSkinData = &skin_data;
  FCanvas = canvas;
  FControl = control;
  control->CreateHandle();
  FHandle = control->Handle();
  FOldWindowProc = control->WindowProc;
  control->WindowProc = [this](ui::TMessage& message) { SkinWndProc(message); };
  if (FForm) FForm->AddControl(*this);
  FTracking = FVertScrolling = FHorzScrolling = false;
  FHorzInfo.cbSize = FVertInfo.cbSize = sizeof(SCROLLINFO);
  FHorzGeom.style_bit = WS_HSCROLL;
  FVertGeom.style_bit = WS_VSCROLL;
  FHandleClicks = handle_clicks;
  // The frame is worked out again, and painted by the skin from now on.
  ::SetWindowPos(
      FHandle, nullptr, 0, 0, 0, 0,
      SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TSkinScrollbar::Unskin() {
  TSkinControl::Unskin();
  released_ = true;
  // The system's own bars come back with the next frame paint.
  if (FStatus != kStatusWindowDestroyed && FHandle && ::IsWindow(FHandle)) {
    ::RedrawWindow(FHandle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
  }
}

bool TSkinScrollbar::BeforeMessage(ui::TMessage& message) {
  if (released_) return TSkinControl::BeforeMessage(message);
  switch (message.msg) {
    case WM_NCCALCSIZE:
      CallOriginal(message);
      return false;
    case WM_NCMOUSEMOVE:
      // The system would light its own arrows up over the skin's.
      return message.wParam != HTHSCROLL && message.wParam != HTVSCROLL;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK: {
      // A quick second press on a bar is a press too (the system scrolls on both).
      if (message.wParam != HTHSCROLL && message.wParam != HTVSCROLL) return true;
      if (FHandleClicks && !FTracking && ClickBar(message)) return false;
      // The system follows a press on an arrow or the track in a loop of its own, and draws
      // its own bar as the button goes up.
      const std::shared_ptr<bool> alive = alive_;
      CallOriginal(message);
      if (*alive) Repaint(nullptr);
      return false;
    }
    case WM_HSCROLL:
    case WM_VSCROLL: {
      const bool vert = message.msg == WM_VSCROLL;
      switch (LOWORD(message.wParam)) {
        case SB_LINEUP:
          FPressedPart = vert ? kPressedUpArrow : kPressedLeftArrow;
          break;
        case SB_LINEDOWN:
          FPressedPart = vert ? kPressedDownArrow : kPressedRightArrow;
          break;
        case SB_THUMBTRACK:
          FPressedPart = vert ? kPressedVertThumb : kPressedHorzThumb;
          break;
        default:
          FPressedPart = kPressedNone;
      }
      const std::shared_ptr<bool> alive = alive_;
      {
        // The control draws this bar itself while it scrolls.
        FlagScope scrolling(vert ? FVertScrolling : FHorzScrolling, alive);
        CallOriginal(message);
      }
      if (*alive) Repaint(nullptr);
      return false;
    }
    case WM_CAPTURECHANGED:
      // Whoever takes the mouse away ends a drag.
      if (FTracking && reinterpret_cast<HWND>(message.lParam) != FHandle) FTracking = false;
      return true;
  }
  return TSkinControl::BeforeMessage(message);
}

void TSkinScrollbar::AfterMessage(ui::TMessage& message) {
  switch (message.msg) {
    case WM_NCPAINT:
      // The system drew its bars over the skin's: they are painted again at once, without
      // the client area, which has its own paint coming when it needs one.
      Repaint(nullptr);
      return;
    case WM_SIZE:
    case WM_PRINT:
      InvalidateSkin();
      return;
  }
  TSkinControl::AfterMessage(message);
}

bool TSkinScrollbar::PlaceBars() {
  FStyle = ::GetWindowLongW(FHandle, GWL_STYLE);
  FExStyle = ::GetWindowLongW(FHandle, GWL_EXSTYLE);
  // A bar being scrolled is there even when the control takes its style away meanwhile.
  if (FVertScrolling) FStyle |= WS_VSCROLL;
  if (FHorzScrolling) FStyle |= WS_HSCROLL;
  RECT window{}, client{};
  if (!::GetWindowRect(FHandle, &window) || !::GetClientRect(FHandle, &client)) return false;
  ScrollFrame frame;
  frame.width = window.right - window.left;
  frame.height = window.bottom - window.top;
  frame.client_width = client.right;
  frame.client_height = client.bottom;
  frame.thickness = ::GetSystemMetrics(SM_CXHSCROLL);
  frame.horz = (FStyle & WS_HSCROLL) != 0;
  frame.vert = (FStyle & WS_VSCROLL) != 0;
  frame.vert_on_left = (FExStyle & WS_EX_LEFTSCROLLBAR) != 0;
  const ScrollBarPlaces places = PlaceScrollBars(frame);
  FHorzBar = AsRect(places.horz);
  FVertBar = AsRect(places.vert);
  FCorner = AsRect(places.corner);
  return frame.horz || frame.vert;
}

void TSkinScrollbar::ComputeThumb(Axis axis) {
  // A drag places the thumb itself.
  if (FTracking) return;
  const bool vert = axis == Axis::kVert;
  const RECT& bar = vert ? FVertBar : FHorzBar;
  const int length = vert ? bar.bottom - bar.top : bar.right - bar.left;
  const int thickness = ::GetSystemMetrics(SM_CXHSCROLL);
  SCROLLINFO read{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS};
  const bool known = ::GetScrollInfo(FHandle, vert ? SB_VERT : SB_HORZ, &read) != FALSE;
  const ScrollValues values = known ? ValuesOf(read) : ScrollValues{};
  if (telvana::ComputeThumb(vert ? FVertGeom : FHorzGeom, length, thickness, values,
                            SystemThumbRules(thickness))) {
    SCROLLINFO& info = vert ? FVertInfo : FHorzInfo;
    info.nMin = read.nMin;
    info.nMax = read.nMax;
    info.nPage = read.nPage;
    info.nPos = read.nPos;
    info.nTrackPos = read.nTrackPos;
  }
}

void TSkinScrollbar::PaintSkin(HDC dc, const RECT& rect) {
  if (released_ || !FSkinData || !FSkinData->PictureAs(SkinSlot::kScrollbar)) return;
  if (!PlaceBars()) return;
  if (rect.top > kLargestBar || rect.left > kLargestBar) return;
  const bool horz = (FStyle & WS_HSCROLL) != 0, vert = (FStyle & WS_VSCROLL) != 0;
  if (horz && !Empty(FHorzBar)) PaintBar(dc, Axis::kHorz);
  if (vert && !Empty(FVertBar)) PaintBar(dc, Axis::kVert);
  if (horz && vert && !Empty(FCorner)) FillFace(dc, FCorner);
}

void TSkinScrollbar::PaintBar(HDC dc, Axis axis) {
  const bool vert = axis == Axis::kVert;
  if (vert ? FVertScrolling : FHorzScrolling) return;
  const RECT& bar = vert ? FVertBar : FHorzBar;
  const int length = vert ? bar.bottom - bar.top : bar.right - bar.left;
  if (length <= 0 || length > kLargestBar) return;
  ComputeThumb(axis);
  const ScrollBarGeometry& geom = vert ? FVertGeom : FHorzGeom;

  ScrollBarParts parts;
  parts.vertical = vert;
  parts.length = length;
  const COLORREF background = ui::ColorToRGB(FSkinData->Colours().Scrollbar);
  parts.background = (std::uint32_t{GetRValue(background)} << 16) |
                     (std::uint32_t{GetGValue(background)} << 8) | GetBValue(background);
  parts.arrow = ArrowLength(length, ::GetSystemMetrics(SM_CXHSCROLL));
  parts.arrows = &FSkinData->Slot(SkinSlot::kScrollbar)->Image;
  parts.arrow_frames = kArrowFrames;
  const bool first_pressed = FPressedPart == (vert ? kPressedUpArrow : kPressedLeftArrow);
  const bool second_pressed = FPressedPart == (vert ? kPressedDownArrow : kPressedRightArrow);
  parts.first_arrow_frame = (vert ? kUpArrowFrame : kLeftArrowFrame) + (first_pressed ? 1 : 0);
  parts.second_arrow_frame = (vert ? kDownArrowFrame : kRightArrowFrame) + (second_pressed ? 1 : 0);
  // A skin without a track or thumb picture leaves the background showing there.
  parts.track = FSkinData->PictureAs(vert ? SkinSlot::kVertScroll : SkinSlot::kHorzScroll);
  parts.track_frames = kTrackFrames;
  parts.thumb =
      FSkinData->PictureAs(vert ? SkinSlot::kVertScrollThumb : SkinSlot::kHorzScrollThumb);
  if (parts.thumb && parts.thumb->FrameCount > 0 && geom.thumb > 0 && geom.track >= geom.thumb) {
    const TDataSkinObject* horz_thumb = FSkinData->Slot(SkinSlot::kHorzScrollThumb);
    parts.thumb_transparent = (horz_thumb ? horz_thumb->Trans : parts.thumb->Trans) == 1;
    const bool dragged = FPressedPart == (vert ? kPressedVertThumb : kPressedHorzThumb);
    parts.thumb_frame = dragged ? std::min(kThumbDraggedFrame, parts.thumb->FrameCount) : 1;
    parts.thumb_start = geom.arrow + geom.thumb_offset;
    parts.thumb_length = geom.thumb;
  }
  const PixelImage picture = BuildScrollBarPicture(parts);
  if (picture.empty()) return;

  // One copy to the screen, stretched across the bar's thickness.
  const BITMAPINFO info = win::TopDownBitmapInfo(picture.width, picture.height);
  const int old_mode = ::SetStretchBltMode(dc, COLORONCOLOR);
  ::StretchDIBits(dc, bar.left, bar.top, bar.right - bar.left, bar.bottom - bar.top, 0, 0,
                  picture.width, picture.height, picture.pixels.data(), &info, DIB_RGB_COLORS,
                  SRCCOPY);
  ::SetStretchBltMode(dc, old_mode);
}

bool TSkinScrollbar::ClickBar(const ui::TMessage& message) {
  const Axis axis = message.wParam == HTVSCROLL ? Axis::kVert : Axis::kHorz;
  const POINT start{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
  POINT client = start;
  ::ScreenToClient(FHandle, &client);
  // The geometry as it is now: the control may have scrolled since the last paint.
  if (!PlaceBars()) return false;
  ComputeThumb(axis);
  const bool vert = axis == Axis::kVert;
  if (HitTestBar(vert ? FVertGeom : FHorzGeom, vert ? client.y : client.x) != kHitThumb) {
    return false;  // arrows and track: the control scrolls by line or page itself
  }
  FPressedPart = vert ? kPressedVertThumb : kPressedHorzThumb;
  Repaint(nullptr);
  DragLoop(axis, start);
  return true;
}

bool TSkinScrollbar::DragLoop(Axis axis, POINT start) {
  const HWND window = FHandle;
  const std::shared_ptr<bool> alive = alive_;
  const bool vert = axis == Axis::kVert;
  const UINT scroll_message = vert ? WM_VSCROLL : WM_HSCROLL;
  const int start_offset = (vert ? FVertGeom : FHorzGeom).thumb_offset;
  std::int32_t last_position = (vert ? FVertInfo : FHorzInfo).nPos;
  ::SetCapture(window);
  FTracking = true;
  // Mouse messages come with their own positions: the drag follows those, not the cursor's
  // position when they are taken.
  auto screen_point = [](const MSG& msg) {
    POINT at{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
    if (msg.message == WM_MOUSEMOVE && msg.hwnd) ::ClientToScreen(msg.hwnd, &at);
    return at;
  };
  while (FTracking) {
    MSG msg;
    if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (::GetCapture() != window) break;  // taken away without a word
      // Nothing waits: sleep until something arrives, so a held button costs no processor.
      ::MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
      continue;
    }
    if (!*alive) {
      // A message handled while this one was taken freed the wrapper.
      ::DispatchMessageW(&msg);
      return false;
    }
    if (msg.message == WM_QUIT) {
      // The loop that asked to end is further out: it gets the request back.
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    switch (msg.message) {
      case WM_LBUTTONUP:
      case WM_NCLBUTTONUP:
        FTracking = false;
        ::SendMessageW(window, scroll_message,
                       MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(last_position)), 0);
        if (!*alive) return false;
        ::PostMessageW(window, scroll_message, SB_ENDSCROLL, 0);
        break;
      case WM_MOUSEMOVE:
      case WM_NCMOUSEMOVE:
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
        if (!*alive) return false;
        if (FTracking) DragTo(axis, screen_point(msg), start, start_offset, last_position);
        break;
      default:
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    if (!*alive) return false;
    if (!::IsWindow(window) || FStatus == kStatusWindowDestroyed) break;
  }
  FTracking = false;
  if (::GetCapture() == window) ::ReleaseCapture();
  return *alive;
}

void TSkinScrollbar::DragTo(Axis axis, POINT at, POINT start, int start_offset,
                            std::int32_t& last_position) {
  const bool vert = axis == Axis::kVert;
  const int bar_kind = vert ? SB_VERT : SB_HORZ;
  // Read again at every move: the control may have been refilled meanwhile.
  SCROLLINFO now{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS};
  if (!::GetScrollInfo(FHandle, bar_kind, &now)) return;
  const ScrollValues values = ValuesOf(now);
  ScrollBarGeometry& geom = vert ? FVertGeom : FHorzGeom;
  {
    // The thumb's length for the range there is now; where it stands is the drag's.
    const RECT& bar = vert ? FVertBar : FHorzBar;
    const int thickness = ::GetSystemMetrics(SM_CXHSCROLL);
    ScrollBarGeometry fresh = geom;
    if (!telvana::ComputeThumb(fresh, vert ? bar.bottom - bar.top : bar.right - bar.left, thickness,
                               values, SystemThumbRules(thickness))) {
      return;  // nothing to scroll: the thumb stays where it was
    }
    geom.arrow = fresh.arrow;
    geom.track = fresh.track;
    geom.thumb = fresh.thumb;
  }
  const int moved = vert ? at.y - start.y : at.x - start.x;
  const ThumbDrag drag = DragThumb(geom, values, start_offset, moved);
  if (drag.position == last_position) return;
  SCROLLINFO& info = vert ? FVertInfo : FHorzInfo;
  info.nMin = now.nMin;
  info.nMax = now.nMax;
  info.nPage = now.nPage;
  info.fMask = SIF_POS;
  info.nPos = info.nTrackPos = drag.position;
  geom.thumb_offset = drag.offset;
  last_position = drag.position;
  ::SetScrollInfo(FHandle, bar_kind, &info, FALSE);
  // The message carries 16 bits of the position; the control reads all of it from the bar.
  ::SendMessageW(FHandle, vert ? WM_VSCROLL : WM_HSCROLL,
                 MAKEWPARAM(SB_THUMBTRACK, static_cast<WORD>(drag.position)), 0);
}

// ---------------------------------------------------------------------------------------
// Bare scroll-bar windows

bool TSkinSizer::BeforeMessage(ui::TMessage& message) {
  if (PaintWholeWindow(message)) return false;
  return TSkinControl::BeforeMessage(message);
}

void TSkinSizer::PaintSkin(HDC dc, const RECT& rect) {
  if (!FSkinData) return;
  win::Brush shadow(::CreateSolidBrush(ui::ColorToRGB(FSkinData->Colours().ButtonShadow)));
  ::FrameRect(dc, &rect, shadow.get());
}

}  // namespace telvana
