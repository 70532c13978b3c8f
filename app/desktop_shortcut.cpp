#include "app/desktop_shortcut.h"

#include <objidl.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <vector>

#include "app/program_file.h"
#include "ui/win_handles.h"

namespace telvana {

RegistryString ReadRegistryString(HKEY root, const wchar_t* key, const wchar_t* name) {
  RegistryString result;
  HKEY opened = nullptr;
  if (::RegOpenKeyExW(root, key, 0, KEY_ALL_ACCESS, &opened) != ERROR_SUCCESS) return result;
  win::RegKey owned(opened);
  result.keyOpened = true;
  DWORD type = 0, size = 0;
  if (::RegQueryValueExW(opened, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
    return result;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return result;
  // Room for a terminator the stored value may lack.
  std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
  DWORD bytes = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
  if (::RegQueryValueExW(opened, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                         &bytes) != ERROR_SUCCESS) {
    return result;
  }
  buffer.back() = L'\0';
  result.found = true;
  result.value = buffer.data();
  return result;
}

std::wstring ShellFolderPath(const wchar_t* folderName) {
  const RegistryString folder = ReadRegistryString(HKEY_CURRENT_USER, kShellFoldersKey, folderName);
  if (!folder.keyOpened) return L"";
  return folder.value + L"\\";
}

bool CreateShellLink(const std::wstring& target, const std::wstring& linkPath,
                     const std::wstring& description) {
  win::ComPtr<IShellLinkW> link;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                link.putVoid()))) {
    return false;
  }
  if (FAILED(link->SetPath(target.c_str())) || FAILED(link->SetDescription(description.c_str())))
    return false;
  win::ComPtr<IPersistFile> file;
  if (FAILED(link->QueryInterface(IID_IPersistFile, file.putVoid()))) return false;
  return SUCCEEDED(file->Save(linkPath.c_str(), TRUE));
}

std::wstring DesktopShortcutPath() {
  std::wstring folder = ShellFolderPath(L"Desktop");
  if (folder.empty() || folder == L"\\") {
    // The registry names no desktop: ask the shell rather than write to a drive's root.
    folder.clear();
    PWSTR known = nullptr;
    if (SUCCEEDED(::SHGetKnownFolderPath(FOLDERID_Desktop, 0, nullptr, &known)) && known &&
        *known) {
      folder = std::wstring(known) + L"\\";
    }
    ::CoTaskMemFree(known);
    if (folder.empty()) return L"";
  }
  return folder + kShortcutName;
}

bool RenewDesktopShortcut() {
  const std::wstring linkPath = DesktopShortcutPath();
  if (linkPath.empty()) return false;
  const std::wstring program = ProgramFilePath();
  if (program.empty()) return false;
  return CreateShellLink(program, linkPath, kShortcutDescription);
}

}  // namespace telvana
