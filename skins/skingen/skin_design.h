// One skin, drawn from a theme: every picture the skin painters use, and the description
// that names them with their margins, frame counts, caption-button rules and colours.
#pragma once

#include <string>
#include <vector>

#include "skins/skingen/themes.h"
#include "ui/pixel_image.h"

namespace telvana::skingen {

// Sizes that differ between the stored skin and the skin files.
struct Geometry {
  int caption = 26;   // height of the caption band
  int button_w = 16;  // one caption-button frame
  int button_h = 14;
  int button_frames = 4;  // frames of a caption-button picture
  bool frame_key = true;  // write "frame" in the caption-button sections
};

// The stored skin: caption buttons of 84 x 12 (six frames of 14 x 12, counted by the reader
// from the picture's shape).
inline constexpr Geometry kStoredGeometry{24, 14, 12, 6, false};
inline constexpr Geometry kFileGeometry{};

struct Picture {
  std::string name;
  PixelImage image;
};

struct SkinDesign {
  std::vector<Picture> pictures;
  std::string description;  // ini text, CR LF lines
};

SkinDesign DesignSkin(const Theme& theme, const Geometry& geometry);

}  // namespace telvana::skingen
