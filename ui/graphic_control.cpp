#include "ui/graphic_control.h"

#include <windowsx.h>

#include <utility>

#include "ui/forms.h"
#include "ui/menus.h"

namespace telvana::ui {

// ---------------------------------------------------------------------------------------
// TGraphicControl

TGraphicControl::~TGraphicControl() {
  if (!parent_) return;
  PlaceHint(false);
  Invalidate();
  parent_->RemoveControl(*this);
}

void TGraphicControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent_) {
    PlaceHint(false);
    Invalidate();
  }
  TControl::SetParent(parent);
  Invalidate();
  PlaceHint(visible_);
}

void TGraphicControl::SetBounds(int left, int top, int width, int height) {
  const RECT before = bounds_;
  TControl::SetBounds(left, top, width, height);
  if (::EqualRect(&before, &bounds_)) return;
  if (parent_ && parent_->Handle()) ::InvalidateRect(parent_->Handle(), &before, TRUE);
  Invalidate();
  PlaceHint(visible_);
  const bool resized =
      before.right - before.left != Width() || before.bottom - before.top != Height();
  if (resized && OnResize) OnResize(*this);
}

void TGraphicControl::SetVisible(bool visible) {
  if (visible_ == visible) return;
  TControl::SetVisible(visible);
  Invalidate();
  PlaceHint(visible_);
  if (parent_) parent_->AlignControls();
}

void TGraphicControl::SetColor(TColor color) {
  TControl::SetColor(color);
  Invalidate();
}

void TGraphicControl::SetCaption(const std::wstring& caption) {
  TControl::SetCaption(caption);
  Invalidate();
}

void TGraphicControl::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Invalidate();
}

void TGraphicControl::Invalidate() {
  if (parent_ && parent_->Handle()) ::InvalidateRect(parent_->Handle(), &bounds_, TRUE);
}

HFONT TGraphicControl::FontHandle() {
  if (!font_handle_) font_handle_ = font_.Create();
  return font_handle_.get();
}

void TGraphicControl::FontChanged() {
  font_handle_.reset();
  Invalidate();
}

void TGraphicControl::HintChanged() {
  PlaceHint(visible_);
}

void TGraphicControl::PlaceHint(bool shown) {
  if (!parent_ || !parent_->Handle()) return;
  if (TForm* form = ParentForm()) form->UpdateHint(*this, parent_->Handle(), shown);
}

const ClassInfo& TGraphicControl::StaticClass() {
  static const ClassInfo info{
      "TGraphicControl",
      &TControl::StaticClass(),
      nullptr,
      {
          BoolProp<TGraphicControl>(
              "Enabled", [](const TGraphicControl& c) { return c.Enabled(); },
              [](TGraphicControl& c, bool v) { c.SetEnabled(v); }),
      }};
  return info;
}

// ---------------------------------------------------------------------------------------
// The parent's side: painting its graphic controls and passing them the mouse

bool TWinControl::HasGraphicControls() const {
  for (TControl* c : controls_) {
    if (dynamic_cast<TGraphicControl*>(c)) return true;
  }
  return false;
}

TGraphicControl* TWinControl::GraphicControlAt(POINT point) const {
  for (TControl* c : controls_) {  // the first created lies on top
    auto* graphic = dynamic_cast<TGraphicControl*>(c);
    if (graphic && graphic->visible_ && graphic->enabled_ && ::PtInRect(&graphic->bounds_, point)) {
      return graphic;
    }
  }
  return nullptr;
}

void TWinControl::PaintGraphicControls(HDC dc, const RECT& area) {
  // Bottom first: the last created, up to the first.
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    auto* graphic = dynamic_cast<TGraphicControl*>(*it);
    RECT common;
    if (!graphic || !graphic->visible_ || !::IntersectRect(&common, &graphic->bounds_, &area))
      continue;
    const RECT& b = graphic->bounds_;
    win::DcStateScope state(dc);
    ::IntersectClipRect(dc, b.left, b.top, b.right, b.bottom);
    ::OffsetViewportOrgEx(dc, b.left, b.top, nullptr);
    graphic->Paint(dc, RECT{0, 0, b.right - b.left, b.bottom - b.top});
  }
}

bool TWinControl::MouseToGraphicControl(TMessage& m) {
  const auto at = [&] {
    return GraphicControlAt(POINT{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)});
  };
  switch (m.msg) {
    case WM_LBUTTONDOWN:
      if (TGraphicControl* target = at()) {
        // Held until the button comes up, so that the click belongs to where it began.
        pressed_graphic_ = target;
        ::SetCapture(Handle());
        m.result = 0;
        return true;
      }
      return false;
    case WM_LBUTTONUP:
      if (TControl* pressed = std::exchange(pressed_graphic_, nullptr)) {
        if (::GetCapture() == Handle()) ::ReleaseCapture();
        const POINT p{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
        if (pressed->visible_ && ::PtInRect(&pressed->bounds_, p) && pressed->OnClick)
          pressed->OnClick(*pressed);
        m.result = 0;
        return true;
      }
      return false;
    case WM_LBUTTONDBLCLK:
      // Taken even without a handler: a double-click on a picture is not one on its parent.
      if (TGraphicControl* target = at()) {
        if (target->OnDblClick) target->OnDblClick(*target);
        m.result = 0;
        return true;
      }
      return false;
    case WM_CAPTURECHANGED:
      pressed_graphic_ = nullptr;
      return false;
    case WM_SETCURSOR:
      if (LOWORD(m.lParam) == HTCLIENT && reinterpret_cast<HWND>(m.wParam) == Handle()) {
        POINT p;
        ::GetCursorPos(&p);
        ::ScreenToClient(Handle(), &p);
        // A control with the default cursor shows its parent's.
        const TGraphicControl* target = GraphicControlAt(p);
        if (HCURSOR cursor = target ? LoadCursorFor(target->cursor_) : nullptr) {
          ::SetCursor(cursor);
          m.result = TRUE;
          return true;
        }
      }
      return false;
    case WM_CONTEXTMENU:
      if (reinterpret_cast<HWND>(m.wParam) == Handle()) {
        const POINT screen{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
        if (screen.x == -1 && screen.y == -1) return false;  // from the keyboard
        POINT p = screen;
        ::ScreenToClient(Handle(), &p);
        const TGraphicControl* target = GraphicControlAt(p);
        if (target && target->popup_menu_) {
          target->popup_menu_->Popup(screen.x, screen.y);
          return true;
        }
      }
      return false;
    default:
      return false;
  }
}

}  // namespace telvana::ui
