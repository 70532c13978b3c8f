#include "ui/control.h"

#include <windowsx.h>

#include <algorithm>
#include <optional>

#include "ui/forms.h"
#include "ui/menus.h"
#include "ui/utf.h"

namespace telvana::ui {

namespace {
bool IsMouseMessage(UINT msg) {
  return msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST;
}
}  // namespace

// ---------------------------------------------------------------------------------------
// TControl

void TControl::SetParent(TWinControl* parent) {
  if (parent_ == parent) return;
  if (parent_) parent_->RemoveControl(*this);
  parent_ = parent;
  if (parent_) {
    parent_->InsertControl(*this);
    if (parent_font_) ParentFontChanged(parent_->font_);
  }
}

TForm* TControl::ParentForm() const {
  const TControl* c = this;
  while (c->parent_) c = c->parent_;
  return dynamic_cast<TForm*>(const_cast<TControl*>(c));
}

void TControl::SetBounds(int left, int top, int width, int height) {
  bounds_ = {left, top, left + std::max(width, 0), top + std::max(height, 0)};
}

void TControl::SetAlign(TAlign align) {
  align_ = align;
  if (parent_) parent_->AlignControls();
}

void TControl::SetVisible(bool visible) {
  visible_ = visible;
}
void TControl::SetColor(TColor color) {
  color_ = color;
}

void TControl::SetFont(const TFont& font) {
  parent_font_ = false;
  if (font_ == font) return;
  font_ = font;
  FontChanged();
}

void TControl::SetParentFont(bool parent_font) {
  parent_font_ = parent_font;
  if (parent_font_ && parent_) ParentFontChanged(parent_->font_);
}

void TControl::ParentFontChanged(const TFont& parent_font) {
  if (!parent_font_ || font_ == parent_font) return;
  font_ = parent_font;
  FontChanged();
}

void TControl::SetCaption(const std::wstring& caption) {
  caption_ = caption;
}

void TControl::SetHint(const std::wstring& hint) {
  hint_ = hint;
  HintChanged();
}

void TControl::SetShowHint(bool show) {
  show_hint_ = show;
  HintChanged();
}

// ---------------------------------------------------------------------------------------
// TWinControl

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {
  WindowProc = [this](TMessage& m) { WndProc(m); };
}

TWinControl::~TWinControl() {
  for (TControl* c : controls_) c->parent_ = nullptr;
  if (parent_) parent_->RemoveControl(*this);
  // While this is still a windowed control: the window's last messages come here.
  DestroyHandle();
}

void TWinControl::InsertControl(TControl& control) {
  controls_.push_back(&control);
  auto* win = dynamic_cast<TWinControl*>(&control);
  if (Handle() && win && !win->Handle()) {
    AlignControls();
    win->CreateHandle();
  } else {
    AlignControls();
  }
}

void TWinControl::RemoveControl(TControl& control) {
  std::erase(controls_, &control);
  if (pressed_graphic_ == &control) pressed_graphic_ = nullptr;
  AlignControls();
}

TWinControl* TWinControl::FromHandle(HWND window) {
  return dynamic_cast<TWinControl*>(WindowBase::FromHandle(window));
}

void TWinControl::FillCreateParams(CreateParams& params) {
  params.parent = parent_ ? parent_->Handle() : nullptr;
  params.bounds = bounds_;
  if (visible_) params.style |= WS_VISIBLE;
  if (!enabled_) params.style |= WS_DISABLED;
}

void TWinControl::CreateHandle() {
  if (Handle()) return;
  CreateParams params;
  FillCreateParams(params);
  own_class_ = params.class_name == nullptr;
  // Every window is of a class named after its component class (a system control's too, as a
  // superclass of the system's), so that the skin engine's rules and outside tools see the
  // names the program's classes have.
  const std::wstring own_class = WideFromUtf8(Class().name);
  WindowOptions options;
  options.system_class = params.class_name;
  options.own_class = own_class.c_str();
  options.style = params.style;
  options.ex_style = params.ex_style;
  options.title = caption_.c_str();
  options.bounds = params.bounds;
  options.parent = params.parent;
  HWND window = CreateWindowFrom(options);
  ::SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), FALSE);
  UpdateBoundsFromWindow();
  HandleCreated();
  AlignControls();
  std::vector<TWinControl*> windows;
  for (TControl* c : controls_) {
    if (auto* win = dynamic_cast<TWinControl*>(c)) {
      win->CreateHandle();
      windows.push_back(win);
    } else {
      c->HintChanged();  // a graphic control's hint lies in this window
    }
  }
  // The Tab key visits siblings in z-order: put them in their tab order, the unnumbered last.
  std::stable_sort(windows.begin(), windows.end(), [](const TWinControl* a, const TWinControl* b) {
    return static_cast<unsigned>(a->tab_order_) < static_cast<unsigned>(b->tab_order_);
  });
  // Windows made in creation order mostly stand in their tab order already: moving one costs
  // a round of messages, asking where it stands does not.
  HWND after = HWND_TOP;
  for (TWinControl* win : windows) {
    const HWND above = ::GetWindow(win->Handle(), GW_HWNDPREV);
    if (above != (after == HWND_TOP ? nullptr : after)) {
      ::SetWindowPos(win->Handle(), after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    after = win->Handle();
  }
  HintChanged();
}

LRESULT TWinControl::HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
  TMessage message{Handle(), msg, wparam, lparam, 0};
  Dispatch(message);
  return message.result;
}

