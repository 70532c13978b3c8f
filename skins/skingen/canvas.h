// The few drawing operations the skin pictures are made of: fills, gradients, outlines,
// rounded corners cut with the magenta key colour, and small glyphs. Deterministic integer
// arithmetic, so that the generated pictures are the same on every machine.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "ui/pixel_image.h"

namespace telvana::skingen {

struct Rgb {
  int r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};
// The key colour: pixels of exactly this colour are transparent.
inline constexpr Rgb kKey{255, 0, 255};

// a + (b - a) * percent / 100, per channel.
constexpr Rgb Mix(Rgb a, Rgb b, int percent) {
  auto m = [&](int x, int y) { return x + (y - x) * percent / 100; };
  return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
}
constexpr Rgb Lighter(Rgb c, int percent) {
  return Mix(c, kWhite, percent);
}
constexpr Rgb Darker(Rgb c, int percent) {
  return Mix(c, kBlack, percent);
}
// The same lightness without colour: for disabled looks.
constexpr Rgb Grey(Rgb c) {
  const int y = (c.r * 30 + c.g * 59 + c.b * 11) / 100;
  return {y, y, y};
}
constexpr Rgb Muted(Rgb c, int percent) {
  return Mix(c, Grey(c), percent);
}

// A drawn pixel is never the key colour by accident (keys are set with Canvas::Key): a mix
// that lands on it exactly is nudged by one step of blue.
constexpr std::uint32_t Pixel(Rgb c) {
  if (c == kKey) c.b = 254;
  return 0xFF000000u | (std::uint32_t(std::clamp(c.r, 0, 255)) << 16) |
         (std::uint32_t(std::clamp(c.g, 0, 255)) << 8) | std::uint32_t(std::clamp(c.b, 0, 255));
}

struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
  int right() const { return x + w; }
  int bottom() const { return y + h; }
  Rect Inset(int d) const { return {x + d, y + d, w - 2 * d, h - 2 * d}; }
};

