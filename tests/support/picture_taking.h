// The gallery programs' side of tools/take-screenshots.sh: a program asks for a screenshot by
// writing FOLDER\NAME.ready once the screen shows what it should, and waits until the script
// has taken it (the file is gone).
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>

#include "ui/forms.h"

namespace telvana::testsupport {

// Lets the windows paint for a while.
inline void Settle(DWORD ms) {
  const DWORD end = ::GetTickCount() + ms;
  while (::GetTickCount() < end) {
    ui::Application().ProcessMessages();
    ::Sleep(20);
  }
}

// Asks for the picture NAME and waits for it, for at most a minute; false when it was not
// taken. With `pump` false the wait only sleeps (for a caller inside a menu's own loop, which
// must not be run from within).
inline bool AwaitPicture(const std::wstring& folder, const std::wstring& name, bool pump = true) {
  const std::wstring ready = folder + L"\\" + name + L".ready";
  FILE* marker = _wfopen(ready.c_str(), L"wb");
  if (!marker) return false;
  std::fclose(marker);
  for (int waited = 0; waited < 60000; waited += 100) {
    if (::GetFileAttributesW(ready.c_str()) == INVALID_FILE_ATTRIBUTES) return true;
    if (pump) {
      Settle(100);
    } else {
      ::Sleep(100);
    }
  }
  ::DeleteFileW(ready.c_str());
  return false;
}

}  // namespace telvana::testsupport
