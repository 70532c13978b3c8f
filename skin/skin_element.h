// Skin elements as pixels: one frame of an element's picture strip cut into nine pieces
// (corners keep their size, edges and centre stretch or tile) or into three (caps and a
// repeated middle), sized to a destination. The Windows painters (skin_paint_win.h) put
// the results on device contexts.
#pragma once

#include <array>

#include "skin/skin_raster.h"
#include "skin/skin_records.h"

namespace telvana {

struct SkinMargins {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const SkinMargins&) const = default;
};

SkinMargins MarginsOf(const TDataSkinObject& object);

// The margins that a width × height destination keeps: a pair that does not fit is dropped
// whole (both to 0), never shrunk, so the picture is then stretched across that axis.
SkinMargins FittedMargins(int width, int height, const SkinMargins& margins);

// One piece of the nine-slice cut: where it goes in the element, where it comes from in
// the picture, and whether it is drawn at all.
struct SlicePiece {
  RasterRect to;
  RasterRect from;
  bool drawn = false;
};

// The nine pieces in the order they are drawn: top-left, bottom-left and top-right
// corners, left and top edges, centre, bottom-right corner, right and bottom edges. Pieces
// drawn after the centre cover whatever a tiled centre spills.
inline constexpr int kCentrePiece = 5;
using NineSlice = std::array<SlicePiece, 9>;
NineSlice CutNineSlice(int width, int height, const PixelImage& image, const SkinMargins& margins,
                       bool vertical, int n, int k);

// Frame k of n of `image` as a width × height nine-slice element, the centre stretched or,
// with `tile`, repeated at its own size. Negative sizes give an empty picture.
PixelImage BuildSkinElement(int width, int height, const PixelImage& image,
                            const SkinMargins& margins, bool vertical, bool tile, int n, int k);
// The same with a record's picture, margins and Tile switch (1 tiles), frames side by side.
PixelImage BuildSkinElement(int width, int height, const TDataSkinObject& object, int n, int k);

// The pieces of the nine-slice cut but the centre; the centre stays black.
PixelImage BuildSkinBorder(int width, int height, const PixelImage& image,
                           const SkinMargins& margins, bool vertical, int n, int k);

// The three-slice strip of menu bar items and caption parts: the left cap (left margin)
// and right cap (right margin) stretched to the height, and between them the middle of the
// frame repeated at its own width, the right cap drawn last over any spill. A middle of no
// width leaves only the caps.
PixelImage BuildSkinStrip(int width, int height, const PixelImage& image, bool vertical, int n,
                          int k, int left, int right);

// Frame k of n (side by side, full height) stretched whole to width × height.
PixelImage BuildStretchedFrame(int width, int height, const PixelImage& strip, int n, int k);

}  // namespace telvana
