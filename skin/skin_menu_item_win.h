// The skinned menu item painter: measures and draws the owner-drawn items of skinned menus
// (the drop-downs of the menu bar, a form's context menus, the engine's system menu) from
// the skin's MenuItem picture and menu colours, over the background of the popup window
// that shows them. Geometry comes from menu_item_layout.h.
#pragma once

#include <windows.h>

#include <string>

#include "skin/menu_item_layout.h"
#include "skin/skin_parse.h"
#include "skin/skin_records.h"
#include "ui/pixel_image.h"

namespace telvana {

class TSkinData;

// What the painter needs of an item, whichever menu it comes from.
struct MenuItemView {
  std::wstring caption;  // exactly as shown; "-" is a separator
  std::wstring shortcut;
  bool checked = false;
  bool enabled = true;
  bool is_default = false;     // drawn in bold
  bool right_to_left = false;  // the item's menu is laid out right to left
  bool IsSeparator() const { return caption == L"-"; }
};

// An item of a menu handle, by command (or by position): its text up to 80 characters cut
// at the tab into caption and shortcut, "-" for a separator or an empty text, its state and
// its menu's reading order.
MenuItemView ViewOfMenuHandleItem(HMENU menu, UINT item, bool by_position);

// The popup window's picture behind the items and where an item's rectangle (in the popup's
// client coordinates) lies in it.
struct MenuItemBackdrop {
  const PixelImage* picture = nullptr;
  POINT offset{3, 3};
};

// The size of an item for WM_MEASUREITEM, measured on `dc` in the menu font.
MenuItemSize MeasureSkinnedItem(HDC dc, const TSkinData* skin, const MenuItemView& item);

// The item from the skin: its backdrop (or the Menu colour), the MenuItem picture's image 4
// when selected, else 1 (cut as a nine-slice), then the content; a separator shows its line
// from the picture's second image. Without a MenuItem picture: PlainItemDraw.
void SkinnedItemDraw(HDC dc, const TSkinData& skin, const MenuItemView& item, const RECT& rect,
                     bool selected, const MenuItemBackdrop& backdrop);
// The item flat in the skin's Hilight (selected) or Menu colour.
void PlainItemDraw(HDC dc, const SkinColours& colours, const MenuItemView& item, const RECT& rect,
                   bool selected);
// Check mark, caption and shortcut on an item's background.
void DrawItemContent(HDC dc, const SkinColours& colours, const MenuItemView& item, const RECT& rect,
                     bool selected, int left_width);
// Text in the menu font (bold for a default item) in the colour the item's state calls for;
// a "-" caption is an etched line 4 pixels below the top.
void DrawItemText(HDC dc, const SkinColours& colours, const MenuItemView& item,
                  const std::wstring& text, RECT rect, UINT format, bool selected);
// The separator line from the second image of the MenuItem picture, through its key colour.
void DrawSeparator(HDC dc, const RECT& rect, const TDataSkinObject& menu_item);

}  // namespace telvana
