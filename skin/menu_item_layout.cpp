#include "skin/menu_item_layout.h"

#include <algorithm>

namespace telvana {

namespace {
constexpr int kGlyphInset = 1;  // between the item's edge (past LeftWidth) and the glyph
constexpr int kCaptionAfterGlyph = 3;
constexpr int kCaptionEndInset = 1;
constexpr int kTextPadding = 4;  // above and below a line, together

RasterRect Mirrored(const RasterRect& r, const RasterRect& item) {
  if (r.Width() <= 0) return r;
  return {item.left + item.right - r.right, r.top, item.left + item.right - r.left, r.bottom};
}
}  // namespace

MenuItemSize MeasureMenuItemBox(const MenuItemExtents& e) {
  MenuItemSize size;
  size.width = std::max(0, e.left_width) + kGlyphInset + kMenuGlyphSize + kCaptionAfterGlyph +
               std::max(0, e.caption_width) + kMenuShortcutRightGap + kCaptionEndInset;
  if (e.shortcut_width > 0) size.width += kMenuShortcutGap + e.shortcut_width;
  size.height = e.separator ? kMenuSeparatorHeight
                            : std::max(e.text_height + kTextPadding, kMenuGlyphSize + 2);
  return size;
}

MenuItemBoxes LayoutMenuItem(const RasterRect& item, const MenuItemExtents& e, bool right_to_left) {
  MenuItemBoxes boxes;
  const int glyph_left = item.left + std::max(0, e.left_width) + kGlyphInset;
  const int glyph_top = item.top + std::max(0, (item.Height() - kMenuGlyphSize) / 2);
  if (!e.separator) {
    boxes.glyph = {glyph_left, glyph_top, glyph_left + kMenuGlyphSize, glyph_top + kMenuGlyphSize};
  }
  boxes.caption = {
      glyph_left + kMenuGlyphSize + kCaptionAfterGlyph, item.top,
      std::max(glyph_left + kMenuGlyphSize + kCaptionAfterGlyph, item.right - kCaptionEndInset),
      item.bottom};
  if (e.shortcut_width > 0 && !e.separator) {
    const int end = boxes.caption.right - kMenuShortcutRightGap;
    const int start = std::min(end, boxes.caption.left + std::max(0, e.caption_width));
    boxes.shortcut = {start, item.top, end, item.bottom};
  }
  if (right_to_left) {
    boxes.glyph = Mirrored(boxes.glyph, item);
    boxes.caption = Mirrored(boxes.caption, item);
    boxes.shortcut = Mirrored(boxes.shortcut, item);
  }
  return boxes;
}

std::vector<SeparatorPiece> SeparatorPieces(int image_width, int image_height, int width,
                                            int height, int left, int right) {
  constexpr int kFrames = 5, kSeparatorFrame = 1;  // the second, counted from 0
  const int frame = image_width / kFrames;
  left = std::max(0, left), right = std::max(0, right);
  if (frame <= 0 || image_height <= 0 || width <= 0 || height <= 0 || left + right > frame) {
    return {};
  }
  const int x0 = frame * kSeparatorFrame;
  const int top = std::max(0, image_height - height);
  // Ends that do not fit the item are dropped; the middle then takes the whole width.
  if (left + right > width) left = right = 0;
  std::vector<SeparatorPiece> pieces;
  if (left > 0) pieces.push_back({{0, 0, left, height}, {x0, top, x0 + left, image_height}});
  if (right > 0) {
    pieces.push_back(
        {{width - right, 0, width, height}, {x0 + frame - right, top, x0 + frame, image_height}});
  }
  if (width - left - right > 0 && frame - left - right > 0) {
    pieces.push_back(
        {{left, 0, width - right, height}, {x0 + left, top, x0 + frame - right, image_height}});
  }
  return pieces;
}

std::vector<BarSlot> LayoutMenuBar(const std::vector<int>& caption_widths, int band_width,
                                   int start, bool right_to_left) {
  std::vector<BarSlot> slots;
  slots.reserve(caption_widths.size());
  int x = right_to_left ? band_width - start : start;
  for (int caption : caption_widths) {
    const int w = caption > 0 ? caption + kMenuBarButtonPadding : 0;
    if (right_to_left) {
      slots.push_back({x - w, x});
      x -= w;
    } else {
      slots.push_back({x, x + w});
      x += w;
    }
  }
  return slots;
}

int MenuBarStart(bool has_picture, int band_width, int left_width, int right_width,
                 bool right_to_left) {
  constexpr int kPlainStart = 6, kNarrowStart = 12;
  if (!has_picture) return kPlainStart;
  const int start = right_to_left ? right_width + 8 : left_width + 4;
  return band_width < start ? kNarrowStart : start;
}

}  // namespace telvana
