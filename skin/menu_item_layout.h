// The geometry of a skinned menu item, apart from any window: how big an item is measured,
// where its glyph, caption and shortcut go (mirrored in a right-to-left menu), where the
// buttons of the menu bar lie, and which pieces of the skin's separator picture make the
// line of a separator item. The item painter (skin_menu_item_win.h) and the menu bar
// (win_skin_menu.h) feed it text extents measured on a device context.
#pragma once

#include <array>
#include <vector>

#include "skin/skin_raster.h"

namespace telvana {

// A glyph (check mark, item picture) is this square, whatever the font.
inline constexpr int kMenuGlyphSize = 16;
// Height of a separator item; the skin's separator picture is cut from its bottom rows.
inline constexpr int kMenuSeparatorHeight = 8;
// The shortcut column ends this far before the right end of the caption box.
inline constexpr int kMenuShortcutRightGap = 10;
// Least room between the end of a caption and the start of its shortcut.
inline constexpr int kMenuShortcutGap = 24;

struct MenuItemExtents {
  int caption_width = 0;   // the caption in the menu font (bold for a default item)
  int shortcut_width = 0;  // 0 without a shortcut
  int text_height = 0;     // the height of a line of the menu font
  int left_width = 0;      // the MenuItem record's LeftWidth, 0 without the record
  bool separator = false;
};

struct MenuItemSize {
  int width = 0;
  int height = 0;
};

// The size to answer WM_MEASUREITEM with. Every item of a menu gets the widest width, so
// the width leaves room for the caption and the shortcut column side by side.
MenuItemSize MeasureMenuItemBox(const MenuItemExtents& extents);

struct MenuItemBoxes {
  RasterRect glyph;     // empty for a separator
  RasterRect caption;   // where the caption is written (single line, vertically centred)
  RasterRect shortcut;  // where the shortcut is written, aligned to its far end; may be empty
};

// The boxes of an item drawn in `item`: glyph box from the left (right in a right-to-left
// menu) past the MenuItem LeftWidth, vertically centred; the caption box from 3 pixels past
// the glyph to the other end; the shortcut after the caption to kMenuShortcutRightGap before
// the caption box's end.
MenuItemBoxes LayoutMenuItem(const RasterRect& item, const MenuItemExtents& extents,
                             bool right_to_left);

// One piece of the separator line: the part `from` of the MenuItem picture stretched to `to`
// in an item-sized picture.
struct SeparatorPiece {
  RasterRect to;
  RasterRect from;
};

// The separator line of a width × height item from the second of the five frames of the
// MenuItem picture: its bottom rows, as many as the item is high (all of them, stretched,
// when the picture is lower); the left `left` columns at the left end, the right `right`
// columns at the right end, the middle stretched between. A picture or item of no area, or
// margins wider than the frame, give no pieces.
std::vector<SeparatorPiece> SeparatorPieces(int image_width, int image_height, int width,
                                            int height, int left, int right);

// The menu bar's buttons laid out in a band `band_width` wide from `start` (from the right
// end for a right-to-left menu): each takes its caption width + 10, a caption of no width
// takes none. Returned in button order, in band coordinates (x only).
struct BarSlot {
  int left = 0;
  int right = 0;
};
inline constexpr int kMenuBarButtonPadding = 10;
std::vector<BarSlot> LayoutMenuBar(const std::vector<int>& caption_widths, int band_width,
                                   int start, bool right_to_left);

// Where the buttons of a menu bar start: past the MenuBar picture's left end + 4 (right end
// + 8 in a right-to-left menu), or 12 when the band is narrower than that; 6 without a
// picture.
int MenuBarStart(bool has_picture, int band_width, int left_width, int right_width,
                 bool right_to_left);

}  // namespace telvana
