#include "ui/window_subclass.h"

#include <commctrl.h>

#include <stdexcept>

#include "ui/window_base.h"

namespace telvana::ui {

bool WindowSubclass::Attach(HWND window, Handler handler) {
  Release();
  if (!window || !::IsWindow(window)) return false;
  handler_ = std::move(handler);
  const auto id = reinterpret_cast<UINT_PTR>(this);
  if (!::SetWindowSubclass(window, Procedure, id, reinterpret_cast<DWORD_PTR>(this))) return false;
  window_ = window;
  return true;
}

void WindowSubclass::Release() {
  if (!window_) return;
  // comctl32 keeps the chain whole: replacements made after this one stay, in their order.
  ::RemoveWindowSubclass(window_, Procedure, reinterpret_cast<UINT_PTR>(this));
  window_ = nullptr;
  // The handler stays: Release may be called from inside it.
}

LRESULT WindowSubclass::CallNext(UINT msg, WPARAM wparam, LPARAM lparam) const {
  return ::DefSubclassProc(window_, msg, wparam, lparam);
}

LRESULT CALLBACK WindowSubclass::Procedure(HWND window, UINT msg, WPARAM wparam, LPARAM lparam,
                                           UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<WindowSubclass*>(data);
  LRESULT result = 0;
  try {
    result = self->window_ == window ? self->handler_(msg, wparam, lparam)
                                     : ::DefSubclassProc(window, msg, wparam, lparam);
  } catch (const std::exception& error) {
    ReportError(error);
  } catch (...) {
    ReportError(std::runtime_error("an unknown error"));
  }
  // The window's last message: the replacement ends with it.
  if (msg == WM_NCDESTROY && self->window_ == window) self->Release();
  return result;
}

}  // namespace telvana::ui
