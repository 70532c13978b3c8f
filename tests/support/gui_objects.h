// How many GDI and USER objects this process holds, for tests that check that repeated work
// gives back every object it takes.
#pragma once

#include <windows.h>

namespace telvana::testsupport {

// Wine answers GetGuiResources with 0; there, objects are counted by asking for every handle
// of the 16-bit range, which Wine resolves to the current object of that slot.
inline DWORD GdiObjectCount() {
  if (DWORD count = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS)) return count;
  DWORD count = 0;
  for (UINT_PTR h = 4; h < 0x10000; h += 4) {
    count += ::GetObjectType(reinterpret_cast<HGDIOBJ>(h)) != 0;
  }
  return count;
}

// USER objects; under Wine this process's windows and the menus of the 16-bit handle range
// (the range holds the windows of other processes too).
inline DWORD UserObjectCount() {
  if (DWORD count = ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS)) return count;
  DWORD count = 0;
  for (UINT_PTR h = 2; h < 0x10000; h += 2) {
    const HWND window = reinterpret_cast<HWND>(h);
    DWORD process = 0;
    if (::IsWindow(window)) {
      ::GetWindowThreadProcessId(window, &process);
      count += process == ::GetCurrentProcessId();
    } else {
      count += ::IsMenu(reinterpret_cast<HMENU>(h)) != FALSE;
    }
  }
  return count;
}

}  // namespace telvana::testsupport
