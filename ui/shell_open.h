// Opening a web address in the user's browser goes through this seam, so that tests can
// record the address instead of starting a browser.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace telvana::ui {

// Returns false when the shell could not be asked to open the address.
using ShellOpenHandler = std::function<bool(HWND owner, const std::wstring& address)>;

bool ShellOpen(HWND owner, const std::wstring& address);

class ScopedShellOpenHandler {
 public:
  explicit ScopedShellOpenHandler(ShellOpenHandler handler);
  ScopedShellOpenHandler(const ScopedShellOpenHandler&) = delete;
  ScopedShellOpenHandler& operator=(const ScopedShellOpenHandler&) = delete;
  ~ScopedShellOpenHandler();

 private:
  ShellOpenHandler previous_;
};

}  // namespace telvana::ui
