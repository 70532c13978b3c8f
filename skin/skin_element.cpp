#include "skin/skin_element.h"

#include <algorithm>

namespace telvana {

SkinMargins MarginsOf(const TDataSkinObject& object) {
  return {object.LeftWidth, object.TopHeight, object.RightWidth, object.BottomHeight};
}

SkinMargins FittedMargins(int width, int height, const SkinMargins& margins) {
  // A negative margin from a damaged skin counts as none.
  SkinMargins m{std::max(margins.left, 0), std::max(margins.top, 0), std::max(margins.right, 0),
                std::max(margins.bottom, 0)};
  if (width < std::int64_t{m.left} + m.right) m.left = m.right = 0;
  if (height < std::int64_t{m.top} + m.bottom) m.top = m.bottom = 0;
  return m;
}

NineSlice CutNineSlice(int width, int height, const PixelImage& image, const SkinMargins& margins,
                       bool vertical, int n, int k) {
  const RasterRect cell = FrameCell(image, vertical, n, k);
  const int x0 = cell.left, y0 = cell.top, cw = cell.Width(), ch = cell.Height();
  const auto [l, t, r, b] = FittedMargins(width, height, margins);
  const int w = width, h = height;
  auto from = [&](int left, int top, int right, int bottom) {
    return RasterRect{x0 + left, y0 + top, x0 + right, y0 + bottom};
  };
  return {{
      {{0, 0, l, t}, from(0, 0, l, t), l > 0 && t > 0},
      {{0, h - b, l, h}, from(0, ch - b, l, ch), l > 0 && b > 0},
      {{w - r, 0, w, t}, from(cw - r, 0, cw, t), r > 0 && t > 0},
      {{0, t, l, h - b}, from(0, t, l, ch - b), l > 0},
      {{l, 0, w - r, t}, from(l, 0, cw - r, t), t > 0},
      {{l, t, w - r, h - b}, from(l, t, cw - r, ch - b), true},
      {{w - r, h - b, w, h}, from(cw - r, ch - b, cw, ch), r > 0 && b > 0},
      {{w - r, t, w, h - b}, from(cw - r, t, cw, ch - b), r > 0},
      {{l, h - b, w - r, h}, from(l, ch - b, cw - r, ch), b > 0},
  }};
}

namespace {

PixelImage BuildNineSlice(int width, int height, const PixelImage& image,
                          const SkinMargins& margins, bool vertical, bool tile, bool centre, int n,
                          int k) {
  if (width < 0 || height < 0) return {};
  PixelImage out = BlankImage(width, height);
  const NineSlice pieces = CutNineSlice(width, height, image, margins, vertical, n, k);
  for (int i = 0; i < static_cast<int>(pieces.size()); ++i) {
    const SlicePiece& p = pieces[i];
    if (!p.drawn || (i == kCentrePiece && !centre)) continue;
    if (i == kCentrePiece && tile) {
      TilePiece(out, p.to.left, p.to.top, p.to.right, p.to.bottom, image, p.from);
    } else {
      StretchPiece(out, p.to, image, p.from);
    }
  }
  return out;
}

}  // namespace

PixelImage BuildSkinElement(int width, int height, const PixelImage& image,
                            const SkinMargins& margins, bool vertical, bool tile, int n, int k) {
  return BuildNineSlice(width, height, image, margins, vertical, tile, true, n, k);
}

PixelImage BuildSkinElement(int width, int height, const TDataSkinObject& object, int n, int k) {
  return BuildSkinElement(width, height, object.Image, MarginsOf(object), false, object.Tile == 1,
                          n, k);
}

PixelImage BuildSkinBorder(int width, int height, const PixelImage& image,
                           const SkinMargins& margins, bool vertical, int n, int k) {
  return BuildNineSlice(width, height, image, margins, vertical, false, false, n, k);
}

PixelImage BuildSkinStrip(int width, int height, const PixelImage& image, bool vertical, int n,
                          int k, int left, int right) {
  if (width < 0 || height < 0) return {};
  PixelImage out = BlankImage(width, height);
  const RasterRect cell = FrameCell(image, vertical, n, k);
  const int x0 = cell.left, y0 = cell.top, cw = cell.Width(), ch = cell.Height();
  const int l = std::max(left, 0), r = std::max(right, 0);
  StretchPiece(out, {0, 0, l, height}, image, {x0, y0, x0 + l, y0 + ch});
  const int middle = cw - l - r;
  if (middle > 0 && l < width - r) {
    // The middle stretched to the height once, then repeated at x = l, l + m, ... while
    // x < width - r; the last copy spills under the right cap.
    PixelImage piece = BlankImage(middle, height);
    StretchPiece(piece, {0, 0, middle, height}, image, {x0 + l, y0, x0 + cw - r, y0 + ch});
    TilePiece(out, l, 0, width - r, height, piece, {0, 0, middle, height});
  }
  StretchPiece(out, {width - r, 0, width, height}, image, {x0 + cw - r, y0, x0 + cw, y0 + ch});
  return out;
}

PixelImage BuildStretchedFrame(int width, int height, const PixelImage& strip, int n, int k) {
  if (width < 0 || height < 0) return {};
  PixelImage out = BlankImage(width, height);
  StretchPiece(out, {0, 0, width, height}, strip, FrameCell(strip, false, n, k));
  return out;
}

}  // namespace telvana
