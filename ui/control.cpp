#include "ui/control.h"

#include <windowsx.h>

#include <algorithm>
#include <map>

#include "ui/forms.h"
#include "ui/menus.h"

namespace telvana::ui {

namespace {
constexpr wchar_t kControlProp[] = L"TelvanaControl";

// One window class per class style, registered on first use.
const wchar_t* OwnWindowClass(UINT classStyle, WNDPROC procedure) {
  static std::map<UINT, std::wstring> names;
  auto it = names.find(classStyle);
  if (it != names.end()) return it->second.c_str();
  std::wstring name = L"TelvanaWindow" + std::to_wstring(classStyle);
  WNDCLASSEXW wc{sizeof(wc)};
  wc.style = classStyle;
  wc.lpfnWndProc = procedure;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = name.c_str();
  ::RegisterClassExW(&wc);
  return names.emplace(classStyle, std::move(name)).first->second.c_str();
}

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

void TControl::SetParentFont(bool parentFont) {
  parent_font_ = parentFont;
  if (parent_font_ && parent_) ParentFontChanged(parent_->font_);
}

void TControl::ParentFontChanged(const TFont& parentFont) {
  if (!parent_font_ || font_ == parentFont) return;
  font_ = parentFont;
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
  if (handle_) ::DestroyWindow(handle_);
}

void TWinControl::InsertControl(TControl& control) {
  controls_.push_back(&control);
  auto* win = dynamic_cast<TWinControl*>(&control);
  if (handle_ && win && !win->handle_) {
    AlignControls();
    win->CreateHandle();
  } else {
    AlignControls();
  }
}

void TWinControl::RemoveControl(TControl& control) {
  std::erase(controls_, &control);
  AlignControls();
}

TWinControl* TWinControl::FromHandle(HWND window) {
  return window ? static_cast<TWinControl*>(::GetPropW(window, kControlProp)) : nullptr;
}

void TWinControl::FillCreateParams(CreateParams& params) {
  params.parent = parent_ ? parent_->handle_ : nullptr;
  params.bounds = bounds_;
  if (visible_) params.style |= WS_VISIBLE;
  if (!enabled_) params.style |= WS_DISABLED;
}

void TWinControl::CreateHandle() {
  if (handle_) return;
  CreateParams params;
  FillCreateParams(params);
  own_class_ = params.className == nullptr;
  const wchar_t* className =
      own_class_ ? OwnWindowClass(params.classStyle, StaticWndProc) : params.className;
  const RECT& b = params.bounds;
  HWND window = ::CreateWindowExW(params.exStyle, className, caption_.c_str(), params.style, b.left,
                                  b.top, b.right - b.left, b.bottom - b.top, params.parent, nullptr,
                                  ::GetModuleHandleW(nullptr), this);
  if (!window) throw PropertyError("the window of a control could not be created");
  if (!handle_) {
    // A window of a system class: its messages come to us through a replaced procedure.
    handle_ = window;
    ::SetPropW(window, kControlProp, this);
    native_proc_.Replace(window, StaticWndProc);
  }
  ::SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), FALSE);
  UpdateBoundsFromWindow();
  HandleCreated();
  AlignControls();
  std::vector<TWinControl*> windows;
  for (TControl* c : controls_) {
    if (auto* win = dynamic_cast<TWinControl*>(c)) {
      win->CreateHandle();
      windows.push_back(win);
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
    const HWND above = ::GetWindow(win->handle_, GW_HWNDPREV);
    if (above != (after == HWND_TOP ? nullptr : after)) {
      ::SetWindowPos(win->handle_, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    after = win->handle_;
  }
  HintChanged();
}

LRESULT CALLBACK TWinControl::StaticWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = FromHandle(hwnd);
  if (!control && msg == WM_NCCREATE) {
    // Only our own classes pass the control as the creation parameter.
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
    control = static_cast<TWinControl*>(cs->lpCreateParams);
    if (control) {
      control->handle_ = hwnd;
      ::SetPropW(hwnd, kControlProp, control);
    }
  }
  if (!control) return ::DefWindowProcW(hwnd, msg, wParam, lParam);
  TMessage message{hwnd, msg, wParam, lParam, 0};
  try {
    control->Dispatch(message);
  } catch (const std::exception& error) {
    // An error must not cross the system's window procedure: it ends in the default report.
    Application().HandleException(error);
  }
  if (msg == WM_NCDESTROY) {
    ::RemovePropW(hwnd, kControlProp);
    control->native_proc_.Restore();
    control->handle_ = nullptr;
  }
  return message.result;
}

void TWinControl::Dispatch(TMessage& message) {
  if (WindowProc) {
    WindowProc(message);
  } else {
    WndProc(message);
  }
}

LRESULT TWinControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{handle_, msg, wParam, lParam, 0};
  Dispatch(message);
  return message.result;
}

void TWinControl::DefaultHandler(TMessage& m) {
  if (!own_class_ && native_proc_.active()) {
    m.result = native_proc_.CallPrevious(m.hwnd, m.msg, m.wParam, m.lParam);
  } else if (m.msg >= CN_BASE && m.msg < CN_BASE + 0x400) {
    m.result = 0;  // a reflected notification nobody handled
  } else {
    m.result = ::DefWindowProcW(m.hwnd, m.msg, m.wParam, m.lParam);
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
      if (paints_) {
        PaintWindow();
        return;
      }
      break;
    case WM_SETCURSOR:
      if (LOWORD(m.lParam) == HTCLIENT && reinterpret_cast<HWND>(m.wParam) == handle_) {
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
          ::ClientToScreen(handle_, &p);
        }
        popup_menu_->Popup(p.x, p.y);
        return;
      }
      break;
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
  if (!handle_) return;
  RECT r;
  ::GetWindowRect(handle_, &r);
  if (HWND parent = ::GetParent(handle_);
      parent && (::GetWindowLongW(handle_, GWL_STYLE) & WS_CHILD)) {
    ::MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
  }
  bounds_ = r;
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  TControl::SetBounds(left, top, width, height);
  if (handle_) {
    ::SetWindowPos(handle_, nullptr, bounds_.left, bounds_.top, Width(), Height(),
                   SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    AlignControls();
  }
}

void TWinControl::SetVisible(bool visible) {
  if (visible_ == visible) return;
  TControl::SetVisible(visible);
  if (handle_) ::ShowWindow(handle_, visible ? SW_SHOW : SW_HIDE);
  if (parent_) parent_->AlignControls();
}

void TWinControl::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (handle_) ::EnableWindow(handle_, enabled ? TRUE : FALSE);
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
  if (handle_) ::SetWindowTextW(handle_, caption_.c_str());
}

void TWinControl::SetColor(TColor color) {
  TControl::SetColor(color);
  if (handle_) ::InvalidateRect(handle_, nullptr, TRUE);
}

RECT TWinControl::AlignArea() const {
  RECT r{0, 0, Width(), Height()};
  if (handle_) ::GetClientRect(handle_, &r);
  return r;
}

void TWinControl::AlignControls() {
  if (aligning_) return;
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
  if (handle_) {
    ::SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), TRUE);
    ::InvalidateRect(handle_, nullptr, TRUE);
  }
  for (TControl* c : controls_) c->ParentFontChanged(font_);
}

void TWinControl::HintChanged() {
  if (!handle_) return;
  if (TForm* form = ParentForm()) form->UpdateHint(*this);
}

bool TWinControl::EraseBackground(HDC dc) {
  if (paints_ && double_buffered_) return true;  // the buffered paint covers everything
  RECT r;
  ::GetClientRect(handle_, &r);
  ::FillRect(dc, &r, ColorBrush());
  return true;
}

void TWinControl::PaintWindow() {
  win::PaintDc paint(handle_);
  RECT client;
  ::GetClientRect(handle_, &client);
  if (!double_buffered_ || client.right <= 0 || client.bottom <= 0) {
    Paint(paint.get(), client);
    return;
  }
  win::MemoryDc memory(::CreateCompatibleDC(paint.get()));
  win::Bitmap bitmap(::CreateCompatibleBitmap(paint.get(), client.right, client.bottom));
  {
    win::SelectObjectScope select(memory.get(), bitmap.get());
    ::FillRect(memory.get(), &client, ColorBrush());
    Paint(memory.get(), client);
    ::BitBlt(paint.get(), 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
  }
}

}  // namespace telvana::ui
