#include "app/program_file.h"

#include <windows.h>

namespace telvana {

std::wstring ProgramFilePath() {
  std::wstring program(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameW(nullptr, program.data(), static_cast<DWORD>(program.size()));
    if (length == 0) return L"";
    if (length < program.size()) {
      program.resize(length);
      return program;
    }
    program.resize(program.size() * 2);
  }
}

std::wstring ProgramFolder() {
  std::wstring folder = ProgramFilePath();
  const std::size_t separator = folder.find_last_of(L"\\/");
  if (separator == std::wstring::npos) return L"";
  folder.resize(separator + 1);
  return folder;
}

}  // namespace telvana
