// Opening a web page from a window of the program: the shell is asked to open it; when it
// cannot be asked, the network notice says so and nothing else changes.
#pragma once

#include <windows.h>

#include "ui/message_box.h"
#include "ui/shell_open.h"

namespace telvana {

// The caption of the program's friendly notices (network and full-screen failures).
inline constexpr wchar_t kFriendlyCaption[] = L"Korvane友情提醒";
inline constexpr wchar_t kNetworkFault[] = L"您的网络出现故障，不能连入Internet，请检查！";

inline void OpenWebPage(HWND owner, const wchar_t* address) {
  if (!ui::ShellOpen(owner, address)) {
    ui::ShowMessageBox(owner, kNetworkFault, kFriendlyCaption, MB_ICONEXCLAMATION | MB_OK);
  }
}

}  // namespace telvana
