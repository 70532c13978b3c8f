#include "skins/skingen/preview.h"

#include <string>

namespace telvana::skingen {

namespace {

constexpr std::uint32_t kKeyPixel = 0xFFFF00FFu;

const PixelImage& Find(const SkinDesign& d, const std::string& name) {
  for (const Picture& p : d.pictures)
    if (p.name == name) return p.image;
  static const PixelImage none;
  return none;
}

struct Target {
  PixelImage& image;
  void Put(int x, int y, std::uint32_t p) {
    if (p == kKeyPixel || x < 0 || y < 0 || x >= image.width || y >= image.height) return;
    image.at(x, y) = p;
  }
  void Fill(int x0, int y0, int w, int h, std::uint32_t p) {
    for (int y = y0; y < y0 + h; ++y)
      for (int x = x0; x < x0 + w; ++x) Put(x, y, p);
  }
};

// Frame k of n (side by side, or stacked) cut as a nine-slice into (x, y, w, h), middle
// parts stretched by nearest neighbour.
void Element(Target& t, const PixelImage& src, int n, int k, bool stacked, int l, int tp, int r,
             int b, int x, int y, int w, int h) {
  if (src.empty()) return;
  const int cw = stacked ? src.width : src.width / n;
  const int ch = stacked ? src.height / n : src.height;
  const int x0 = stacked ? 0 : cw * k, y0 = stacked ? ch * k : 0;
  if (w < l + r) l = r = 0;
  if (h < tp + b) tp = b = 0;
  auto map = [](int d, int size, int lo, int hi, int src_size) {
    if (d < lo) return d;
    if (d >= size - hi) return src_size - (size - d);
    const int mid = size - lo - hi, src_mid = src_size - lo - hi;
    return mid <= 0 || src_mid <= 0 ? lo : lo + (d - lo) * src_mid / mid;
  };
  for (int dy = 0; dy < h; ++dy)
    for (int dx = 0; dx < w; ++dx) {
      const int sx = map(dx, w, l, r, cw), sy = map(dy, h, tp, b, ch);
      t.Put(x + dx, y + dy, src.at(x0 + sx, y0 + sy));
    }
}

std::uint32_t Rgb32(int r, int g, int b) {
  return 0xFF000000u | r << 16 | g << 8 | b;
}

}  // namespace

PixelImage PreviewSkin(const SkinDesign& d, const Geometry& g) {
  PixelImage out;
  out.width = 560;
  out.height = 330;
  out.pixels.assign(static_cast<std::size_t>(out.width) * out.height, Rgb32(58, 110, 165));
  Target t{out};
  // Two windows: an inactive one behind, an active one in front.
  for (int active = 0; active < 2; ++active) {
    const int wx = active ? 150 : 10, wy = active ? 40 : 10, ww = 400, wh = 280;
    const int frame = active ? 0 : 1;
    const PixelImage& left = Find(d, "Left.bmp");
    const PixelImage& top = Find(d, "Top.bmp");
    const int bl = left.width / 2, bt = top.height / 2, br = bl,
              bb = Find(d, "Bottom.bmp").height / 2;
    t.Fill(wx + bl, wy + bt, ww - bl - br, wh - bt - bb, Rgb32(236, 238, 240));
    Element(t, left, 2, frame, false, 0, g.caption, 0, 4, wx, wy, bl, wh);
    Element(t, Find(d, "Right.bmp"), 2, frame, false, 0, g.caption, 0, 4, wx + ww - br, wy, br, wh);
    Element(t, top, 2, frame, true, 8, 0, 8, 0, wx + bl, wy, ww - bl - br, bt);
    Element(t, Find(d, "Bottom.bmp"), 2, frame, true, 0, 0, 0, 0, wx + bl, wy + wh - bb,
            ww - bl - br, bb);
    Element(t, Find(d, "TextBack.bmp"), 2, frame, true, 8, 0, 8, 0, wx + 24, wy, 150, bt);
    // Caption buttons: close, maximise, minimise from the right; frame 1 (or the inactive 4).
    const int step = g.button_w + 2;
    const char* buttons[] = {"Button0.bmp", "Button1.bmp", "Button3.bmp"};
    for (int i = 0; i < 3; ++i) {
      const PixelImage& b = Find(d, buttons[i]);
      const int x = wx + ww - (4 + 2 + g.button_w + i * step);
      const int k = active ? (i == 0 ? 2 : 0) : 3;  // the close button shown hot
      Element(t, b, g.button_frames, k, false, 0, 0, 0, 0, x, wy + (g.caption - g.button_h) / 2 + 1,
              g.button_w, g.button_h);
    }
    // Menu bar with three items, the second one open.
    const int my = wy + bt, mh = 20;
    Element(t, Find(d, "MenuBar.bmp"), 2, frame, true, 3, 0, 3, 0, wx + bl, my, ww - bl - br, mh);
    if (!active) continue;
    Element(t, Find(d, "MenuItem.bmp"), 5, 3, false, 4, 3, 4, 3, wx + 50, my + 1, 44, mh - 2);
    // Content: buttons, boxes, a scroll bar, a progress bar, tabs, a status bar.
    const int cx = wx + bl + 12, cy = my + mh + 12;
    Element(t, Find(d, "Tabs.bmp"), 5, 1, false, 5, 5, 5, 3, cx, cy, 60, 22);
    Element(t, Find(d, "Tabs.bmp"), 5, 0, false, 5, 5, 5, 3, cx + 60, cy, 60, 22);
    Element(t, Find(d, "Tabs.bmp"), 5, 2, false, 5, 5, 5, 3, cx + 120, cy, 60, 22);
    Element(t, Find(d, "TabBorder.bmp"), 1, 0, false, 4, 5, 4, 4, cx, cy + 21, 220, 120);
    for (int k = 0; k < 4; ++k) {
      Element(t, Find(d, "Button.bmp"), 5,
              k == 2   ? 3
              : k == 3 ? 4
                       : k,
              false, 4, 4, 4, 4, cx + 12 + 50 * k, cy + 34, 46, 24);
    }
    for (int k = 0; k < 4; ++k) {
      Element(t, Find(d, "CheckBox.bmp"), 4, k, false, 0, 0, 0, 0, cx + 14 + 24 * k, cy + 70, 14,
              14);
      Element(t, Find(d, "Radio.bmp"), 4, k, false, 0, 0, 0, 0, cx + 114 + 24 * k, cy + 70, 14, 14);
    }
    Element(t, Find(d, "Progress.bmp"), 2, 0, false, 4, 4, 4, 4, cx + 12, cy + 96, 190, 16);
    Element(t, Find(d, "Progress.bmp"), 2, 1, false, 4, 4, 4, 4, cx + 12, cy + 96, 120, 16);
    // A vertical scroll bar at the right of the content, and a horizontal one below.
    const int sx = wx + ww - br - 16, sy = my + mh, sh = wh - bt - mh - bb - 20 - 16;
    Element(t, Find(d, "VScroll.bmp"), 4, 0, false, 2, 2, 2, 2, sx, sy, 16, sh);
    Element(t, Find(d, "ScrollBar.bmp"), 23, 8, false, 0, 0, 0, 0, sx, sy, 16, 16);
    Element(t, Find(d, "ScrollBar.bmp"), 23, 12, false, 0, 0, 0, 0, sx, sy + sh - 16, 16, 16);
    Element(t, Find(d, "VThumb.bmp"), 3, 0, false, 3, 5, 3, 5, sx, sy + 30, 16, 50);
    const int hy = sy + sh, hw = ww - bl - br - 16;
    Element(t, Find(d, "HScroll.bmp"), 4, 0, false, 2, 2, 2, 2, wx + bl, hy, hw, 16);
    Element(t, Find(d, "ScrollBar.bmp"), 23, 0, false, 0, 0, 0, 0, wx + bl, hy, 16, 16);
    Element(t, Find(d, "ScrollBar.bmp"), 23, 5, false, 0, 0, 0, 0, wx + bl + hw - 16, hy, 16, 16);
    Element(t, Find(d, "HThumb.bmp"), 3, 2, false, 5, 3, 5, 3, wx + bl + 60, hy, 80, 16);
    // Combo box and group box on the right of the tabs.
    const int rx = cx + 232;
    Element(t, Find(d, "SunkEdge.bmp"), 4, 0, false, 2, 2, 2, 2, rx, cy + 4, 120, 21);
    Element(t, Find(d, "ComboButton.bmp"), 4, 0, false, 3, 3, 3, 3, rx + 120 - 19, cy + 4, 19, 21);
    Element(t, Find(d, "ExtraImages.bmp"), 5, 0, false, 0, 0, 0, 0, rx + 120 - 16, cy + 8, 12, 12);
    Element(t, Find(d, "GroupEdge.bmp"), 2, 0, false, 5, 5, 5, 5, rx, cy + 40, 120, 90);
    Element(t, Find(d, "GroupBox.bmp"), 1, 0, false, 8, 0, 8, 0, rx + 8, cy + 32, 60, 18);
    Element(t, Find(d, "UpDownVert.bmp"), 8, 0, false, 2, 2, 2, 2, rx + 90, cy + 60, 16, 12);
    Element(t, Find(d, "UpDownVert.bmp"), 8, 4, false, 2, 2, 2, 2, rx + 90, cy + 72, 16, 12);
    Element(t, Find(d, "UpDownVertGlyph.bmp"), 8, 0, false, 0, 0, 0, 0, rx + 94, cy + 62, 8, 8);
    Element(t, Find(d, "UpDownVertGlyph.bmp"), 8, 4, false, 0, 0, 0, 0, rx + 94, cy + 74, 8, 8);
    Element(t, Find(d, "ThumbUp.bmp"), 5, 1, false, 3, 3, 3, 3, rx + 20, cy + 64, 11, 20);
    Element(t, Find(d, "Header.bmp"), 5, 0, false, 3, 3, 3, 3, rx, cy + 140, 60, 20);
    Element(t, Find(d, "Header.bmp"), 5, 0, false, 3, 3, 3, 3, rx + 60, cy + 140, 60, 20);
    // Status bar.
    const int sby = wy + wh - bb - 20;
    for (int k = 0; k < 3; ++k)
      Element(t, Find(d, "StatusBar.bmp"), 3, 0, false, 2, 2, 2, 2, wx + bl + 130 * k, sby, 128,
              20);
    Element(t, Find(d, "ExtraImages.bmp"), 5, 4, false, 0, 0, 0, 0, wx + ww - br - 13, sby + 7, 12,
            12);
    // The open drop-down with a selected item and a separator.
    const int px = wx + 50, py = my + mh, pw = 130, ph = 84;
    Element(t, Find(d, "MenuBack.bmp"), 1, 0, false, 26, 3, 3, 3, px, py, pw, ph);
    Element(t, Find(d, "MenuItem.bmp"), 5, 3, false, 4, 3, 4, 3, px + 3, py + 23, pw - 6, 20);
    Element(t, Find(d, "MenuItem.bmp"), 5, 1, false, 4, 3, 4, 3, px + 3, py + 47, pw - 6, 8);
  }
  return out;
}

}  // namespace telvana::skingen