void TWinControl::Dispatch(TMessage& message) {
  if (WindowProc) {
    // A copy: the handler may be replaced or given back while it runs.
    const MessageHandler handler = WindowProc;
    handler(message);
  } else {
    WndProc(message);
  }
}

LRESULT TWinControl::Perform(UINT msg, WPARAM wparam, LPARAM lparam) {
  TMessage message{Handle(), msg, wparam, lparam, 0};
  Dispatch(message);
  return message.result;
}

void TWinControl::DefaultHandler(TMessage& m) {
  if (m.msg >= CN_BASE && m.msg < CN_BASE + 0x400) {
    m.result = 0;  // a reflected notification nobody handled
  } else if (Handle()) {
    m.result = DefaultProc(m.msg, m.wParam, m.lParam);
  } else {
    m.result = 0;  // performed on a control whose window is gone
  }
}

bool TWinControl::ReflectToChild(TMessage& m) {
  HWND child = nullptr;
  switch (m.msg) {
    case WM_COMMAND:
      child = reinterpret_cast<HWND>(m.lParam);
      break;
    case WM_NOTIFY:
      child = reinterpret_cast<NMHDR*>(m.lParam)->hwndFrom;
      break;
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      child = reinterpret_cast<HWND>(m.lParam);
      break;
    case WM_DRAWITEM:
      if (reinterpret_cast<DRAWITEMSTRUCT*>(m.lParam)->CtlType == ODT_MENU) return false;
      child = reinterpret_cast<DRAWITEMSTRUCT*>(m.lParam)->hwndItem;
      break;
    default:
      return false;
  }
  TWinControl* target = FromHandle(child);
  if (!target || target == this) return false;
  m.result = target->Perform(CN_BASE + m.msg, m.wParam, m.lParam);
  return true;
}

