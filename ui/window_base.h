// The one base of every window the program creates: controls, forms, the application's
// window, timers, the player's full-screen host. It registers the program's own window
// classes, finds its object from the window, and runs every message through one guarded
// dispatch: no exception leaves a window procedure, it ends in the application's error report.
// Windows of a system class (list boxes, status bars, buttons) are created by the same base and
// reach their object through comctl32's window subclassing, like any other replacement of a
// window procedure (ui/window_subclass.h).
#pragma once

#include <windows.h>

#include <exception>

namespace telvana::ui {

class WindowBase {
 public:
  WindowBase() = default;
  WindowBase(const WindowBase&) = delete;
  WindowBase& operator=(const WindowBase&) = delete;
  // Lets go of the window first, so that none of its last messages reaches a half-destroyed
  // object, then destroys it.
  virtual ~WindowBase();

  HWND Handle() const { return handle_; }
  bool HandleAllocated() const { return handle_ != nullptr; }
  // The object of a window this base serves, or null.
  static WindowBase* FromHandle(HWND window);

 protected:
  struct WindowOptions {
    // The window class, registered as `own_class` on first use: with the program's own
    // procedure, or, when `system_class` names a system class, with that class's behaviour
    // (its window is then reached through subclassing).
    const wchar_t* system_class = nullptr;
    const wchar_t* own_class = L"TelvanaWindow";
    UINT class_style = CS_DBLCLKS;
    HBRUSH class_background = nullptr;
    DWORD style = 0;
    DWORD ex_style = 0;
    const wchar_t* title = L"";
    RECT bounds{};
    HWND parent = nullptr;  // the parent of a child window, the owner of a top-level one
  };
  // Creates the window; throws std::runtime_error when the system refuses.
  HWND CreateWindowFrom(const WindowOptions& options);
  void DestroyHandle();

  // Every message of the window, inside the guarded dispatch.
  virtual LRESULT HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam) = 0;
  // What the window does with a message nobody handled: the system class's own procedure, or
  // DefWindowProc for the program's own classes.
  LRESULT DefaultProc(UINT msg, WPARAM wparam, LPARAM lparam);
  // Runs once the window's last message (WM_NCDESTROY) has been handled; the handle is gone.
  virtual void HandleDestroyed() {}

 private:
  static LRESULT CALLBACK OwnClassProcedure(HWND, UINT, WPARAM, LPARAM);
  static LRESULT CALLBACK SubclassProcedure(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  void Attach(HWND window);
  void Detach();
  LRESULT GuardedMessage(UINT msg, WPARAM wparam, LPARAM lparam);

  HWND handle_ = nullptr;
  bool subclassed_ = false;
};

// The error report for an exception that reached a window procedure, a hook or a callback:
// the application's, or nothing when no application exists (yet or any more).
void ReportError(const std::exception& error) noexcept;

}  // namespace telvana::ui
