// Whether a font can draw a text: the characters its face has no glyph for. A face that the
// system links to does not count: only the face the font maps to.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "ui/win_handles.h"

namespace telvana::testsupport {

inline std::wstring MissingGlyphs(HFONT font, std::wstring_view text) {
  std::wstring checked;
  for (wchar_t c : text) {
    if (c >= L' ') checked += c;  // line breaks and tabs are no glyphs
  }
  if (checked.empty()) return {};
  win::MemoryDc dc(::CreateCompatibleDC(nullptr));
  win::SelectObjectScope select(dc.get(), font);
  std::vector<WORD> indices(checked.size());
  if (::GetGlyphIndicesW(dc.get(), checked.c_str(), static_cast<int>(checked.size()),
                         indices.data(), GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR) {
    return checked;
  }
  std::wstring missing;
  for (std::size_t i = 0; i < checked.size(); ++i) {
    if (indices[i] == 0xFFFF && missing.find(checked[i]) == std::wstring::npos)
      missing += checked[i];
  }
  return missing;
}

// The face a font maps to, as the system names it.
inline std::wstring MappedFace(HFONT font) {
  win::MemoryDc dc(::CreateCompatibleDC(nullptr));
  win::SelectObjectScope select(dc.get(), font);
  wchar_t face[LF_FACESIZE]{};
  ::GetTextFaceW(dc.get(), LF_FACESIZE, face);
  return face;
}

}  // namespace telvana::testsupport
