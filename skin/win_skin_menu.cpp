#include "skin/win_skin_menu.h"

#include <cwctype>
#include <utility>

#include "skin/menu_item_layout.h"
#include "skin/shared_paint_bitmap_win.h"
#include "skin/skin_data.h"
#include "skin/skin_element.h"
#include "skin/skin_paint_win.h"
#include "skin/skin_raster.h"
#include "ui/graphics.h"

namespace telvana {

namespace {
constexpr int kMaxItemText = 80;
constexpr int kActiveImage = 1, kInactiveImage = 2, kBarImages = 2;

// The text as shown: "&&" is one ampersand, a single "&" marks the accelerator.
wchar_t AcceleratorOf(const std::wstring& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] != L'&') return caption[i + 1];
    ++i;
  }
  return 0;
}

const TDataSkinObject* BarPicture(const TSkinData* skin) {
  return skin ? skin->PictureAs(SkinSlot::kMenuBar) : nullptr;
}

std::uint32_t PixelOf(COLORREF colour) {
  return kOpaque | (std::uint32_t{GetRValue(colour)} << 16) |
         (std::uint32_t{GetGValue(colour)} << 8) | GetBValue(colour);
}

// A hot button stands out of the bar, a pressed one sinks into it: a one-pixel edge in the
// skin's highlight colour alone does not show on the light bars of the skins.
void DrawButtonEdge(HDC dc, const RECT& r, bool pressed, const SkinColours& colours) {
  const COLORREF light = ui::ColorToRGB(colours.ButtonHilight);
  const COLORREF dark = ui::ColorToRGB(colours.ButtonShadow);
  const COLORREF top_left = pressed ? dark : light, bottom_right = pressed ? light : dark;
  auto line = [dc](int x0, int y0, int x1, int y1, COLORREF colour) {
    const RECT piece{x0, y0, x1, y1};
    win::Brush brush(::CreateSolidBrush(colour));
    ::FillRect(dc, &piece, brush.get());
  };
  line(r.left, r.top, r.right, r.top + 1, top_left);
  line(r.left, r.top, r.left + 1, r.bottom, top_left);
  line(r.left, r.bottom - 1, r.right, r.bottom, bottom_right);
  line(r.right - 1, r.top, r.right, r.bottom, bottom_right);
}

int CaptionWidth(HDC dc, const std::wstring& caption) {
  if (caption.empty()) return 0;
  RECT extent{};
  ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &extent,
              DT_CALCRECT | DT_SINGLELINE);
  return extent.right - extent.left;
}
}  // namespace

TMenuBtn::TMenuBtn(TWinSkinForm& owner, TWinSkinMenu& bar, int index, std::wstring caption)
    : TNCObject(owner), Index(index), Caption(std::move(caption)), bar_(bar) {
  Visible = true;
}

void TMenuBtn::MouseDown() {
  TNCObject::MouseDown();
  bar_.OpenDropDown(Index);
}

void TMenuBtn::Paint(HDC dc) {
  const PixelImage& band = bar_.Background();
  const RECT& bar = bar_.BarRect();
  if (band.empty() || !owner_.SkinData || Rect.right <= Rect.left) return;
  // The button's column of the band as it was before any caption.
  PutPixels(dc, Rect.left, bar.top,
            CropImage(band, {Rect.left - bar.left, 0, Rect.right - bar.left, band.height}));
  if (State == kHot || State == kPressed) {
    DrawButtonEdge(dc, Rect, State == kPressed, owner_.SkinData->Colours());
  }
  win::Font font = ui::CreateTextFont(ui::SystemFont::Menu);
  win::SelectObjectScope selected(dc, font.get());
  bar_.DrawCaption(dc, *this, Rect);
}

