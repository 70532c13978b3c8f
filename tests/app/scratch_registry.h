// A scratch stand-in for the current user's registry hive: for its lifetime the process's
// HKEY_CURRENT_USER is an empty key of its own, so tests can give the program a missing,
// empty or odd Shell Folders key without touching the user's settings.
#pragma once

#include <windows.h>

#include <string>

#include "app/desktop_shortcut.h"

namespace telvana::testsupport {

class ScratchCurrentUser {
 public:
  ScratchCurrentUser() {
    static int counter = 0;
    name_ = L"Software\\TelvanaTests\\Scratch" + std::to_wstring(::GetCurrentProcessId()) + L"_" +
            std::to_wstring(counter++);
    ::RegCreateKeyExW(HKEY_CURRENT_USER, name_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                      &root_, nullptr);
    overridden_ = root_ && ::RegOverridePredefKey(HKEY_CURRENT_USER, root_) == ERROR_SUCCESS;
  }
  ScratchCurrentUser(const ScratchCurrentUser&) = delete;
  ScratchCurrentUser& operator=(const ScratchCurrentUser&) = delete;
  ~ScratchCurrentUser() {
    if (overridden_) ::RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    if (shell_folders_) ::RegCloseKey(shell_folders_);
    if (root_) ::RegCloseKey(root_);
    ::RegDeleteTreeW(HKEY_CURRENT_USER, name_.c_str());
    ::RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\TelvanaTests");  // once nothing else is in it
  }

  // False when the stand-in could not be put in place; a test must not go on then.
  bool active() const { return overridden_; }

  // The Shell Folders key inside the stand-in, created on first use.
  HKEY ShellFolders() {
    if (!shell_folders_) {
      ::RegCreateKeyExW(root_, kShellFoldersKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &shell_folders_, nullptr);
    }
    return shell_folders_;
  }
  void SetString(const wchar_t* name, const std::wstring& value, bool terminated = true) {
    const DWORD bytes = static_cast<DWORD>((value.size() + (terminated ? 1 : 0)) * sizeof(wchar_t));
    ::RegSetValueExW(ShellFolders(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     bytes);
  }
  void SetDword(const wchar_t* name, DWORD value) {
    ::RegSetValueExW(ShellFolders(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                     sizeof value);
  }

 private:
  std::wstring name_;
  HKEY root_ = nullptr;
  HKEY shell_folders_ = nullptr;
  bool overridden_ = false;
};

// A folder of its own under the temporary folder, removed with what it holds.
class ScratchFolder {
 public:
  ScratchFolder() {
    static int counter = 0;
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    path_ = std::wstring(temp) + L"telvana-test-" + std::to_wstring(::GetCurrentProcessId()) +
            L"-" + std::to_wstring(counter++);
    ::CreateDirectoryW(path_.c_str(), nullptr);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder() {
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW((path_ + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
          ::DeleteFileW((path_ + L"\\" + found.cFileName).c_str());
      } while (::FindNextFileW(search, &found));
      ::FindClose(search);
    }
    ::RemoveDirectoryW(path_.c_str());
  }
  const std::wstring& path() const { return path_; }

 private:
  std::wstring path_;
};

inline bool FileExists(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

inline bool FolderExists(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace telvana::testsupport
