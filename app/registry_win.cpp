#include "app/registry_win.h"

#include <windows.h>

#include <vector>

#include "ui/win_handles.h"

namespace telvana {

namespace {

class WindowsRegistryKey : public RegistryKey {
 public:
  explicit WindowsRegistryKey(HKEY key) : key_(key) {}

  std::optional<std::wstring> ReadString(const std::wstring& name) override {
    for (;;) {
      DWORD type = 0, size = 0;
      LSTATUS status = ::RegQueryValueExW(key_.get(), name.c_str(), nullptr, &type, nullptr, &size);
      if (status == ERROR_FILE_NOT_FOUND) return std::nullopt;
      if (status != ERROR_SUCCESS) throw RegistryError("a registry value cannot be read");
      if (type != REG_SZ && type != REG_EXPAND_SZ)
        throw RegistryError("a registry value is not a string");
      // Room for a terminator the stored value may lack.
      std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
      DWORD bytes = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
      status = ::RegQueryValueExW(key_.get(), name.c_str(), nullptr, &type,
                                  reinterpret_cast<BYTE*>(buffer.data()), &bytes);
      if (status == ERROR_MORE_DATA) continue;  // it grew in between
      if (status == ERROR_FILE_NOT_FOUND) return std::nullopt;
      if (status != ERROR_SUCCESS) throw RegistryError("a registry value cannot be read");
      if (type != REG_SZ && type != REG_EXPAND_SZ)
        throw RegistryError("a registry value is not a string");
      buffer.back() = L'\0';
      return std::wstring(buffer.data());
    }
  }

  void WriteString(const std::wstring& name, const std::wstring& value) override {
    const DWORD bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    if (::RegSetValueExW(key_.get(), name.c_str(), 0, REG_SZ,
                         reinterpret_cast<const BYTE*>(value.c_str()), bytes) != ERROR_SUCCESS) {
      throw RegistryError("a registry value cannot be written");
    }
  }

 private:
  win::RegKey key_;
};

}  // namespace

std::unique_ptr<RegistryKey> WindowsRegistry::Open(RegistryRoot root, const std::wstring& path,
                                                   bool create) {
  const HKEY base = root == RegistryRoot::kLocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
  HKEY opened = nullptr;
  const LSTATUS status =
      create ? ::RegCreateKeyExW(base, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                 KEY_ALL_ACCESS, nullptr, &opened, nullptr)
             : ::RegOpenKeyExW(base, path.c_str(), 0, KEY_ALL_ACCESS, &opened);
  if (status != ERROR_SUCCESS || opened == nullptr) return nullptr;
  return std::make_unique<WindowsRegistryKey>(opened);
}

}  // namespace telvana
