// The desktop shortcut the program renews on every start, and the registry reading that
// finds the desktop.
#pragma once

#include <windows.h>

#include <string>

namespace telvana {

inline constexpr wchar_t kShellFoldersKey[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
inline constexpr wchar_t kShortcutName[] = L"Korvane影视Telvana免费版.lnk";
inline constexpr wchar_t kShortcutDescription[] = L"Korvane娱乐工具";

// A string value of a key under `root`, opened with full access without creating it.
// Empty when the key cannot be opened with full access, the value is missing, or it is
// not a string.
struct RegistryString {
  bool keyOpened = false;
  bool found = false;
  std::wstring value;
};
RegistryString ReadRegistryString(HKEY root, const wchar_t* key, const wchar_t* name);

// The shell folder `folderName` as the user's Shell Folders key gives it, with "\" added:
// empty when the key cannot be opened, "\" alone when the value is missing.
std::wstring ShellFolderPath(const wchar_t* folderName);

// Writes a shell link to `target` at `linkPath`. True only when the link was saved.
bool CreateShellLink(const std::wstring& target, const std::wstring& linkPath,
                     const std::wstring& description);

// Where the shortcut goes: the Desktop shell folder; when the registry gives none, the
// desktop folder the shell reports; empty when there is none at all.
std::wstring DesktopShortcutPath();

// Renews the desktop shortcut to the running program; false when it could not be made.
bool RenewDesktopShortcut();

}  // namespace telvana
