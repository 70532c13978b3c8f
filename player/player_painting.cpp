#include "player/player_painting.h"

#include <algorithm>
#include <cmath>

#include "ui/win_handles.h"

namespace telvana::player {

namespace {

using Pen = win::GdiObject<HPEN>;

// The bar's palette: dark greys with one blue for what moves.
constexpr COLORREF kBarTop = RGB(0x3A, 0x3F, 0x47);
constexpr COLORREF kBarBottom = RGB(0x1E, 0x21, 0x26);
constexpr COLORREF kBarRule = RGB(0x58, 0x62, 0x6E);
constexpr COLORREF kGroove = RGB(0x10, 0x12, 0x15);
constexpr COLORREF kGrooveEdge = RGB(0x4A, 0x50, 0x58);
constexpr COLORREF kAccent = RGB(0x2F, 0x8C, 0xFF);
constexpr COLORREF kAccentDark = RGB(0x1C, 0x64, 0xD6);
constexpr COLORREF kGlyph = RGB(0xE8, 0xEC, 0xF2);
constexpr COLORREF kGlyphOff = RGB(0x6B, 0x74, 0x80);
constexpr COLORREF kHot = RGB(0x4A, 0x55, 0x63);
constexpr COLORREF kStatusText = RGB(0xD8, 0xDE, 0xE6);
constexpr COLORREF kTimeText = RGB(0x9A, 0xA6, 0xB4);

// The sound picture's palette.
constexpr COLORREF kSkyTop = RGB(0x12, 0x2A, 0x58);
constexpr COLORREF kSkyBottom = RGB(0x05, 0x0B, 0x1C);
constexpr COLORREF kWaveInner = RGB(0x6A, 0x9C, 0xE0);
constexpr COLORREF kWaveMiddle = RGB(0x44, 0x72, 0xB6);
constexpr COLORREF kWaveOuter = RGB(0x2A, 0x4C, 0x86);
constexpr COLORREF kBar = RGB(0x8F, 0xB8, 0xF0);
constexpr COLORREF kBarCentre = RGB(0xD2, 0xE3, 0xFA);
constexpr COLORREF kCaption = RGB(0x86, 0xA2, 0xCE);

void FillBox(HDC dc, const Box& box, COLORREF colour) {
  if (box.Empty()) return;
  const RECT r = ToRect(box);
  win::Brush brush(::CreateSolidBrush(colour));
  ::FillRect(dc, &r, brush.get());
}

void VerticalGradient(HDC dc, const Box& box, COLORREF top, COLORREF bottom) {
  if (box.Empty()) return;
  // Bands of a few pixels: smooth enough, and cheap on every system.
  const int bands = std::max(1, std::min(box.Height(), 48));
  for (int i = 0; i < bands; ++i) {
    const int y0 = box.top + box.Height() * i / bands;
    const int y1 = box.top + box.Height() * (i + 1) / bands;
    const double t = bands == 1 ? 0 : static_cast<double>(i) / (bands - 1);
    const auto mix = [t](int a, int b) { return static_cast<BYTE>(std::lround(a + (b - a) * t)); };
    FillBox(dc, Box{box.left, y0, box.right, y1},
            RGB(mix(GetRValue(top), GetRValue(bottom)), mix(GetGValue(top), GetGValue(bottom)),
                mix(GetBValue(top), GetBValue(bottom))));
  }
}

void RoundBox(HDC dc, const Box& box, int radius, COLORREF fill, COLORREF edge) {
  if (box.Empty()) return;
  win::Brush brush(::CreateSolidBrush(fill));
  Pen pen(::CreatePen(PS_SOLID, 1, edge));
  win::SelectObjectScope selectBrush(dc, brush.get());
  win::SelectObjectScope selectPen(dc, pen.get());
  ::RoundRect(dc, box.left, box.top, box.right, box.bottom, radius, radius);
}

void Disc(HDC dc, int cx, int cy, int r, COLORREF fill, COLORREF edge) {
  RoundBox(dc, Box{cx - r, cy - r, cx + r + 1, cy + r + 1}, 2 * r + 1, fill, edge);
}

void Polygon(HDC dc, const POINT* points, int count, COLORREF colour) {
  win::Brush brush(::CreateSolidBrush(colour));
  Pen pen(::CreatePen(PS_SOLID, 1, colour));
  win::SelectObjectScope selectBrush(dc, brush.get());
  win::SelectObjectScope selectPen(dc, pen.get());
  ::Polygon(dc, points, count);
}

void PaintButton(HDC dc, const Box& b, BarPart part, const BarView& view, bool enabled) {
  if (b.Empty()) return;
  const bool hot = enabled && view.hot == part;
  const bool pressed = enabled && view.pressed == part;
  if (hot || pressed)
    Disc(dc, (b.left + b.right) / 2, (b.top + b.bottom) / 2, b.Width() / 2 - 1,
         pressed ? kAccentDark : kHot, pressed ? kAccentDark : kHot);
  const COLORREF glyph = enabled ? kGlyph : kGlyphOff;
  const int cx = (b.left + b.right) / 2, cy = (b.top + b.bottom) / 2;
  switch (part) {
    case BarPart::PlayPause:
      if (view.playing) {
        FillBox(dc, Box{cx - 5, cy - 6, cx - 1, cy + 7}, glyph);
        FillBox(dc, Box{cx + 2, cy - 6, cx + 6, cy + 7}, glyph);
      } else {
        const POINT triangle[] = {{cx - 4, cy - 7}, {cx - 4, cy + 7}, {cx + 7, cy}};
        Polygon(dc, triangle, 3, glyph);
      }
      break;
    case BarPart::Stop:
      FillBox(dc, Box{cx - 5, cy - 5, cx + 6, cy + 6}, glyph);
      break;
    case BarPart::Mute: {
      const POINT speaker[] = {{cx - 8, cy - 3}, {cx - 4, cy - 3}, {cx + 1, cy - 8},
                               {cx + 1, cy + 8}, {cx - 4, cy + 3}, {cx - 8, cy + 3}};
      Polygon(dc, speaker, 6, glyph);
      Pen pen(::CreatePen(PS_SOLID, 2, view.muted ? RGB(0xFF, 0x6B, 0x5E) : glyph));
      win::SelectObjectScope selectPen(dc, pen.get());
      if (view.muted) {
        ::MoveToEx(dc, cx + 4, cy - 4, nullptr);
        ::LineTo(dc, cx + 10, cy + 4);
        ::MoveToEx(dc, cx + 10, cy - 4, nullptr);
        ::LineTo(dc, cx + 4, cy + 4);
      } else {
        win::SelectObjectScope selectBrush(dc, ::GetStockObject(NULL_BRUSH));
        ::Arc(dc, cx - 3, cy - 6, cx + 7, cy + 6, cx + 2, cy + 6, cx + 2, cy - 6);
        if (view.volume > 0.5)
          ::Arc(dc, cx - 3, cy - 10, cx + 11, cy + 10, cx + 4, cy + 10, cx + 4, cy - 10);
      }
      break;
    }
    default:
      break;
  }
}

void PaintSlider(HDC dc, const Box& track, double fraction, bool enabled, bool hot,
                 int knobRadius) {
  if (track.Empty()) return;
  RoundBox(dc, track, track.Height(), kGroove, kGrooveEdge);
  if (!enabled) return;
  const int x = SliderPosition(track, fraction);
  if (x > track.left)
    RoundBox(dc, Box{track.left, track.top, x + 1, track.bottom}, track.Height(), kAccent,
             kAccentDark);
  const int cy = (track.top + track.bottom) / 2;
  Disc(dc, x, cy, hot ? knobRadius + 1 : knobRadius, kGlyph, kAccentDark);
}

void Text(HDC dc, const Box& box, const std::u16string& text, COLORREF colour, UINT format) {
  if (box.Empty() || text.empty()) return;
  RECT r = ToRect(box);
  ::SetTextColor(dc, colour);
  ::SetBkMode(dc, TRANSPARENT);
  ::DrawTextW(dc, reinterpret_cast<const wchar_t*>(text.c_str()), static_cast<int>(text.size()), &r,
              format | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

}  // namespace

RECT ToRect(const Box& box) {
  return RECT{box.left, box.top, box.right, box.bottom};
}

void PaintPicture(HDC dc, const Box& dest, const Picture& picture) {
  if (dest.Empty() || picture.width <= 0 || picture.height <= 0) return;
  const BITMAPINFO info = win::TopDownBitmapInfo(picture.width, picture.height);
  // Halftone only when GDI has to scale (a moment after a resize): it is slow.
  const bool sameSize = dest.Width() == picture.width && dest.Height() == picture.height;
  const int previous = ::SetStretchBltMode(dc, sameSize ? COLORONCOLOR : HALFTONE);
  if (!sameSize) ::SetBrushOrgEx(dc, 0, 0, nullptr);
  ::StretchDIBits(dc, dest.left, dest.top, dest.Width(), dest.Height(), 0, 0, picture.width,
                  picture.height, picture.pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
  ::SetStretchBltMode(dc, previous);
}

void PaintAround(HDC dc, const Box& area, const Box& picture) {
  if (picture.Empty()) {
    FillBox(dc, area, RGB(0, 0, 0));
    return;
  }
  FillBox(dc, Box{area.left, area.top, area.right, picture.top}, RGB(0, 0, 0));
  FillBox(dc, Box{area.left, picture.bottom, area.right, area.bottom}, RGB(0, 0, 0));
  FillBox(dc, Box{area.left, picture.top, picture.left, picture.bottom}, RGB(0, 0, 0));
  FillBox(dc, Box{picture.right, picture.top, area.right, picture.bottom}, RGB(0, 0, 0));
}

void PaintSoundPicture(HDC dc, const Box& area, HFONT font) {
  if (area.Empty()) return;
  VerticalGradient(dc, area, kSkyTop, kSkyBottom);
  const int u = std::max(4, std::min(area.Width(), area.Height()) / 10);
  const int cx = (area.left + area.right) / 2;
  const int cy = area.top + area.Height() * 9 / 20;
  // Broadcast arcs on both sides, fading outwards.
  const COLORREF waves[] = {kWaveInner, kWaveMiddle, kWaveOuter};
  {
    win::SelectObjectScope selectBrush(dc, ::GetStockObject(NULL_BRUSH));
    for (int i = 0; i < 3; ++i) {
      Pen pen(::CreatePen(PS_SOLID, std::max(2, u / 5), waves[i]));
      win::SelectObjectScope selectPen(dc, pen.get());
      const int r = u * (22 + 8 * i) / 10;
      const int dy = r * 7 / 10;
      ::Arc(dc, cx - r, cy - r, cx + r, cy + r, cx + r, cy + dy, cx + r, cy - dy);  // right
      ::Arc(dc, cx - r, cy - r, cx + r, cy + r, cx - r, cy - dy, cx - r, cy + dy);  // left
    }
  }
  // A still sound wave: seven rounded bars, the middle one brightest.
  static constexpr int kHeights[] = {5, 9, 14, 19, 14, 9, 5};  // tenths of the unit
  const int barWidth = std::max(2, u * 3 / 10);
  const int gap = std::max(1, u * 2 / 10);
  const int total = 7 * barWidth + 6 * gap;
  for (int i = 0; i < 7; ++i) {
    const int left = cx - total / 2 + i * (barWidth + gap);
    const int h = std::max(2, u * kHeights[i] / 10);
    RoundBox(dc, Box{left, cy - h, left + barWidth, cy + h}, barWidth, i == 3 ? kBarCentre : kBar,
             i == 3 ? kBarCentre : kBar);
  }
  win::SelectObjectScope selectFont(dc, font);
  Text(dc, Box{area.left, cy + u * 3, area.right, cy + u * 3 + 24}, u"音频节目", kCaption,
       DT_CENTER);
}

void PaintControlBar(HDC dc, const ControlLayout& layout, const BarView& view, HFONT font) {
  if (layout.bar.Empty()) return;
  VerticalGradient(dc, layout.bar, kBarTop, kBarBottom);
  FillBox(dc, Box{layout.bar.left, layout.bar.top, layout.bar.right, layout.bar.top + 1}, kBarRule);
  const double fraction = view.duration > 0 ? view.position / view.duration : 0;
  PaintSlider(dc, layout.seek, fraction, view.seekable,
              view.hot == BarPart::Seek || view.pressed == BarPart::Seek, 5);
  PaintButton(dc, layout.playPause, BarPart::PlayPause, view, true);
  PaintButton(dc, layout.stop, BarPart::Stop, view, view.canStop);
  PaintButton(dc, layout.mute, BarPart::Mute, view, true);
  if (!layout.volume.Empty()) {
    const Box groove{layout.volume.left, (layout.volume.top + layout.volume.bottom) / 2 - 2,
                     layout.volume.right, (layout.volume.top + layout.volume.bottom) / 2 + 2};
    PaintSlider(dc, groove, view.muted ? 0 : view.volume, true,
                view.hot == BarPart::Volume || view.pressed == BarPart::Volume, 4);
  }
  win::SelectObjectScope selectFont(dc, font);
  Text(dc, StatusTextBox(layout, ShowsTime(view)), view.status, kStatusText, DT_LEFT);
  if (!layout.time.Empty() && ShowsTime(view)) {
    std::u16string time = FormatPlayTime(view.position);
    if (view.duration > 0) time += u" / " + FormatPlayTime(view.duration);
    Text(dc, layout.time, time, kTimeText, DT_RIGHT);
  }
}

}  // namespace telvana::player
