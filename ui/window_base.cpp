#include "ui/window_base.h"

#include <commctrl.h>

#include <set>
#include <stdexcept>
#include <string>

#include "ui/forms.h"
#include "ui/utf.h"

namespace telvana::ui {

namespace {

// The object of a window is kept in a window property, so that the program's own windows and
// the system-class windows it subclasses are found in the same way.
constexpr wchar_t kObjectProperty[] = L"TelvanaWindowObject";

void RegisterOwnClass(const wchar_t* name, UINT style, HBRUSH background, WNDPROC procedure) {
  static std::set<std::wstring> registered;
  if (registered.contains(name)) return;
  WNDCLASSEXW wc{sizeof(wc)};
  wc.style = style;
  wc.lpfnWndProc = procedure;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = background;
  wc.lpszClassName = name;
  if (!::RegisterClassExW(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    throw std::runtime_error("the window class " + Utf8FromWide(name) + " could not be registered");
  }
  registered.emplace(name);
}

// A class named `name` that behaves as the system class `system_class`: its procedure, styles,
// extra bytes, cursor and background, under the program's own name.
void RegisterSuperclass(const wchar_t* name, const wchar_t* system_class) {
  static std::set<std::wstring> registered;
  if (registered.contains(name)) return;
  WNDCLASSEXW wc{sizeof(wc)};
  if (!::GetClassInfoExW(nullptr, system_class, &wc)) {
    throw std::runtime_error("the system class " + Utf8FromWide(system_class) + " is missing");
  }
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.lpszClassName = name;
  wc.style &= ~CS_GLOBALCLASS;
  if (!::RegisterClassExW(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    throw std::runtime_error("the window class " + Utf8FromWide(name) + " could not be registered");
  }
  registered.emplace(name);
}

}  // namespace

WindowBase::~WindowBase() {
  if (HWND window = handle_) {
    Detach();
    ::DestroyWindow(window);
  }
}

WindowBase* WindowBase::FromHandle(HWND window) {
  return window ? static_cast<WindowBase*>(::GetPropW(window, kObjectProperty)) : nullptr;
}

HWND WindowBase::CreateWindowFrom(const WindowOptions& options) {
  if (handle_) return handle_;
  if (options.system_class) {
    RegisterSuperclass(options.own_class, options.system_class);
  } else {
    RegisterOwnClass(options.own_class, options.class_style, options.class_background,
                     OwnClassProcedure);
  }
  const RECT& b = options.bounds;
  // The program's own classes meet their object in WM_NCCREATE, through the creation
  // parameter; a system class's window is taken over once it exists.
  HWND window =
      ::CreateWindowExW(options.ex_style, options.own_class, options.title, options.style, b.left,
                        b.top, b.right - b.left, b.bottom - b.top, options.parent, nullptr,
                        ::GetModuleHandleW(nullptr), options.system_class ? nullptr : this);
  if (!window) throw std::runtime_error("a window could not be created");
  if (options.system_class) {
    if (!::SetWindowSubclass(window, SubclassProcedure, reinterpret_cast<UINT_PTR>(this),
                             reinterpret_cast<DWORD_PTR>(this))) {
      ::DestroyWindow(window);
      throw std::runtime_error("a window could not be taken over");
    }
    subclassed_ = true;
    Attach(window);
  }
  return window;
}

void WindowBase::DestroyHandle() {
  if (handle_) ::DestroyWindow(handle_);
}

void WindowBase::Attach(HWND window) {
  handle_ = window;
  ::SetPropW(window, kObjectProperty, this);
}

void WindowBase::Detach() {
  if (!handle_) return;
  ::RemovePropW(handle_, kObjectProperty);
  if (subclassed_) {
    ::RemoveWindowSubclass(handle_, SubclassProcedure, reinterpret_cast<UINT_PTR>(this));
  }
  subclassed_ = false;
  handle_ = nullptr;
}

LRESULT WindowBase::DefaultProc(UINT msg, WPARAM wparam, LPARAM lparam) {
  return subclassed_ ? ::DefSubclassProc(handle_, msg, wparam, lparam)
                     : ::DefWindowProcW(handle_, msg, wparam, lparam);
}

LRESULT WindowBase::GuardedMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
  try {
    return HandleMessage(msg, wparam, lparam);
  } catch (const std::exception& error) {
    ReportError(error);
  } catch (...) {
    ReportError(std::runtime_error("an unknown error"));
  }
  return 0;
}

LRESULT CALLBACK WindowBase::OwnClassProcedure(HWND window, UINT msg, WPARAM wparam,
                                               LPARAM lparam) {
  WindowBase* self = FromHandle(window);
  if (!self && msg == WM_NCCREATE) {
    self = static_cast<WindowBase*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    if (self) self->Attach(window);
  }
  // Messages before WM_NCCREATE (WM_GETMINMAXINFO) and after the object let go.
  if (!self) return ::DefWindowProcW(window, msg, wparam, lparam);
  const LRESULT result = self->GuardedMessage(msg, wparam, lparam);
  if (msg == WM_NCDESTROY) {
    self->Detach();
    self->HandleDestroyed();
  }
  return result;
}

LRESULT CALLBACK WindowBase::SubclassProcedure(HWND window, UINT msg, WPARAM wparam, LPARAM lparam,
                                               UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<WindowBase*>(data);
  if (self->handle_ != window) return ::DefSubclassProc(window, msg, wparam, lparam);
  const LRESULT result = self->GuardedMessage(msg, wparam, lparam);
  if (msg == WM_NCDESTROY) {
    self->Detach();
    self->HandleDestroyed();
  }
  return result;
}

void ReportError(const std::exception& error) noexcept {
  try {
    if (TApplication* application = TApplication::Current()) application->HandleException(error);
  } catch (...) {
    // The report itself failed (no memory for the box): nothing more can be said.
  }
}

}  // namespace telvana::ui
