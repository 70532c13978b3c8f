// A picture of a window dressed in a skin, for looking at a theme while designing it: the
// frame, caption buttons, menu bar, a drop-down menu and a few controls, each cut from the
// skin's pictures the way the skin painters cut them (nine-slice, key colour transparent).
#pragma once

#include "skins/skingen/skin_design.h"

namespace telvana::skingen {

PixelImage PreviewSkin(const SkinDesign& design, const Geometry& geometry);

}  // namespace telvana::skingen
