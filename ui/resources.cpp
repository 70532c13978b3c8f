#include "ui/resources.h"

#include <windows.h>

#include <cwctype>

namespace telvana::ui {

std::wstring ResourceNameForFile(std::wstring_view fileName) {
  std::wstring name;
  for (wchar_t c : fileName) {
    name.push_back(std::iswalnum(c) ? static_cast<wchar_t>(std::towupper(c)) : L'_');
  }
  return name;
}

std::optional<std::span<const std::uint8_t>> ProgramResource(const std::wstring& name) {
  HMODULE module = ::GetModuleHandleW(nullptr);
  HRSRC info = ::FindResourceW(module, name.c_str(), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  if (!info) return std::nullopt;
  HGLOBAL loaded = ::LoadResource(module, info);
  const void* data = loaded ? ::LockResource(loaded) : nullptr;
  if (!data) return std::nullopt;
  return std::span<const std::uint8_t>(static_cast<const std::uint8_t*>(data),
                                       ::SizeofResource(module, info));
}

}  // namespace telvana::ui
