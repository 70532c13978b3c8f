// The geometry of skinned scroll bars: where the bars of a scrolled window lie, how long
// their arrows, track and thumb are, what a click along a bar hits, and which scroll
// position a dragged thumb stands for. Portable: the wrapper hands in the window's sizes,
// styles and scroll information, all in pixels and scroll units.
#pragma once

#include <cstdint>

#include "skin/skin_raster.h"

namespace telvana {

// FPressedPart: which part of the bars shows pressed.
enum ScrollPressedPart : std::int32_t {
  kPressedNone = 0,
  kPressedLeftArrow = 1,
  kPressedRightArrow = 2,
  kPressedUpArrow = 3,
  kPressedDownArrow = 4,
  kPressedHorzThumb = 5,
  kPressedVertThumb = 6,
};

// What a point along a bar hits; the values are the scroll requests of the system (SB_*).
enum ScrollHit : std::int32_t {
  kHitNone = -1,
  kHitLineUp = 0,
  kHitLineDown = 1,
  kHitPageUp = 2,
  kHitPageDown = 3,
  kHitThumb = 5,
};

// One bar's lengths along its axis (FHorzGeom, FVertGeom).
struct ScrollBarGeometry {
  std::int32_t arrow = 0;         // each arrow button
  std::int32_t track = 0;         // between the arrows
  std::int32_t thumb = 0;         // 0: no thumb
  std::int32_t thumb_offset = 0;  // from the track's start
  std::uint32_t style_bit = 0;    // WS_HSCROLL or WS_VSCROLL
  bool operator==(const ScrollBarGeometry&) const = default;
};

// The scroll information of one bar (the fields of a SCROLLINFO).
struct ScrollValues {
  std::int32_t min = 0;
  std::int32_t max = 0;
  std::uint32_t page = 0;
  std::int32_t pos = 0;
  std::int32_t track_pos = 0;
};

// The bars of a window in window coordinates with the origin at its top-left corner; an
// absent bar (and the corner without both bars) is all zero.
struct ScrollBarPlaces {
  RasterRect horz;
  RasterRect vert;
  RasterRect corner;
};

struct ScrollFrame {
  int width = 0, height = 0;                // the window
  int client_width = 0, client_height = 0;  // its client area
  int thickness = 0;                        // of a bar, and the length of an arrow
  bool horz = false, vert = false;          // which bars the window shows
  bool vert_on_left = false;                // WS_EX_LEFTSCROLLBAR
};
ScrollBarPlaces PlaceScrollBars(const ScrollFrame& frame);

// The length of each arrow on a bar `length` long: the bar's thickness, or half the bar
// when it is shorter than two arrows.
int ArrowLength(int length, int thickness);

// Windows' MulDiv: a × b / c worked out in 64 bits and rounded to the nearest, halves away
// from zero; -1 when c is 0 or the result does not fit.
std::int32_t MulDivRounded(std::int64_t a, std::int64_t b, std::int64_t c);

struct ThumbRules {
  int minimum = 8;        // the least thumb length of a paged bar
  int without_page = 16;  // the thumb length of a bar without a page size
};

// Works out the arrow, track and thumb of a bar `length` long from its scroll information.
// A bar without a range (max ≤ min) keeps the geometry it had: false is returned.
bool ComputeThumb(ScrollBarGeometry& geometry, int length, int thickness,
                  const ScrollValues& values, const ThumbRules& rules);

// What the point `along` pixels from the bar's start hits.
ScrollHit HitTestBar(const ScrollBarGeometry& geometry, int along);

// Where a thumb dragged from `start_offset` by `moved` pixels stands, and the scroll position
// that this means; the offset is kept inside the track.
struct ThumbDrag {
  std::int32_t offset = 0;
  std::int32_t position = 0;
  bool operator==(const ThumbDrag&) const = default;
};
ThumbDrag DragThumb(const ScrollBarGeometry& geometry, const ScrollValues& values, int start_offset,
                    int moved);

}  // namespace telvana
