// Pixel work of the skin painters on PixelImage, without any platform: rectangles, frame
// cells of a picture strip, nearest-pixel stretching as GDI's StretchBlt does it in
// COLORONCOLOR mode, tiling, and copying with a transparent key colour.
//
// The painters work on colours, as on 24-bit bitmaps: the top byte of a source pixel is
// ignored, and every pixel they write is opaque (top byte 0xFF).
#pragma once

#include <cstdint>

#include "ui/pixel_image.h"

namespace telvana {

// The transparent colour of every skin picture, as PixelImage holds colours (0xRRGGBB).
inline constexpr std::uint32_t kKeyColour = 0xFF00FF;
inline constexpr std::uint32_t kOpaque = 0xFF000000u;

constexpr std::uint32_t ColourOf(std::uint32_t pixel) {
  return pixel & 0xFFFFFFu;
}

// Pictures the painters build stay below these bounds; larger requests throw
// std::length_error (no window of the program comes near them).
inline constexpr int kMaxPaintSide = 32768;
inline constexpr std::int64_t kMaxPaintPixels = std::int64_t{64} * 1024 * 1024;

// A rectangle as Windows keeps one: right and bottom are outside it. An inverted one
// (right < left or bottom < top) stands for a source read backwards, as StretchBlt reads a
// negative extent.
struct RasterRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Inverted() const { return right < left || bottom < top; }
  bool operator==(const RasterRect&) const = default;
};

// A black opaque picture of the given size, as a new screen-compatible bitmap starts.
PixelImage BlankImage(int width, int height);

// The part of `image` inside `area` (clipped to the picture).
PixelImage CropImage(const PixelImage& image, const RasterRect& area);

// Frame k (counted from 1) of a strip of n equal frames, side by side or stacked: the cell
// is width div n wide (or height div n high) and starts at (k - 1) * width div n. A count
// below 1 counts as 1; k is held to 1..n.
RasterRect FrameCell(const PixelImage& image, bool vertical, int n, int k);

// Copies `from` (in `src`) onto `to` (in `dst`), each destination pixel taking the nearest
// source pixel by the rule in skin_raster.cpp, which is what GDI's StretchBlt produces with
// COLORONCOLOR. A source with negative extent is read backwards (mirrored). Destination
// pixels outside `dst`, and those whose source pixel lies outside `src`, are left as they
// were. An empty source or destination draws nothing.
void StretchPiece(PixelImage& dst, const RasterRect& to, const PixelImage& src,
                  const RasterRect& from);

// Repeats the piece `from` of `src` at its own size with its top-left corner at
// (x + i * width, y + j * height) for every corner left of `right` and above `bottom`. The
// last column and row spill past those limits (clipped only by `dst`). A piece with a
// negative or zero extent draws nothing.
void TilePiece(PixelImage& dst, int x, int y, int right, int bottom, const PixelImage& src,
               const RasterRect& from);

// Copies `src` onto `dst` with its top-left corner at (x, y); pixels of exactly the colour
// `key` keep the destination.
void PutKeyed(PixelImage& dst, int x, int y, const PixelImage& src, std::uint32_t key = kKeyColour);

}  // namespace telvana
