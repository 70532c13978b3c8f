// Where the skinned common controls put their pieces: the status bar's size grip, the
// filled part of a progress bar, the two halves of an up-down control, the button and text
// area of a combo box, the tab strip of a page control and the places of a tab set's tabs.
// Portable: the wrappers hand in what they read from their windows. Rectangles are
// RasterRects (right and bottom outside).
#pragma once

#include <cstdint>
#include <vector>

#include "skin/skin_raster.h"

namespace telvana {

// The size grip: `cell` wide and high, its bottom-right corner one pixel inside the bar's.
RasterRect StatusGripRect(const RasterRect& bar, int cell_width, int cell_height);

// How much of `width` a progress bar at `position` of `upper` fills: nothing unless both are
// positive, never more than the whole width.
int ProgressFilledWidth(int position, int upper, int width);

// The two arrows of an up-down control: up and down (or left and right) halves of `client`.
struct UpDownHalves {
  RasterRect first;   // up, or left
  RasterRect second;  // down, or right
};
UpDownHalves SplitUpDown(const RasterRect& client, bool horizontal);
// The look of one arrow: 1 normal, 2 pressed (pressed with the cursor over it), 3 disabled.
int UpDownArrowState(bool enabled, bool pressed, bool cursor_over);
// Whether a cursor at `along` (x for side by side, y for stacked) is over the second arrow.
bool CursorOverSecondArrow(const RasterRect& client, bool horizontal, int along);

// The drop button of a combo box at its right, or at its left for a left-scroll-bar box.
struct ComboPlaces {
  RasterRect text;    // the control's own drawing shows here
  RasterRect button;  // the button picture
  RasterRect glyph;   // the arrow is centred in this
};
ComboPlaces PlaceComboButton(const RasterRect& rect, int scroll_width, bool button_left);
// The frame of a combo box's pictures: 2 pressed, 4 focused or hot, 1 normal, 3 disabled.
int ComboFrame(std::uint8_t mouse_state, bool focused, bool enabled);

// A `width` x `height` cell centred in `area` (dividing what is left with truncation).
RasterRect CentredCell(const RasterRect& area, int width, int height);

// Page tabs: where the tabs are, from the control's style.
enum TabPosition { kTabsTop = 0, kTabsBottom = 1, kTabsLeft = 2, kTabsRight = 3 };
TabPosition TabPositionFromStyle(std::uint32_t style);
// The page frame: the display rectangle `display` (what the control gives its page)
// enlarged by 4 and moved one pixel toward the tabs.
RasterRect TabPageFrame(const RasterRect& display, TabPosition position);
// The band between the control's edge and the page frame on the side of the tabs.
RasterRect TabStripRect(const RasterRect& rect, const RasterRect& page, TabPosition position);
// The tab strip is composed lying down (as top tabs) and turned for the left and right
// positions: its size before turning.
struct StripSize {
  int width = 0, height = 0;
};
StripSize LyingStripSize(const RasterRect& strip, TabPosition position);
// Where a tab at `tab` (control coordinates) goes in the lying strip, touching the page.
RasterRect TabInLyingStrip(const RasterRect& tab, TabPosition position, const RasterRect& rect,
                           const RasterRect& page, int lying_width);

// A tab set's tabs laid from `start` while they fit in `room`: the left edge of each tab,
// or -1 for one that does not fit (a later, narrower tab is still tried). A drawn tab is its
// text width + 9 wide; it needs 12 more pixels of room while the scroller shows.
inline constexpr int kTabSetPadding = 9;
std::vector<int> PlaceTabSetTabs(int start, int room, const std::vector<int>& text_widths,
                                 bool scroller_visible);

}  // namespace telvana
