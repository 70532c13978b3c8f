// Fonts that can draw the program's Chinese text on any system (see graphics.h).
#include <string>
#include <string_view>

#include "ui/graphics.h"

namespace telvana::ui {
namespace {

// Simplified Chinese faces that come with Windows, the nearest to 宋体 first. The English
// names: the system knows them in every locale, the Chinese ones only in a Chinese one.
constexpr std::wstring_view kChineseFaces[] = {
    L"SimSun", L"NSimSun", L"Microsoft YaHei", L"Microsoft YaHei UI", L"SimHei", L"DengXian"};

int CALLBACK TakeFirstFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM found) {
  // A name that begins with @ is the same face turned for vertical text.
  if (font->lfFaceName[0] == L'@') return 1;
  *reinterpret_cast<std::wstring*>(found) = font->lfFaceName;
  return 0;
}

// The installed face of that name that has the Chinese character set, as the system names it;
// with an empty name, the first such face of any name. Empty when there is none.
std::wstring InstalledChineseFace(HDC dc, std::wstring_view name) {
  LOGFONTW query{};
  query.lfCharSet = GB2312_CHARSET;
  name.copy(query.lfFaceName, LF_FACESIZE - 1);
  std::wstring found;
  ::EnumFontFamiliesExW(dc, &query, TakeFirstFace, reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

LOGFONTW ForChineseText(LOGFONTW font) {
  if (font.lfCharSet != DEFAULT_CHARSET && font.lfCharSet != GB2312_CHARSET) return font;
  font.lfCharSet = GB2312_CHARSET;
  win::WindowDc screen(nullptr);
  if (!InstalledChineseFace(screen.get(), font.lfFaceName).empty()) return font;
  std::wstring face;
  for (std::wstring_view candidate : kChineseFaces) {
    face = InstalledChineseFace(screen.get(), candidate);
    if (!face.empty()) break;
  }
  if (face.empty()) face = InstalledChineseFace(screen.get(), L"");
  // With no Chinese face at all the character set alone is the mapper's best hint.
  if (!face.empty()) ::lstrcpynW(font.lfFaceName, face.c_str(), LF_FACESIZE);
  return font;
}

}  // namespace

LOGFONTW TextLogFont(const TFont& font) {
  LOGFONTW lf{};
  lf.lfHeight = font.Height;
  lf.lfWeight = font.Bold ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = font.Italic;
  lf.lfUnderline = font.Underline;
  lf.lfStrikeOut = font.StrikeOut;
  lf.lfCharSet = static_cast<BYTE>(font.Charset);
  lf.lfQuality = DEFAULT_QUALITY;
  ::lstrcpynW(lf.lfFaceName, font.Name.c_str(), LF_FACESIZE);
  return ForChineseText(lf);
}

LOGFONTW TextLogFont(SystemFont font) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  LOGFONTW lf{};
  switch (font) {
    case SystemFont::Caption:
      lf = metrics.lfCaptionFont;
      break;
    case SystemFont::SmallCaption:
      lf = metrics.lfSmCaptionFont;
      break;
    case SystemFont::Menu:
      lf = metrics.lfMenuFont;
      break;
    case SystemFont::Status:
      lf = metrics.lfStatusFont;
      break;
    case SystemFont::Message:
      lf = metrics.lfMessageFont;
      break;
  }
  // The system's fonts carry the code page's character set; the text they draw here is Chinese.
  lf.lfCharSet = DEFAULT_CHARSET;
  return ForChineseText(lf);
}

win::Font CreateTextFont(const TFont& font) {
  const LOGFONTW lf = TextLogFont(font);
  return win::Font(::CreateFontIndirectW(&lf));
}

win::Font CreateTextFont(SystemFont font) {
  const LOGFONTW lf = TextLogFont(font);
  return win::Font(::CreateFontIndirectW(&lf));
}

}  // namespace telvana::ui