void TWinControl::WndProc(TMessage& m) {
  if (IsMouseMessage(m.msg)) {
    if (TForm* form = ParentForm()) form->RelayHintEvent(m);
  }
  if (MouseToGraphicControl(m)) return;
  switch (m.msg) {
    case WM_SIZE:
      DefaultHandler(m);
      UpdateBoundsFromWindow();
      AlignControls();
      if (OnResize) OnResize(*this);
      return;
    case WM_MOVE:
      DefaultHandler(m);
      UpdateBoundsFromWindow();
      return;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_DRAWITEM:
      if (!ReflectToChild(m)) DefaultHandler(m);
      return;
    case WM_ERASEBKGND:
      if (own_class_) {
        m.result = EraseBackground(reinterpret_cast<HDC>(m.wParam)) ? 1 : 0;
        return;
      }
      break;
    case WM_PAINT:
      if (paints_ || (own_class_ && HasGraphicControls())) {
        PaintWindow();
        return;
      }
      break;
    case WM_SETCURSOR:
      if (LOWORD(m.lParam) == HTCLIENT && reinterpret_cast<HWND>(m.wParam) == Handle()) {
        if (HCURSOR cursor = LoadCursorFor(cursor_)) {
          ::SetCursor(cursor);
          m.result = TRUE;
          return;
        }
      }
      break;
    case WM_CONTEXTMENU:
      if (popup_menu_) {
        POINT p{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
        if (p.x == -1 && p.y == -1) {  // from the keyboard: under the control's centre
          p = {Width() / 2, Height() / 2};
          ::ClientToScreen(Handle(), &p);
        }
        popup_menu_->Popup(p.x, p.y);
        return;
      }
      break;
    case WM_MOUSEMOVE:
      if (!mouse_inside_) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Handle(), 0};
        mouse_inside_ = ::TrackMouseEvent(&track) != FALSE;
        if (mouse_inside_) Perform(CM_MOUSEENTER);
      }
      break;
    case WM_MOUSELEAVE:
      mouse_inside_ = false;
      Perform(CM_MOUSELEAVE);
      break;
    case WM_KILLFOCUS:
      DefaultHandler(m);
      Perform(CM_EXIT);
      return;
    case WM_LBUTTONDBLCLK:
      if (own_class_ && OnDblClick) {
        OnDblClick(*this);
        return;
      }
      break;
  }
  DefaultHandler(m);
}

void TWinControl::UpdateBoundsFromWindow() {
  if (!Handle()) return;
  RECT r;
  ::GetWindowRect(Handle(), &r);
  if (HWND parent = ::GetParent(Handle());
      parent && (::GetWindowLongW(Handle(), GWL_STYLE) & WS_CHILD)) {
    ::MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
  }
  bounds_ = r;
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  // A window already where it is asked to be is not moved: every move costs a round of
  // messages, and a layout mostly leaves most of its windows where they are.
  const RECT wanted{left, top, left + std::max(width, 0), top + std::max(height, 0)};
  if (Handle() && ::EqualRect(&wanted, &bounds_)) return;
  TControl::SetBounds(left, top, width, height);
  if (Handle()) {
    ::SetWindowPos(Handle(), nullptr, bounds_.left, bounds_.top, Width(), Height(),
                   SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    AlignControls();
  }
}

void TWinControl::SetVisible(bool visible) {
  if (visible_ == visible) return;
  TControl::SetVisible(visible);
  if (Handle()) ::ShowWindow(Handle(), visible ? SW_SHOW : SW_HIDE);
  if (parent_) parent_->AlignControls();
}

void TWinControl::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  if (Handle()) {
    ::EnableWindow(Handle(), enabled ? TRUE : FALSE);
    Perform(CM_ENABLEDCHANGED);
  }
}

bool TWinControl::DialogKey(WPARAM key) {
  for (TControl* c : controls_) {
    auto* win = dynamic_cast<TWinControl*>(c);
    if (win && win->visible_ && win->enabled_ && win->DialogKey(key)) return true;
  }
  return false;
}

void TWinControl::SetCaption(const std::wstring& caption) {
  TControl::SetCaption(caption);
  if (Handle()) ::SetWindowTextW(Handle(), caption_.c_str());
}

void TWinControl::SetColor(TColor color) {
  TControl::SetColor(color);
  if (Handle()) ::InvalidateRect(Handle(), nullptr, TRUE);
}

