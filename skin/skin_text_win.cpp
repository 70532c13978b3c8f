#include "skin/skin_text_win.h"

#include <algorithm>
#include <initializer_list>

#include "ui/win_handles.h"

namespace telvana {

namespace {

constexpr UINT kMeasure = DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS;          // 0x540
constexpr UINT kOneLine = DT_END_ELLIPSIS | DT_EXPANDTABS | DT_SINGLELINE;  // 0x8060

// Transparent background, and the disabled colour when not enabled; the scope puts both
// back.
class TextScope {
 public:
  TextScope(HDC dc, bool enabled) : state_(dc) {
    ::SetBkMode(dc, TRANSPARENT);
    if (!enabled) ::SetTextColor(dc, ::GetSysColor(COLOR_BTNSHADOW));
  }

 private:
  win::DcStateScope state_;
};

SIZE Measure(HDC dc, std::wstring_view text, const RECT& rect, UINT format) {
  if (text.empty()) return {0, 0};
  RECT measured = rect;
  DrawSkinText(dc, text, measured, format);
  return {measured.right - measured.left, measured.bottom - measured.top};
}

}  // namespace

int DrawSkinText(HDC dc, std::wstring_view text, RECT& rect, UINT format) {
  return ::DrawTextW(dc, text.data(), static_cast<int>(text.size()), &rect, format);
}

void DrawCaptionText(HDC dc, const RECT& rect, UINT format, bool enabled, std::wstring_view text) {
  TextScope scope(dc, enabled);
  const SIZE size = Measure(dc, text, rect, format | kMeasure);
  RECT place{rect.left, rect.top, rect.left + size.cx, rect.top + size.cy};
  if (format & DT_CENTER) {
    OffsetRect(&place, (rect.right - rect.left - size.cx) / 2, 0);
  } else {
    place.left = rect.left;
    place.right = rect.right;
  }
  OffsetRect(&place, 0, (rect.bottom - rect.top - size.cy) / 2 - 1);
  DrawSkinText(dc, text, place, format | DT_EXPANDTABS);
}

void DrawIconText(HDC dc, const RECT& rect, int alignment, std::wstring_view text, int image_index,
                  HIMAGELIST images, bool enabled) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  int icon_width = 0;
  int icon_height = 0;
  if (image_index != -1 && images) {
    ImageList_GetIconSize(images, &icon_width, &icon_height);
    if (icon_width >= width) icon_width = 0;
  }
  TextScope scope(dc, enabled);
  const SIZE text_size = Measure(dc, text, rect, kOneLine | DT_CALCRECT | DT_NOCLIP);
  int dx = 2;
  if (alignment == 1) dx = (width - icon_width - text_size.cx) / 2;
  if (alignment == 2) dx = width - icon_width - text_size.cx - 2;
  dx = std::max(dx, 2);
  if (icon_width > 0) {
    // Placed by its width both ways, as the list's icons are square.
    ImageList_Draw(images, image_index, dc, rect.left + dx, rect.top + (height - icon_width) / 2,
                   ILD_TRANSPARENT);
  }
  RECT place{rect.left + dx + icon_width + 1, rect.top + (height - text_size.cy) / 2, rect.right,
             0};
  place.bottom = place.top + text_size.cy;
  DrawSkinText(dc, text, place, kOneLine);
}

void DrawCentredText(HDC dc, const RECT& rect, std::wstring_view text, int alignment,
                     bool enabled) {
  const UINT format = alignment == 1 ? DT_RIGHT : alignment == 2 ? DT_CENTER : DT_LEFT;
  TextScope scope(dc, enabled);
  const SIZE size = Measure(dc, text, rect, format | kMeasure | DT_SINGLELINE);
  RECT place{rect.left, rect.top, rect.left + size.cx, rect.top + size.cy};
  OffsetRect(&place, (rect.right - rect.left - size.cx) / 2,
             (rect.bottom - rect.top - size.cy) / 2);
  DrawSkinText(dc, text, place, format | DT_EXPANDTABS | DT_SINGLELINE);
}

void DrawArrow(HDC dc, int x, int y, int direction) {
  // Each stroke leaves out its last point, as LineTo does.
  struct Stroke {
    int x0, y0, x1, y1;
  };
  auto draw = [dc, x, y](std::initializer_list<Stroke> strokes) {
    POINT previous;
    ::GetCurrentPositionEx(dc, &previous);
    for (const Stroke& s : strokes) {
      ::MoveToEx(dc, x + s.x0, y + s.y0, nullptr);
      ::LineTo(dc, x + s.x1, y + s.y1);
    }
    ::MoveToEx(dc, previous.x, previous.y, nullptr);
  };
  switch (direction) {
    case kArrowUp:
      draw({{-3, 3, 0, 0}, {0, 0, 4, 4}, {-3, 4, 0, 1}, {0, 1, 4, 5}});
      break;
    case kArrowDown:
      draw({{-3, 1, 0, 4}, {0, 4, 4, 0}, {-3, 0, 0, 3}, {0, 3, 4, -1}});
      break;
    case kArrowLeft:
      draw({{1, 0, 1, 4}, {0, 1, 0, 3}});
      break;
    case kArrowRight:
      draw({{0, 0, 0, 4}, {1, 1, 1, 3}});
      break;
    default:
      break;
  }
}

}  // namespace telvana
