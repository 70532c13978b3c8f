#include "skin/skin_menu_item_win.h"

#include <algorithm>

#include "skin/skin_data.h"
#include "skin/skin_paint_win.h"
#include "skin/skin_raster.h"
#include "ui/graphics.h"
#include "ui/win_handles.h"

namespace telvana {

namespace {

constexpr int kMaxItemText = 80;
constexpr int kSelectedImage = 4, kNormalImage = 1, kItemImages = 5;

const TDataSkinObject* MenuItemPicture(const TSkinData& skin) {
  return skin.PictureAs(SkinSlot::kMenuItem);
}

int LeftWidthOf(const TSkinData* skin) {
  const TDataSkinObject* record = skin ? MenuItemPicture(*skin) : nullptr;
  return record ? record->LeftWidth : 0;
}

// The menu font, bold for a default item; it must outlive its selection.
win::Font ItemFont(bool bold) {
  win::Font font = ui::CreateTextFont(ui::SystemFont::Menu);
  if (!bold) return font;
  LOGFONTW face{};
  if (!::GetObjectW(font.get(), sizeof(face), &face)) return font;
  face.lfWeight = FW_BOLD;
  win::Font heavy(::CreateFontIndirectW(&face));
  return heavy ? std::move(heavy) : std::move(font);
}

int TextWidth(HDC dc, const std::wstring& text) {
  if (text.empty()) return 0;
  SIZE extent{};
  ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  return extent.cx;
}

MenuItemExtents ExtentsOf(HDC dc, const MenuItemView& item, int left_width) {
  MenuItemExtents e;
  e.separator = item.IsSeparator();
  e.left_width = left_width;
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(dc, &metrics);
  e.text_height = metrics.tmHeight;
  if (!e.separator) {
    e.caption_width = TextWidth(dc, item.caption.empty() ? L" " : item.caption);
    e.shortcut_width = TextWidth(dc, item.shortcut);
  }
  return e;
}

// The system's check mark, in `colour`, centred in `box`.
void DrawCheckMark(HDC dc, const RECT& box, COLORREF colour) {
  const int w = box.right - box.left, h = box.bottom - box.top;
  if (w <= 0 || h <= 0) return;
  win::MemoryDc mask_dc(::CreateCompatibleDC(dc));
  win::Bitmap mask(::CreateBitmap(w, h, 1, 1, nullptr));
  if (!mask_dc || !mask) return;
  win::SelectObjectScope mask_selected(mask_dc.get(), mask.get());
  RECT all{0, 0, w, h};
  ::DrawFrameControl(mask_dc.get(), &all, DFC_MENU, DFCS_MENUCHECK);  // black on white
  // The mark in its colour on magenta, then through the key colour onto the item.
  PixelImage key = BlankImage(w, h);
  std::fill(key.pixels.begin(), key.pixels.end(), kKeyColour | kOpaque);
  win::Bitmap coloured = CreateDibBitmap(key);
  {
    win::MemoryDc colour_dc(::CreateCompatibleDC(dc));
    win::SelectObjectScope colour_selected(colour_dc.get(), coloured.get());
    ::SetTextColor(colour_dc.get(), colour);
    ::SetBkColor(colour_dc.get(), kKeyColorRef);
    ::BitBlt(colour_dc.get(), 0, 0, w, h, mask_dc.get(), 0, 0, SRCCOPY);
  }
  TransparentBlit(dc, box, coloured.get(), kKeyColorRef);
}

}  // namespace

MenuItemView ViewOfMenuHandleItem(HMENU menu, UINT item, bool by_position) {
  MenuItemView view;
  wchar_t text[kMaxItemText + 1] = {};
  MENUITEMINFOW info{sizeof(info)};
  info.fMask = MIIM_STATE | MIIM_FTYPE | MIIM_STRING;
  info.dwTypeData = text;
  info.cch = kMaxItemText;
  if (!::GetMenuItemInfoW(menu, item, by_position, &info)) {
    view.caption = L"-";
    return view;
  }
  std::wstring whole(text);
  const std::size_t tab = whole.find(L'\t');
  view.caption = whole.substr(0, tab);
  if (tab != std::wstring::npos) view.shortcut = whole.substr(tab + 1);
  if (view.caption.empty() || (info.fType & MFT_SEPARATOR)) view.caption = L"-";
  view.enabled = !(info.fState & (MFS_GRAYED | MFS_DISABLED));
  view.checked = (info.fState & MFS_CHECKED) != 0;
  view.is_default = (info.fState & MFS_DEFAULT) != 0;
  view.right_to_left = (info.fType & MFT_RIGHTORDER) != 0;
  return view;
}

MenuItemSize MeasureSkinnedItem(HDC dc, const TSkinData* skin, const MenuItemView& item) {
  const win::Font font = ItemFont(item.is_default);
  win::SelectObjectScope selected(dc, font.get());
  return MeasureMenuItemBox(ExtentsOf(dc, item, LeftWidthOf(skin)));
}

void DrawItemText(HDC dc, const SkinColours& colours, const MenuItemView& item,
                  const std::wstring& text, RECT rect, UINT format, bool selected) {
  if (text == L"-") {
    RECT line{rect.left, rect.top + 4, rect.right, rect.top + 6};
    ::DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  const COLORREF text_colour = ui::ColorToRGB(colours.MenuText);
  COLORREF colour = selected ? ui::ColorToRGB(colours.HilightText) : text_colour;
  if (!item.enabled) {
    colour = ui::ColorToRGB(colours.ButtonShadow);
    if (colour == text_colour) colour = ::GetSysColor(COLOR_BTNSHADOW);
  }
  const win::Font font = ItemFont(item.is_default);
  win::SelectObjectScope font_selected(dc, font.get());
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, colour);
  ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
              format | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_EXPANDTABS);
}

