// One skinned scroll bar as pixels: the skin's background colour, the track picture between
// the arrows, the two arrows from the arrow strip and the thumb, composed on a picture 16
// pixels thick and as long as the bar; the painter stretches it across the bar's real
// thickness in one copy.
#pragma once

#include <cstdint>

#include "skin/skin_records.h"
#include "ui/pixel_image.h"

namespace telvana {

inline constexpr int kScrollPictureThickness = 16;

struct ScrollBarParts {
  bool vertical = true;
  int length = 0;
  std::uint32_t background = 0;        // 0xRRGGBB
  int arrow = 0;                       // the length of each arrow
  const PixelImage* arrows = nullptr;  // a strip of arrow frames; none: no arrows
  int arrow_frames = 1;
  int first_arrow_frame = 1;               // up or left
  int second_arrow_frame = 1;              // down or right
  const TDataSkinObject* track = nullptr;  // none: the background shows
  int track_frames = 1;
  const TDataSkinObject* thumb = nullptr;  // none, or a thumb_length of 0: no thumb
  int thumb_start = 0;                     // from the bar's start
  int thumb_length = 0;
  int thumb_frame = 1;
  bool thumb_transparent = false;
};

// The bar's picture, `length` long along its axis and kScrollPictureThickness across.
// Arrows are put with the key colour transparent; the track with it when its Trans is set,
// the thumb when `thumb_transparent`. The thumb is stretched, never tiled.
PixelImage BuildScrollBarPicture(const ScrollBarParts& parts);

}  // namespace telvana