void TWinSkinMenu::DrawCaption(HDC dc, const TMenuBtn& button, const RECT& box) const {
  win::DcStateScope state(dc);
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, button.Enabled ? ui::ColorToRGB(owner_.SkinData->Colours().MenuBarText)
                                    : ::GetSysColor(COLOR_BTNSHADOW));
  RECT text = box;
  ::DrawTextW(dc, button.Caption.c_str(), static_cast<int>(button.Caption.size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void TWinSkinMenu::BuildFromHandle(HMENU menu) {
  menu_ = menu;
  if (::GetMenu(owner_.WindowHandle) == menu) ::SetMenu(owner_.WindowHandle, nullptr);
  RebuildFromItems();
}

void TWinSkinMenu::RebuildFromItems() {
  owner_.TrackedObject = nullptr;
  buttons_.clear();
  const int count = menu_ ? ::GetMenuItemCount(menu_) : 0;
  for (int i = 0; i < count; ++i) {
    wchar_t text[kMaxItemText + 1] = {};
    MENUITEMINFOW info{sizeof(info)};
    info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = kMaxItemText;
    if (!::GetMenuItemInfoW(menu_, static_cast<UINT>(i), TRUE, &info)) continue;
    auto button = std::make_unique<TMenuBtn>(owner_, *this, i, text);
    button->Enabled = !(info.fState & (MFS_GRAYED | MFS_DISABLED));
    button->SubMenu = info.hSubMenu;
    button->Command = info.wID;
    buttons_.push_back(std::move(button));
  }
}

void TWinSkinMenu::GiveBack() {
  if (menu_ && ::IsWindow(owner_.WindowHandle)) ::SetMenu(owner_.WindowHandle, menu_);
  owner_.TrackedObject = nullptr;
  buttons_.clear();
  menu_ = nullptr;
}

void TWinSkinMenu::PaintBar(HDC dc, const RECT& bar) {
  const TSkinData* skin = owner_.SkinData;
  const int w = bar.right - bar.left, h = bar.bottom - bar.top;
  if (!skin || painting_ || w <= 0 || h <= 0) return;
  painting_ = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{painting_};
  const TDataSkinObject* picture = BarPicture(skin);
  PixelImage band;
  if (picture) {
    const int image = owner_.WindowActive ? kActiveImage : kInactiveImage;
    band = picture->Tile == 1 ? BuildSkinElement(w, h, picture->Image, MarginsOf(*picture), true,
                                                 false, kBarImages, image)
                              : BuildSkinStrip(w, h, picture->Image, true, kBarImages, image,
                                               picture->LeftWidth, picture->RightWidth);
  }
  if (band.width != w || band.height != h) {
    band = BlankImage(w, h);
    std::fill(band.pixels.begin(), band.pixels.end(),
              PixelOf(ui::ColorToRGB(skin->Colours().Menubar)));
  }
  const bool rtl = owner_.RightToLeft;
  const int start = MenuBarStart(picture != nullptr, w, picture ? picture->LeftWidth : 0,
                                 picture ? picture->RightWidth : 0, rtl);
  bar_rect_ = bar;
  background_ = band;

  SharedPaintBitmap& scratch = SharedPaintBitmap::Get();
  scratch.Resize(w, h);
  HDC canvas = scratch.dc();
  PutPixels(canvas, 0, 0, band);
  win::Font font = ui::CreateTextFont(ui::SystemFont::Menu);
  win::SelectObjectScope selected(canvas, font.get());
  std::vector<int> widths;
  for (const auto& button : buttons_) widths.push_back(CaptionWidth(canvas, button->Caption));
  const std::vector<BarSlot> slots = LayoutMenuBar(widths, w, start, rtl);
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    TMenuBtn& button = *buttons_[i];
    const BarSlot slot = slots[i];
    button.Visible = slot.right > slot.left && slot.left >= 0 && slot.right <= w;
    if (!button.Visible) {
      button.Rect = {};
      continue;
    }
    const RECT box{slot.left, 0, slot.right, h - 1};
    button.Rect = {bar.left + box.left, bar.top, bar.left + box.right, bar.top + h - 1};
    if (button.State == TNCObject::kHot || button.State == TNCObject::kPressed) {
      DrawButtonEdge(canvas, box, button.State == TNCObject::kPressed, skin->Colours());
    }
    DrawCaption(canvas, button, box);
  }
  ::BitBlt(dc, bar.left, bar.top, w, h, canvas, 0, 0, SRCCOPY);
}

TMenuBtn* TWinSkinMenu::ButtonAt(POINT window_point) {
  for (auto& button : buttons_) {
    if (button->Visible && ::PtInRect(&button->Rect, window_point)) return button.get();
  }
  return nullptr;
}

TMenuBtn* TWinSkinMenu::ButtonForKey(wchar_t key) {
  for (auto& button : buttons_) {
    const wchar_t accelerator = AcceleratorOf(button->Caption);
    if (button->Enabled && accelerator && std::towupper(accelerator) == std::towupper(key)) {
      return button.get();
    }
  }
  return nullptr;
}

}  // namespace telvana
