// Records the pages the program asks the shell to open, instead of opening them, and
// answers with success or failure as a test chooses.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "ui/shell_open.h"

namespace telvana::testsupport {

struct ShellRequests {
  std::vector<std::pair<HWND, std::wstring>> opened;
  bool succeed = true;
  ui::ScopedShellOpenHandler scope{[this](HWND owner, const std::wstring& address) {
    opened.emplace_back(owner, address);
    return succeed;
  }};
};

}  // namespace telvana::testsupport