RECT TWinControl::AlignArea() const {
  RECT r{0, 0, Width(), Height()};
  if (Handle()) ::GetClientRect(Handle(), &r);
  return r;
}

void TWinControl::EnableAlign() {
  if (align_held_ > 0 && --align_held_ == 0) AlignControls();
}

void TWinControl::AlignControls() {
  if (aligning_ || align_held_ > 0) return;
  aligning_ = true;
  RECT r = AlignArea();
  // The bands first, in creation order; client controls then fill what is left, whenever
  // they were created.
  std::vector<TControl*> order;
  for (TControl* c : controls_) {
    if (c->visible_ && c->align_ != TAlign::alNone && c->align_ != TAlign::alClient)
      order.push_back(c);
  }
  for (TControl* c : controls_) {
    if (c->visible_ && c->align_ == TAlign::alClient) order.push_back(c);
  }
  for (TControl* c : order) {
    const int w = std::max(0, static_cast<int>(r.right - r.left));
    const int h = std::max(0, static_cast<int>(r.bottom - r.top));
    switch (c->align_) {
      case TAlign::alTop:
        c->SetBounds(r.left, r.top, w, c->Height());
        r.top += c->Height();
        break;
      case TAlign::alBottom:
        c->SetBounds(r.left, r.bottom - c->Height(), w, c->Height());
        r.bottom -= c->Height();
        break;
      case TAlign::alLeft:
        c->SetBounds(r.left, r.top, c->Width(), h);
        r.left += c->Width();
        break;
      case TAlign::alRight:
        c->SetBounds(r.right - c->Width(), r.top, c->Width(), h);
        r.right -= c->Width();
        break;
      case TAlign::alClient:
        c->SetBounds(r.left, r.top, w, h);
        break;
      case TAlign::alNone:
        break;
    }
  }
  aligning_ = false;
}

HFONT TWinControl::FontHandle() {
  if (!font_handle_) font_handle_ = font_.Create();
  return font_handle_.get();
}

HBRUSH TWinControl::ColorBrush() {
  if (!color_brush_ || brush_color_ != color_) {
    color_brush_ = win::Brush(::CreateSolidBrush(ColorToRGB(color_)));
    brush_color_ = color_;
  }
  return color_brush_.get();
}

void TWinControl::FontChanged() {
  font_handle_.reset();
  if (Handle()) {
    ::SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), TRUE);
    ::InvalidateRect(Handle(), nullptr, TRUE);
  }
  for (TControl* c : controls_) c->ParentFontChanged(font_);
}

void TWinControl::HintChanged() {
  if (!Handle()) return;
  if (TForm* form = ParentForm()) form->UpdateHint(*this);
}

bool TWinControl::EraseBackground(HDC dc) {
  if (paints_ && double_buffered_) return true;  // the buffered paint covers everything
  RECT r;
  ::GetClientRect(Handle(), &r);
  ::FillRect(dc, &r, ColorBrush());
  return true;
}

void TWinControl::PaintWindow() {
  win::PaintDc paint(Handle());
  RECT client;
  ::GetClientRect(Handle(), &client);
  std::optional<win::OffScreenDc> memory;
  if (double_buffered_ && client.right > 0 && client.bottom > 0) {
    memory.emplace(paint.get(), client.right, client.bottom);
  }
  if (!memory || !*memory) {  // not buffered, or no memory for the buffer: straight on
    if (double_buffered_) ::FillRect(paint.get(), &client, ColorBrush());  // nothing erased it
    Paint(paint.get(), client);
    PaintGraphicControls(paint.get(), paint.area());
    return;
  }
  ::FillRect(memory->get(), &client, ColorBrush());
  Paint(memory->get(), client);
  PaintGraphicControls(memory->get(), client);
  ::BitBlt(paint.get(), 0, 0, client.right, client.bottom, memory->get(), 0, 0, SRCCOPY);
}

}  // namespace telvana::ui
