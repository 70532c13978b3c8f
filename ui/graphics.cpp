#include "ui/graphics.h"

#include <utility>

namespace telvana::ui {

COLORREF ColorToRGB(TColor color) {
  if (color & kSystemColorFlag) return ::GetSysColor(static_cast<int>(color & 0xFF));
  return color & 0xFFFFFF;
}

bool ColorFromIdent(std::wstring_view name, TColor& color) {
  static constexpr std::pair<std::wstring_view, TColor> kNames[] = {
      {L"clBlack", clBlack},
      {L"clMaroon", 0x000080},
      {L"clGreen", 0x008000},
      {L"clOlive", 0x008080},
      {L"clNavy", clNavy},
      {L"clPurple", 0x800080},
      {L"clTeal", 0x808000},
      {L"clGray", 0x808080},
      {L"clSilver", 0xC0C0C0},
      {L"clRed", 0x0000FF},
      {L"clLime", 0x00FF00},
      {L"clYellow", 0x00FFFF},
      {L"clBlue", 0xFF0000},
      {L"clFuchsia", 0xFF00FF},
      {L"clAqua", 0xFFFF00},
      {L"clWhite", clWhite},
      {L"clBtnFace", clBtnFace},
      {L"clWindow", clWindow},
      {L"clWindowText", clWindowText},
      {L"clBtnText", clBtnText},
      {L"clInfoBk", clInfoBk},
      {L"clHighlight", kSystemColorFlag | COLOR_HIGHLIGHT},
      {L"clHighlightText", kSystemColorFlag | COLOR_HIGHLIGHTTEXT},
      {L"clBtnShadow", kSystemColorFlag | COLOR_BTNSHADOW},
      {L"clBtnHighlight", kSystemColorFlag | COLOR_BTNHIGHLIGHT},
  };
  for (const auto& [n, c] : kNames) {
    if (n == name) {
      color = c;
      return true;
    }
  }
  return false;
}

win::Font TFont::Create() const {
  return CreateTextFont(*this);
}

HCURSOR LoadCursorFor(TCursor cursor) {
  switch (cursor) {
    case TCursor::crDefault:
      return nullptr;
    case TCursor::crArrow:
      return ::LoadCursorW(nullptr, IDC_ARROW);
    case TCursor::crHandPoint:
      return ::LoadCursorW(nullptr, IDC_HAND);
    case TCursor::crHSplit:
    case TCursor::crSizeWE:
      return ::LoadCursorW(nullptr, IDC_SIZEWE);
    case TCursor::crVSplit:
    case TCursor::crSizeNS:
      return ::LoadCursorW(nullptr, IDC_SIZENS);
    case TCursor::crIBeam:
      return ::LoadCursorW(nullptr, IDC_IBEAM);
  }
  return nullptr;
}

}  // namespace telvana::ui
