#include "skin/scrollbar_picture.h"

#include "skin/skin_element.h"
#include "skin/skin_raster.h"

namespace telvana {

namespace {

// Puts `piece` at `along` on the bar, keyed or copied whole.
void PutAlong(PixelImage& bar, bool vertical, int along, const PixelImage& piece,
              bool transparent) {
  const int x = vertical ? 0 : along, y = vertical ? along : 0;
  if (transparent) {
    PutKeyed(bar, x, y, piece);
  } else {
    StretchPiece(bar, {x, y, x + piece.width, y + piece.height}, piece,
                 {0, 0, piece.width, piece.height});
  }
}

}  // namespace

PixelImage BuildScrollBarPicture(const ScrollBarParts& p) {
  const int thick = kScrollPictureThickness;
  if (p.length <= 0) return {};
  const int width = p.vertical ? thick : p.length, height = p.vertical ? p.length : thick;
  PixelImage bar = BlankImage(width, height);
  for (std::uint32_t& pixel : bar.pixels) pixel = kOpaque | (p.background & 0xFFFFFFu);
  // A piece `size` long along the bar, across its whole thickness.
  auto sized = [&](int size, auto build) {
    return p.vertical ? build(thick, size) : build(size, thick);
  };

  const int track = p.length - 2 * p.arrow;
  if (p.track && !p.track->Image.empty() && track > 0) {
    const PixelImage piece = sized(
        track, [&](int w, int h) { return BuildSkinElement(w, h, *p.track, p.track_frames, 1); });
    PutAlong(bar, p.vertical, p.arrow, piece, p.track->Trans == 1);
  }
  if (p.arrows && !p.arrows->empty() && p.arrow > 0) {
    for (const auto& [at, frame] :
         {std::pair{0, p.first_arrow_frame}, std::pair{p.length - p.arrow, p.second_arrow_frame}}) {
      const PixelImage piece = sized(p.arrow, [&](int w, int h) {
        return BuildStretchedFrame(w, h, *p.arrows, p.arrow_frames, frame);
      });
      PutAlong(bar, p.vertical, at, piece, true);
    }
  }
  if (p.thumb && !p.thumb->Image.empty() && p.thumb->FrameCount > 0 && p.thumb_length > 0) {
    const PixelImage piece = sized(p.thumb_length, [&](int w, int h) {
      return BuildSkinElement(w, h, p.thumb->Image, MarginsOf(*p.thumb), false, false,
                              p.thumb->FrameCount, p.thumb_frame);
    });
    PutAlong(bar, p.vertical, p.thumb_start, piece, p.thumb_transparent);
  }
  return bar;
}

}  // namespace telvana
