// The hint window that a form keeps for the hints of its controls: a tooltip it owns.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string_view>
#include <utility>

namespace telvana::testsupport {

inline HWND HintWindowOf(HWND form) {
  std::pair<HWND, HWND> search{form, nullptr};
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND candidate, LPARAM data) -> BOOL {
        auto* search = reinterpret_cast<std::pair<HWND, HWND>*>(data);
        wchar_t name[64] = {};
        ::GetClassNameW(candidate, name, 64);
        if (::GetWindow(candidate, GW_OWNER) == search->first &&
            std::wstring_view(name) == TOOLTIPS_CLASSW)
          search->second = candidate;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.second;
}

}  // namespace telvana::testsupport
