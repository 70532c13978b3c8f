// Fonts for the program's Chinese text: whatever face a description or the system names, the
// font maps to a face with Chinese glyphs. Run under both code pages (936 and 1252).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/glyphs.h"
#include "ui/graphics.h"
#include "ui/utf.h"

namespace telvana {
namespace {

using namespace ui;
using testsupport::MappedFace;
using testsupport::MissingGlyphs;

constexpr std::wstring_view kChinese =
    L"Korvane影视Telvana——终身免费版   ★  精彩影视，想看就看！ 现在时刻：双点所选电视频道、"
    L"即可播放";

// The characters of the program's text that the font has no glyph for, readable in a failure.
std::string Missing(const win::Font& font) {
  return Utf8FromWide(MissingGlyphs(font.get(), kChinese));
}

int CALLBACK CollectFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM faces) {
  // Names that begin with @ are the same faces turned for vertical text.
  if (font->lfFaceName[0] != L'@')
    reinterpret_cast<std::vector<std::wstring>*>(faces)->push_back(font->lfFaceName);
  return 1;
}

// The installed faces of that name (any, for an empty name) with the Chinese character set.
std::vector<std::wstring> ChineseFaces(std::wstring_view name = {}) {
  LOGFONTW query{};
  query.lfCharSet = GB2312_CHARSET;
  name.copy(query.lfFaceName, LF_FACESIZE - 1);
  std::vector<std::wstring> faces;
  win::WindowDc screen(nullptr);
  ::EnumFontFamiliesExW(screen.get(), &query, CollectFace, reinterpret_cast<LPARAM>(&faces), 0);
  return faces;
}

bool IsChineseFace(std::wstring_view face) {
  return !face.empty() && !ChineseFaces(face).empty();
}

TEST(TextFonts, TheDescriptionsFontDrawsChinese) {
  const TFont songti;  // 宋体, -12, the default character set, as the descriptions have it
  const LOGFONTW lf = TextLogFont(songti);
  EXPECT_EQ(lf.lfCharSet, GB2312_CHARSET);
  EXPECT_EQ(lf.lfHeight, -12);
  EXPECT_TRUE(IsChineseFace(lf.lfFaceName)) << Utf8FromWide(lf.lfFaceName);
  const win::Font font = songti.Create();
  EXPECT_EQ(Missing(font), "") << "drawn in " << Utf8FromWide(MappedFace(font.get()));
}

TEST(TextFonts, AFaceWithoutChineseGivesWayToAnInstalledChineseFace) {
  // One face that no system has, one that every system has, without Chinese.
  for (const wchar_t* name : {L"Telvana 无此字体", L"Tahoma"}) {
    TFont asked;
    asked.Name = name;
    asked.Height = -15;
    asked.Bold = true;
    asked.Underline = true;
    const LOGFONTW lf = TextLogFont(asked);
    EXPECT_NE(lf.lfFaceName, std::wstring(name));
    EXPECT_TRUE(IsChineseFace(lf.lfFaceName)) << Utf8FromWide(lf.lfFaceName);
    EXPECT_EQ(lf.lfCharSet, GB2312_CHARSET);
    // The rest of the description stays.
    EXPECT_EQ(lf.lfHeight, -15);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_TRUE(lf.lfUnderline);
    EXPECT_FALSE(lf.lfItalic);
    const win::Font font = CreateTextFont(asked);
    EXPECT_EQ(Missing(font), "") << Utf8FromWide(name);
  }
}

TEST(TextFonts, AnInstalledChineseFaceIsKept) {
  const std::vector<std::wstring> faces = ChineseFaces();
  ASSERT_FALSE(faces.empty()) << "the system has no Chinese face at all";
  const std::wstring face = faces.back();  // not the first: a fallback would take that one
  TFont asked;
  asked.Name = face;
  asked.Charset = GB2312_CHARSET;
  EXPECT_EQ(TextLogFont(asked).lfFaceName, face);
}

TEST(TextFonts, AnotherCharacterSetAskedForIsLeftAlone) {
  TFont symbols;
  symbols.Name = L"Marlett";
  symbols.Charset = SYMBOL_CHARSET;
  const LOGFONTW lf = TextLogFont(symbols);
  EXPECT_EQ(lf.lfFaceName, std::wstring(L"Marlett"));
  EXPECT_EQ(lf.lfCharSet, SYMBOL_CHARSET);
}

TEST(TextFonts, TheSystemsFontsDrawChineseInTheirOwnSize) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  ASSERT_TRUE(::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
  const std::pair<SystemFont, const LOGFONTW*> fonts[] = {
      {SystemFont::Caption, &metrics.lfCaptionFont},
      {SystemFont::SmallCaption, &metrics.lfSmCaptionFont},
      {SystemFont::Menu, &metrics.lfMenuFont},
      {SystemFont::Status, &metrics.lfStatusFont},
      {SystemFont::Message, &metrics.lfMessageFont},
  };
  for (const auto& [which, system] : fonts) {
    const LOGFONTW lf = TextLogFont(which);
    EXPECT_EQ(lf.lfHeight, system->lfHeight);
    EXPECT_EQ(lf.lfWeight, system->lfWeight);
    EXPECT_EQ(lf.lfItalic, system->lfItalic);
    EXPECT_EQ(lf.lfCharSet, GB2312_CHARSET);
    const win::Font font = CreateTextFont(which);
    EXPECT_EQ(Missing(font), "") << Utf8FromWide(system->lfFaceName) << " drawn in "
                                 << Utf8FromWide(MappedFace(font.get()));
  }
}

}  // namespace
}  // namespace telvana
