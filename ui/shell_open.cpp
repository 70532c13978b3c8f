#include "ui/shell_open.h"

#include <shellapi.h>

#include <utility>

namespace telvana::ui {

namespace {
ShellOpenHandler& CurrentHandler() {
  static ShellOpenHandler handler = [](HWND owner, const std::wstring& address) {
    // ShellExecute answers a value above 32 on success.
    const auto result = reinterpret_cast<INT_PTR>(
        ::ShellExecuteW(owner, L"open", address.c_str(), nullptr, nullptr, SW_SHOW));
    return result > 32;
  };
  return handler;
}
}  // namespace

bool ShellOpen(HWND owner, const std::wstring& address) {
  return CurrentHandler()(owner, address);
}

ScopedShellOpenHandler::ScopedShellOpenHandler(ShellOpenHandler handler)
    : previous_(std::exchange(CurrentHandler(), std::move(handler))) {}

ScopedShellOpenHandler::~ScopedShellOpenHandler() {
  CurrentHandler() = std::move(previous_);
}

}  // namespace telvana::ui