class Canvas {
 public:
  Canvas(int width, int height) {
    image_.width = width;
    image_.height = height;
    image_.pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height),
                         0xFFFF00FFu);
  }

  const PixelImage& Image() const { return image_; }
  int width() const { return image_.width; }
  int height() const { return image_.height; }

  // The cell of frame k (from 0) of n frames side by side, or stacked when `stacked`.
  Rect Cell(int n, int k, bool stacked = false) const {
    if (stacked) return {0, height() / n * k, width(), height() / n};
    return {width() / n * k, 0, width() / n, height()};
  }

  void Put(int x, int y, Rgb c) {
    if (x < 0 || y < 0 || x >= width() || y >= height()) return;
    image_.at(x, y) = Pixel(c);
  }
  void Key(int x, int y) {
    if (x < 0 || y < 0 || x >= width() || y >= height()) return;
    image_.at(x, y) = 0xFFFF00FFu;
  }
  bool IsKey(int x, int y) const { return image_.at(x, y) == 0xFFFF00FFu; }

  void Fill(Rect r, Rgb c) {
    for (int y = r.y; y < r.bottom(); ++y)
      for (int x = r.x; x < r.right(); ++x) Put(x, y, c);
  }
  void KeyFill(Rect r) {
    for (int y = r.y; y < r.bottom(); ++y)
      for (int x = r.x; x < r.right(); ++x) Key(x, y);
  }
  // Top colour at the first row, bottom colour at the last.
  void VGradient(Rect r, Rgb top, Rgb bottom) {
    for (int y = r.y; y < r.bottom(); ++y) {
      const int p = r.h <= 1 ? 0 : (y - r.y) * 100 / (r.h - 1);
      for (int x = r.x; x < r.right(); ++x) Put(x, y, Mix(top, bottom, p));
    }
  }
  void HGradient(Rect r, Rgb left, Rgb right) {
    for (int x = r.x; x < r.right(); ++x) {
      const int p = r.w <= 1 ? 0 : (x - r.x) * 100 / (r.w - 1);
      for (int y = r.y; y < r.bottom(); ++y) Put(x, y, Mix(left, right, p));
    }
  }
  void HLine(int x0, int x1, int y, Rgb c) {
    for (int x = x0; x <= x1; ++x) Put(x, y, c);
  }
  void VLine(int x, int y0, int y1, Rgb c) {
    for (int y = y0; y <= y1; ++y) Put(x, y, c);
  }
  void Outline(Rect r, Rgb c) {
    HLine(r.x, r.right() - 1, r.y, c);
    HLine(r.x, r.right() - 1, r.bottom() - 1, c);
    VLine(r.x, r.y, r.bottom() - 1, c);
    VLine(r.right() - 1, r.y, r.bottom() - 1, c);
  }
  // Light top-left, dark bottom-right: raised; the reverse: sunken.
  void Bevel(Rect r, Rgb light, Rgb dark) {
    HLine(r.x, r.right() - 1, r.y, light);
    VLine(r.x, r.y, r.bottom() - 1, light);
    HLine(r.x, r.right() - 1, r.bottom() - 1, dark);
    VLine(r.right() - 1, r.y, r.bottom() - 1, dark);
  }

  // Cuts the corners of `r` to a radius with the key colour, and draws the rounded outline.
  // corners: bit 0 top-left, 1 top-right, 2 bottom-left, 3 bottom-right.
  void RoundCorners(Rect r, int radius, Rgb outline, int corners = 15) {
    for (int i = 0; i < radius; ++i) {
      for (int j = 0; j < radius; ++j) {
        // Distance from the corner circle's centre, in quarter pixels.
        const int dx = radius - i;
        const int dy = radius - j;
        const int d2 = (2 * dx - 1) * (2 * dx - 1) + (2 * dy - 1) * (2 * dy - 1);
        const int r2 = 4 * radius * radius;
        const bool outside = d2 > r2;
        const bool edge = !outside && d2 > (2 * radius - 2) * (2 * radius - 2);
        auto mark = [&](int x, int y) {
          if (outside)
            Key(x, y);
          else if (edge)
            Put(x, y, outline);
        };
        if (corners & 1) mark(r.x + i, r.y + j);
        if (corners & 2) mark(r.right() - 1 - i, r.y + j);
        if (corners & 4) mark(r.x + i, r.bottom() - 1 - j);
        if (corners & 8) mark(r.right() - 1 - i, r.bottom() - 1 - j);
      }
    }
  }

  // A rounded panel: gradient fill, outline, a one-pixel inner highlight at the top.
  void Panel(Rect r, int radius, Rgb top, Rgb bottom, Rgb outline, int corners = 15) {
    VGradient(r, top, bottom);
    HLine(r.x + 1, r.right() - 2, r.y + 1, Lighter(top, 35));
    Outline(r, outline);
    if (radius > 0) RoundCorners(r, radius, outline, corners);
  }

  void Disc(int cx2, int cy2, int radius2, Rgb c) {  // centre and radius in half pixels
    for (int y = 0; y < height(); ++y)
      for (int x = 0; x < width(); ++x) {
        const int dx = 2 * x + 1 - cx2, dy = 2 * y + 1 - cy2;
        if (dx * dx + dy * dy <= radius2 * radius2) Put(x, y, c);
      }
  }
  void Ring(Rect cell, int radius2, int thickness2, Rgb c) {
    const int cx2 = 2 * cell.x + cell.w, cy2 = 2 * cell.y + cell.h;
    for (int y = cell.y; y < cell.bottom(); ++y)
      for (int x = cell.x; x < cell.right(); ++x) {
        const int dx = 2 * x + 1 - cx2, dy = 2 * y + 1 - cy2;
        const int d2 = dx * dx + dy * dy;
        if (d2 <= radius2 * radius2 && d2 > (radius2 - thickness2) * (radius2 - thickness2))
          Put(x, y, c);
      }
  }
  void DiscIn(Rect cell, int radius2, Rgb c) {
    const int cx2 = 2 * cell.x + cell.w, cy2 = 2 * cell.y + cell.h;
    for (int y = cell.y; y < cell.bottom(); ++y)
      for (int x = cell.x; x < cell.right(); ++x) {
        const int dx = 2 * x + 1 - cx2, dy = 2 * y + 1 - cy2;
        if (dx * dx + dy * dy <= radius2 * radius2) Put(x, y, c);
      }
  }
  // Everything of `cell` outside the circle is key colour.
  void KeyOutsideCircle(Rect cell, int radius2) {
    const int cx2 = 2 * cell.x + cell.w, cy2 = 2 * cell.y + cell.h;
    for (int y = cell.y; y < cell.bottom(); ++y)
      for (int x = cell.x; x < cell.right(); ++x) {
        const int dx = 2 * x + 1 - cx2, dy = 2 * y + 1 - cy2;
        if (dx * dx + dy * dy > radius2 * radius2) Key(x, y);
      }
  }

  // A filled arrow pointing in `dir` (0 up, 1 down, 2 left, 3 right), centred in `r`,
  // `size` pixels from base to tip.
  void Arrow(Rect r, int dir, int size, Rgb c) {
    const int cx = r.x + r.w / 2, cy = r.y + r.h / 2;
    for (int i = 0; i < size; ++i) {
      const int half = i;  // the row i pixels from the tip is 2i + 1 wide
      const int along = i - size / 2;
      switch (dir) {
        case 0:
          HLine(cx - half, cx + half, cy + along, c);
          break;
        case 1:
          HLine(cx - half, cx + half, cy - along, c);
          break;
        case 2:
          VLine(cx + along, cy - half, cy + half, c);
          break;
        default:
          VLine(cx - along, cy - half, cy + half, c);
          break;
      }
    }
  }

  // Copies `src` (a rectangle of this canvas) mirrored left to right into `dst`.
  void MirrorCopy(Rect src, Rect dst) {
    for (int y = 0; y < src.h; ++y)
      for (int x = 0; x < src.w; ++x)
        image_.at(dst.x + src.w - 1 - x, dst.y + y) = image_.at(src.x + x, src.y + y);
  }
  void Copy(Rect src, int dx, int dy) {
    for (int y = 0; y < src.h; ++y)
      for (int x = 0; x < src.w; ++x) image_.at(dx + x, dy + y) = image_.at(src.x + x, src.y + y);
  }

 private:
  PixelImage image_;
};

}  // namespace telvana::skingen
