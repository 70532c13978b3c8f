// Whole-picture transforms of skin bitmaps. The results are 24-bit pictures: colours kept,
// every pixel opaque.
#pragma once

#include "ui/pixel_image.h"

namespace telvana {

// Each pixel's three channels become (R + G + B) div 3.
void GrayscaleBitmap(PixelImage& image);
// Each row reversed: column x becomes column width - 1 - x.
void MirrorBitmap(PixelImage& image);
// The order of the rows reversed.
void FlipBitmap(PixelImage& image);
// A quarter turn anticlockwise: the top edge becomes the left edge; width and height swap.
PixelImage RotateLeft(const PixelImage& image);
// A quarter turn clockwise: the top edge becomes the right edge; width and height swap.
PixelImage RotateRight(const PixelImage& image);

}  // namespace telvana
