// Colours, fonts and cursors as stored in descriptions, and their GDI forms.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "ui/win_handles.h"

namespace telvana::ui {

// A stored colour: an RGB colour as red + 256 * green + 65536 * blue, or a system colour as
// 0xFF000000 + the Windows system colour index.
using TColor = std::uint32_t;
inline constexpr TColor kSystemColorFlag = 0xFF000000;
inline constexpr TColor clBtnFace = kSystemColorFlag | COLOR_BTNFACE;
inline constexpr TColor clWindow = kSystemColorFlag | COLOR_WINDOW;
inline constexpr TColor clWindowText = kSystemColorFlag | COLOR_WINDOWTEXT;
inline constexpr TColor clBtnText = kSystemColorFlag | COLOR_BTNTEXT;
inline constexpr TColor clInfoBk = kSystemColorFlag | COLOR_INFOBK;
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clWhite = 0xFFFFFF;

COLORREF ColorToRGB(TColor color);
// Named colours of descriptions ("clNavy", "clBtnFace", ...); false when the name is unknown.
bool ColorFromIdent(std::wstring_view name, TColor& color);

struct TFont {
  std::wstring Name = L"宋体";
  int Height = -12;  // negative: character height in pixels
  TColor Color = clWindowText;
  int Charset = DEFAULT_CHARSET;
  bool Bold = false, Italic = false, Underline = false, StrikeOut = false;

  win::Font Create() const;  // CreateTextFont(*this)
  bool operator==(const TFont&) const = default;
};

// Fonts for the program's text. The text is Chinese whatever the system's code page, but the
// faces asked for may have no Chinese: the descriptions name 宋体, which is missing (or known
// only as SimSun) on many systems, and the system's interface faces have none outside code
// page 936. Left to itself the font mapper then settles on a face of the code page's character
// set and draws every Chinese character as a box. So a font for the program's text asks for the
// Chinese character set (GB2312_CHARSET, in place of the default set) and, when the face asked
// for is not installed with it, for an installed Chinese face instead. A description font that
// asks for another character set explicitly is left as it is.
// Every painter of the program's text takes its font from here: controls, tooltips, the
// player's status and the skin engine's captions and menus.
enum class SystemFont { Caption, SmallCaption, Menu, Status, Message };  // as NONCLIENTMETRICS

LOGFONTW TextLogFont(const TFont& font);
LOGFONTW TextLogFont(SystemFont font);  // the system's face where it has Chinese; its size
win::Font CreateTextFont(const TFont& font);
win::Font CreateTextFont(SystemFont font);

// Cursor identifiers of descriptions.
enum class TCursor {
  crDefault,
  crArrow,
  crHandPoint,
  crHSplit,
  crVSplit,
  crIBeam,
  crSizeWE,
  crSizeNS
};
inline constexpr std::wstring_view kCursorNames[] = {L"crDefault", L"crArrow",  L"crHandPoint",
                                                     L"crHSplit",  L"crVSplit", L"crIBeam",
                                                     L"crSizeWE",  L"crSizeNS"};
HCURSOR LoadCursorFor(TCursor cursor);  // null for crDefault

}  // namespace telvana::ui
