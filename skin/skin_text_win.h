// Text and small glyphs of the skin painters. They draw with the font selected in the DC
// (the caller chooses it; these never make fonts) on a transparent background, and leave the
// DC's colours and modes as they found them.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string_view>

namespace telvana {

// DrawTextW: the program's texts are UTF-16 everywhere. With DT_CALCRECT `rect` receives
// the measured size. Returns the height of the text.
int DrawSkinText(HDC dc, std::wstring_view text, RECT& rect, UINT format);

// Caption text: measured with format | DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS; with
// DT_CENTER centred across `rect`, otherwise spread over its whole width; placed
// (height difference) div 2 - 1 below its top; in the button-shadow colour when disabled.
void DrawCaptionText(HDC dc, const RECT& rect, UINT format, bool enabled, std::wstring_view text);

// An image list icon (when `image_index` is not -1, `images` exists and the icon is
// narrower than `rect`) followed by single-line text ending in an ellipsis where it does
// not fit. `alignment` 0 starts both 2 pixels in, 1 centres them, 2 ends them 2 pixels
// before the right edge (never starting less than 2 pixels in).
void DrawIconText(HDC dc, const RECT& rect, int alignment, std::wstring_view text, int image_index,
                  HIMAGELIST images, bool enabled);

// Single-line text centred both ways in `rect`; `alignment` 0, 1, 2 aligns it left, right,
// centre within its own line box.
void DrawCentredText(HDC dc, const RECT& rect, std::wstring_view text, int alignment, bool enabled);

enum ArrowDirection { kArrowUp = 0, kArrowDown = 1, kArrowLeft = 2, kArrowRight = 3 };

// A small arrow in the DC's pen, hung from (x, y): up and down are chevrons two pixels thick
// in the box x - 3 .. x + 3, y .. y + 4 (up with its apex at (x, y), down with it at
// (x, y + 4)); left and right are triangle outlines in the box x .. x + 1, y .. y + 3.
void DrawArrow(HDC dc, int x, int y, int direction);

}  // namespace telvana