void DrawItemContent(HDC dc, const SkinColours& colours, const MenuItemView& item, const RECT& rect,
                     bool selected, int left_width) {
  win::DcStateScope state(dc);
  MenuItemExtents extents;
  {
    const win::Font font = ItemFont(item.is_default);
    win::SelectObjectScope font_selected(dc, font.get());
    extents = ExtentsOf(dc, item, left_width);
  }
  const MenuItemBoxes boxes = LayoutMenuItem(AsRaster(rect), extents, item.right_to_left);
  if (item.IsSeparator()) {
    DrawItemText(dc, colours, item, item.caption, rect, 0, selected);
    return;
  }
  if (item.checked) {
    const COLORREF mark =
        selected ? ui::ColorToRGB(colours.HilightText) : ::GetSysColor(COLOR_BTNTEXT);
    DrawCheckMark(dc, AsRect(boxes.glyph), mark);
  }
  const UINT align = item.right_to_left ? DT_RIGHT | DT_RTLREADING : DT_LEFT;
  DrawItemText(dc, colours, item, item.caption, AsRect(boxes.caption), align, selected);
  if (!item.shortcut.empty() && boxes.shortcut.Width() > 0) {
    DrawItemText(dc, colours, item, item.shortcut, AsRect(boxes.shortcut),
                 item.right_to_left ? DT_LEFT : DT_RIGHT, selected);
  }
}

void PlainItemDraw(HDC dc, const SkinColours& colours, const MenuItemView& item, const RECT& rect,
                   bool selected) {
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (w <= 0 || h <= 0) return;
  win::OffScreenDc memory(dc, w, h);
  if (!memory) return;
  RECT local{0, 0, w, h};
  const bool hot = selected && item.enabled && !item.IsSeparator();
  win::Brush fill(::CreateSolidBrush(ui::ColorToRGB(hot ? colours.Hilight : colours.Menu)));
  ::FillRect(memory.get(), &local, fill.get());
  DrawItemContent(memory.get(), colours, item, local, hot, 0);
  ::BitBlt(dc, rect.left, rect.top, w, h, memory.get(), 0, 0, SRCCOPY);
}

void DrawSeparator(HDC dc, const RECT& rect, const TDataSkinObject& menu_item) {
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  const auto pieces = SeparatorPieces(menu_item.Image.width, menu_item.Image.height, w, h,
                                      menu_item.LeftWidth, menu_item.RightWidth);
  if (pieces.empty()) return;
  PixelImage line = BlankImage(w, h);
  std::fill(line.pixels.begin(), line.pixels.end(), kKeyColour | kOpaque);
  for (const SeparatorPiece& piece : pieces)
    StretchPiece(line, piece.to, menu_item.Image, piece.from);
  TransparentBlit(dc, rect, line);
}

void SkinnedItemDraw(HDC dc, const TSkinData& skin, const MenuItemView& item, const RECT& rect,
                     bool selected, const MenuItemBackdrop& backdrop) {
  const TDataSkinObject* picture = MenuItemPicture(skin);
  if (!picture) {
    PlainItemDraw(dc, skin.Colours(), item, rect, selected);
    return;
  }
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (w <= 0 || h <= 0) return;
  win::OffScreenDc memory(dc, w, h);
  if (!memory) return;
  const RECT local{0, 0, w, h};
  win::Brush fill(::CreateSolidBrush(ui::ColorToRGB(skin.Colours().Menu)));
  ::FillRect(memory.get(), &local, fill.get());
  if (backdrop.picture && !backdrop.picture->empty()) {
    PutPixels(memory.get(), -(rect.left + backdrop.offset.x), -(rect.top + backdrop.offset.y),
              *backdrop.picture);
  }
  if (item.IsSeparator()) {
    DrawSeparator(memory.get(), local, *picture);
  } else {
    // A disabled item keeps its plain look under the mouse: its shadow-coloured text would not
    // read on the selected image.
    const bool hot = selected && item.enabled;
    DrawSkinElement(memory.get(), local, kItemImages, hot ? kSelectedImage : kNormalImage,
                    *picture);
    DrawItemContent(memory.get(), skin.Colours(), item, local, hot, picture->LeftWidth);
  }
  ::BitBlt(dc, rect.left, rect.top, w, h, memory.get(), 0, 0, SRCCOPY);
}

}  // namespace telvana
