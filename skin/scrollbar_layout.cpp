#include "skin/scrollbar_layout.h"

#include <algorithm>
#include <limits>

namespace telvana {

ScrollBarPlaces PlaceScrollBars(const ScrollFrame& f) {
  ScrollBarPlaces places;
  if (!f.horz && !f.vert) return places;
  const int s = f.thickness;
  const int w = f.width, h = f.height;
  // The border around the client area and the bars, the same on every side.
  const int e = f.vert ? (w - f.client_width - s) / 2 : (h - f.client_height - s) / 2;
  if (f.horz && f.vert) {
    if (f.vert_on_left) {
      places.horz = {e + s, h - e - s, w - e, h - e};
      places.vert = {e, e, e + s, h - e - s};
      places.corner = {e, h - e - s, e + s, h - e};
    } else {
      places.horz = {e, h - e - s, w - e - s, h - e};
      places.vert = {w - e - s, e, w - e, h - e - s};
      places.corner = {w - e - s, h - e - s, w - e, h - e};
    }
  } else if (f.vert) {
    places.vert =
        f.vert_on_left ? RasterRect{e, e, e + s, h - e} : RasterRect{w - e - s, e, w - e, h - e};
  } else {
    places.horz = {e, h - e - s, w - e, h - e};
  }
  return places;
}

int ArrowLength(int length, int thickness) {
  return length < 2 * thickness ? std::max(length, 0) / 2 : thickness;
}

std::int32_t MulDivRounded(std::int64_t a, std::int64_t b, std::int64_t c) {
  if (c == 0) return -1;
  if (c < 0) {
    a = -a;
    c = -c;
  }
  const std::int64_t product = a * b;
  const std::int64_t result = product >= 0 ? (product + c / 2) / c : (product - c / 2) / c;
  if (result > std::numeric_limits<std::int32_t>::max() ||
      result < -std::numeric_limits<std::int32_t>::max()) {
    return -1;
  }
  return static_cast<std::int32_t>(result);
}

namespace {

std::int64_t RangeOf(const ScrollValues& v) {
  return static_cast<std::int64_t>(v.max) - v.min;
}

std::int32_t ClampToInt32(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

bool ComputeThumb(ScrollBarGeometry& g, int length, int thickness, const ScrollValues& v,
                  const ThumbRules& rules) {
  g.arrow = ArrowLength(length, thickness);
  const int track = std::max(length - 2 * g.arrow, 0);
  g.track = track;
  const std::int64_t range = RangeOf(v);
  if (range <= 0) {
    // No scroll information: the thumb stays as it was, inside the track it now has.
    g.thumb = std::clamp(g.thumb, 0, track);
    g.thumb_offset = std::clamp(g.thumb_offset, 0, track - g.thumb);
    return false;
  }
  int thumb = v.page != 0 ? std::max<int>(MulDivRounded(v.page, track, range), rules.minimum)
                          : rules.without_page;
  thumb = std::min(thumb, track);
  int offset = 0;
  if (v.page == range) {
    thumb -= 1;
  } else {
    offset = MulDivRounded(static_cast<std::int64_t>(v.pos) - v.min, track - thumb,
                           range - static_cast<std::int64_t>(v.page));
  }
  thumb = std::max(thumb, 0);
  g.thumb = thumb;
  g.thumb_offset = std::clamp(offset, 0, track - thumb);
  return true;
}

ScrollHit HitTestBar(const ScrollBarGeometry& g, int c) {
  const int a = g.arrow, o = g.thumb_offset, t = g.thumb, l = g.track;
  if (c < a) return kHitLineUp;
  if (c < a + o) return kHitPageUp;
  if (c < a + o + t) return kHitThumb;
  if (c < a + l) return kHitPageDown;
  if (c < 2 * a + l) return kHitLineDown;
  return kHitNone;
}

ThumbDrag DragThumb(const ScrollBarGeometry& g, const ScrollValues& v, int start_offset,
                    int moved) {
  const int l = g.track, t = g.thumb;
  const std::int64_t range = RangeOf(v);
  std::int64_t o = std::max<std::int64_t>(static_cast<std::int64_t>(start_offset) + moved, 0);
  std::int64_t p = 0;
  if (v.page != 0) {
    o = std::min<std::int64_t>(o, l);
    p = static_cast<std::int64_t>(MulDivRounded(o, range, l)) + v.min;
    // The last position shows the last page whole.
    const std::int64_t last = static_cast<std::int64_t>(v.max) - v.page;
    if (p >= last) p = last + 1;
  } else {
    o = std::min<std::int64_t>(o, l - t);
    p = static_cast<std::int64_t>(MulDivRounded(o, range, l - t)) + v.min;
    p = std::min<std::int64_t>(p, v.max);
  }
  p = std::max<std::int64_t>(p, v.min);
  // A paged thumb is dragged over the whole track; it is drawn inside it.
  const std::int64_t drawn = std::clamp<std::int64_t>(o, 0, std::max(l - t, 0));
  return {static_cast<std::int32_t>(drawn), ClampToInt32(p)};
}

}  // namespace telvana
