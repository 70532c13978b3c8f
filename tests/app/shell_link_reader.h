// Reads a shell link file back through the shell, to see what a test's code wrote.
#pragma once

#include <windows.h>

#include <objidl.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <gtest/gtest.h>

#include <string>

#include "ui/win_handles.h"

namespace telvana::testsupport {

struct LinkContents {
  std::wstring target, description;
};

inline LinkContents ReadShellLink(const std::wstring& path) {
  LinkContents contents;
  win::ComPtr<IShellLinkW> link;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                link.putVoid()))) {
    ADD_FAILURE() << "no shell link object";
    return contents;
  }
  win::ComPtr<IPersistFile> file;
  if (FAILED(link->QueryInterface(IID_IPersistFile, file.putVoid())) ||
      FAILED(file->Load(path.c_str(), STGM_READ))) {
    ADD_FAILURE() << "the link cannot be loaded";
    return contents;
  }
  wchar_t text[MAX_PATH * 2] = {};
  if (SUCCEEDED(link->GetPath(text, MAX_PATH * 2, nullptr, 0))) contents.target = text;
  text[0] = L'\0';
  if (SUCCEEDED(link->GetDescription(text, MAX_PATH * 2))) contents.description = text;
  return contents;
}

inline std::wstring ThisProgram() {
  wchar_t path[MAX_PATH * 2] = {};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
  return path;
}

}  // namespace telvana::testsupport
