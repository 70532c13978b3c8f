// Every message box of the program goes through this seam, so that tests can see caption,
// text, icon and buttons, and answer, without a modal box blocking them.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace telvana::ui {

struct MessageBoxRequest {
  HWND owner;
  std::wstring text;
  std::wstring caption;
  UINT style;  // MB_ICON* | MB_OK, MB_OKCANCEL, ...
};

// Returns the button pressed (IDOK, IDCANCEL, ...).
using MessageBoxHandler = std::function<int(const MessageBoxRequest&)>;

int ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT style);

// Replaces the handler for the life of the object (tests), then puts the previous one back.
class ScopedMessageBoxHandler {
 public:
  explicit ScopedMessageBoxHandler(MessageBoxHandler handler);
  ScopedMessageBoxHandler(const ScopedMessageBoxHandler&) = delete;
  ScopedMessageBoxHandler& operator=(const ScopedMessageBoxHandler&) = delete;
  ~ScopedMessageBoxHandler();

 private:
  MessageBoxHandler previous_;
};

}  // namespace telvana::ui
