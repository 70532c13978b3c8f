#include "skin/control_geometry.h"

#include <algorithm>

#include "skin/button_layout.h"

namespace telvana {

RasterRect StatusGripRect(const RasterRect& bar, int cell_width, int cell_height) {
  const int right = bar.right - 1;
  const int bottom = bar.bottom - 1;
  return {right - cell_width, bottom - cell_height, right, bottom};
}

int ProgressFilledWidth(int position, int upper, int width) {
  if (position <= 0 || upper <= 0 || width <= 0) return 0;
  // 64 bits: a range near 2^31 times a wide bar does not overflow.
  const std::int64_t filled = std::int64_t{position} * width / upper;
  return static_cast<int>(std::min<std::int64_t>(filled, width));
}

UpDownHalves SplitUpDown(const RasterRect& c, bool horizontal) {
  if (horizontal) {
    const int half = c.Width() / 2;
    return {{c.left, c.top, c.left + half, c.bottom}, {c.left + half, c.top, c.right, c.bottom}};
  }
  const int half = c.Height() / 2;
  return {{c.left, c.top, c.right, c.top + half}, {c.left, c.top + half, c.right, c.bottom}};
}

int UpDownArrowState(bool enabled, bool pressed, bool cursor_over) {
  if (!enabled) return 3;
  return pressed && cursor_over ? 2 : 1;
}

bool CursorOverSecondArrow(const RasterRect& c, bool horizontal, int along) {
  return horizontal ? along >= c.left + c.Width() / 2 : along >= c.top + c.Height() / 2;
}

ComboPlaces PlaceComboButton(const RasterRect& r, int s, bool button_left) {
  if (button_left) {
    const RasterRect button{r.left, r.top, r.left + s + 2, r.bottom};
    return {{r.left + s + 4, r.top + 2, r.right - 2, r.bottom - 2},
            button,
            {r.left + 2, r.top, r.left + s + 2, r.bottom}};
  }
  const RasterRect button{r.right - s - 2, r.top, r.right, r.bottom};
  return {{r.left + 2, r.top + 2, r.right - s - 4, r.bottom - 2},
          button,
          {button.left, r.top, r.right - 2, r.bottom}};
}

int ComboFrame(std::uint8_t mouse_state, bool focused, bool enabled) {
  if (mouse_state & kMousePressed) return 2;
  if (focused || (mouse_state & kMouseHot)) return 4;
  return enabled ? 1 : 3;
}

RasterRect CentredCell(const RasterRect& area, int width, int height) {
  const int left = area.left + (area.Width() - width) / 2;
  const int top = area.top + (area.Height() - height) / 2;
  return {left, top, left + width, top + height};
}

TabPosition TabPositionFromStyle(std::uint32_t style) {
  constexpr std::uint32_t kBottom = 0x2;     // TCS_BOTTOM, also TCS_RIGHT with kVertical
  constexpr std::uint32_t kVertical = 0x80;  // TCS_VERTICAL
  const bool bottom = (style & kBottom) != 0;
  const bool vertical = (style & kVertical) != 0;
  if (vertical) return bottom ? kTabsRight : kTabsLeft;
  return bottom ? kTabsBottom : kTabsTop;
}

RasterRect TabPageFrame(const RasterRect& display, TabPosition position) {
  RasterRect d{display.left - 4, display.top - 4, display.right + 4, display.bottom + 4};
  switch (position) {
    case kTabsTop:
      ++d.top;
      break;
    case kTabsBottom:
      --d.bottom;
      break;
    case kTabsLeft:
      ++d.left;
      break;
    case kTabsRight:
      --d.right;
      break;
  }
  return d;
}

RasterRect TabStripRect(const RasterRect& r, const RasterRect& d, TabPosition position) {
  switch (position) {
    case kTabsTop:
      return {r.left, r.top, r.right, d.top};
    case kTabsBottom:
      return {r.left, d.bottom, r.right, r.bottom};
    case kTabsLeft:
      return {r.left, r.top, d.left, r.bottom};
    case kTabsRight:
      return {d.right, r.top, r.right, r.bottom};
  }
  return {};
}

StripSize LyingStripSize(const RasterRect& strip, TabPosition position) {
  const int w = std::max(strip.Width(), 0);
  const int h = std::max(strip.Height(), 0);
  if (position == kTabsLeft || position == kTabsRight) return {h, w};
  return {w, h};
}

RasterRect TabInLyingStrip(const RasterRect& t, TabPosition position, const RasterRect& r,
                           const RasterRect& d, int lying_width) {
  switch (position) {
    case kTabsTop:
      return {t.left, t.top + 1, t.right, t.bottom + 1};
    case kTabsBottom:
      return {t.left, t.top - (d.bottom + 1), t.right, t.bottom - (d.bottom + 1)};
    case kTabsLeft:
      // Turned a quarter anticlockwise afterwards: the control's y runs right to left.
      return {lying_width - t.bottom, t.left - r.left, lying_width - t.top, t.right - r.left};
    case kTabsRight:
      // Turned a quarter clockwise afterwards: the control's x runs bottom to top.
      return {t.top, r.right - t.right, t.bottom, r.right - t.left};
  }
  return t;
}

std::vector<int> PlaceTabSetTabs(int start, int room, const std::vector<int>& text_widths,
                                 bool scroller_visible) {
  const int needed_extra = scroller_visible ? kTabSetPadding + 12 : kTabSetPadding;
  std::vector<int> places;
  places.reserve(text_widths.size());
  int x = start;
  for (int w : text_widths) {
    if (room >= x + w + needed_extra) {
      places.push_back(x);
      x += w + kTabSetPadding;
    } else {
      places.push_back(-1);
    }
  }
  return places;
}

}  // namespace telvana
