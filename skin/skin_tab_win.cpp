#include "skin/skin_tab_win.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "skin/bitmap_transforms.h"
#include "skin/control_geometry.h"
#include "skin/skin_data.h"
#include "skin/skin_paint_win.h"
#include "skin/skin_text_win.h"
#include "skin/skin_up_down_win.h"

namespace telvana {

namespace {

constexpr int kTabFrames = 5;
constexpr int kNormalTab = 1;
constexpr int kFocusedTab = 2;
constexpr int kTabTextLimit = 80;
// The page frame's margins in the border picture, whatever the skin says.
constexpr SkinMargins kPageFrameMargins{4, 5, 4, 4};

const TDataSkinBorder* TabsOf(const TSkinData* data) {
  return data ? data->PictureAs<TDataSkinBorder>(SkinSlot::kTabs) : nullptr;
}

// A copy with every pixel opaque, as a 24-bit bitmap holds it.
PixelImage Opaque(const PixelImage& image) {
  PixelImage copy = image;
  for (std::uint32_t& p : copy.pixels) p |= kOpaque;
  return copy;
}

COLORREF TabTextColour(const TDataSkinBorder& tabs, int state) {
  return ui::ColorToRGB(state == kFocusedTab ? tabs.MouseOverColour2 : tabs.NormalColour2);
}

void DrawTab(HDC dc, const RECT& place, const PixelImage& picture, const TDataSkinBorder& tabs,
             int state) {
  DrawSkinElement(dc, place, picture, false, tabs.Tile == 1, tabs.Trans == 1,
                  std::max(tabs.FrameCount, 1), state, MarginsOf(tabs));
}

}  // namespace

// ---------------------------------------------------------------------------------------
// Page tabs

void TSkinTab::AttachWindow(HWND handle, TSkinData& skin_data, TWinSkinForm* form, HDC canvas) {
  TSkinControl::AttachWindow(handle, skin_data, form, canvas);
  FFocused = ::GetFocus() == FHandle;
  FEnabled = !IsWindowDisabled();
  FText = ReadWindowText();
  PrepareImages();
  FindScrollArrows();
}

void TSkinTab::SkinChanged() {
  TSkinControl::SkinChanged();
  PrepareImages();
}

void TSkinTab::PrepareImages() {
  FPosition =
      TabPositionFromStyle(static_cast<std::uint32_t>(::GetWindowLongW(FHandle, GWL_STYLE)));
  const TDataSkinBorder* tabs = TabsOf(FSkinData);
  if (!tabs || tabs->Image2.empty()) {
    FTabImage = {};
    FBorderImage = {};
    return;
  }
  FTabImage = Opaque(tabs->Image);
  FBorderImage = Opaque(tabs->Image2);
  switch (FPosition) {
    case kTabsBottom:
      FlipBitmap(FTabImage);
      FlipBitmap(FBorderImage);
      break;
    case kTabsLeft:
      FBorderImage = RotateLeft(FBorderImage);
      break;
    case kTabsRight:
      FBorderImage = RotateRight(FBorderImage);
      break;
  }
}

TSkinUpDown* TSkinTab::UpDown() const {
  return StillWrapped(FForm, FUpDown) ? FUpDown : nullptr;
}

bool TSkinTab::FindScrollArrows() {
  HWND arrows = ::FindWindowExW(FHandle, nullptr, UPDOWN_CLASSW, nullptr);
  if (!arrows) return false;
  FUpDown = UpDown();
  if (!FUpDown && FSkinData) {
    ui::TComponent* owner = Owner() ? Owner() : this;
    FUpDown = ui::TComponent::New<TSkinUpDown>(*owner);
    FUpDown->AttachWindow(arrows, *FSkinData, FForm, FCanvas);
  }
  return (::GetWindowLongW(arrows, GWL_STYLE) & WS_VISIBLE) != 0;
}

HDC TSkinTab::PrepareStrip(HDC like, int width, int height) {
  if (!strip_dc_) strip_dc_ = win::MemoryDc(::CreateCompatibleDC(like));
  if (!FStrip || strip_size_.cx != width || strip_size_.cy != height) {
    const BITMAPINFO info = win::TopDownBitmapInfo(width, height);
    void* bits = nullptr;
    win::Bitmap fresh(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!fresh) return nullptr;
    ::SelectObject(strip_dc_.get(), fresh.get());
    FStrip = std::move(fresh);
    strip_bits_ = bits;
    strip_size_ = {width, height};
  }
  return strip_dc_.get();
}

void TSkinTab::PaintSkin(HDC dc, const RECT& rect) {
  const TDataSkinBorder* tabs = TabsOf(FSkinData);
  RECT display = rect;
  ::SendMessageW(FHandle, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  const auto position = static_cast<TabPosition>(FPosition);
  const RasterRect page = TabPageFrame(AsRaster(display), position);
  const int count = static_cast<int>(::SendMessageW(FHandle, TCM_GETITEMCOUNT, 0, 0));
  const int focused = static_cast<int>(::SendMessageW(FHandle, TCM_GETCURFOCUS, 0, 0));
  const auto images = reinterpret_cast<HIMAGELIST>(::SendMessageW(FHandle, TCM_GETIMAGELIST, 0, 0));

  if (tabs && !FTabImage.empty()) {
    const RasterRect whole = AsRaster(rect);
    const RasterRect strip = TabStripRect(whole, page, position);
    const StripSize lying = LyingStripSize(strip, position);
    HDC paint =
        lying.width > 0 && lying.height > 0 ? PrepareStrip(dc, lying.width, lying.height) : nullptr;
    if (paint) {
      const RECT strip_area{0, 0, lying.width, lying.height};
      FillFace(paint, strip_area);
      HFONT font = reinterpret_cast<HFONT>(::SendMessageW(FHandle, WM_GETFONT, 0, 0));
      win::SelectObjectScope use_font(paint, font ? font : ::GetStockObject(DEFAULT_GUI_FONT));
      FEnabled = !IsWindowDisabled();
      for (int i = 0; i < count; ++i) {
        wchar_t text[kTabTextLimit + 1] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_STATE;
        item.pszText = text;
        item.cchTextMax = kTabTextLimit;
        if (!::SendMessageW(FHandle, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item))) continue;
        RECT item_rect;
        if (!::SendMessageW(FHandle, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&item_rect))) {
          continue;
        }
        const RECT place =
            AsRect(TabInLyingStrip(AsRaster(item_rect), position, whole, page, lying.width));
        const int state = i == focused ? kFocusedTab : kNormalTab;
        DrawTab(paint, place, FTabImage, *tabs, state);
        win::DcStateScope keep(paint);
        ::SetTextColor(paint, TabTextColour(*tabs, state));
        DrawIconText(paint, place, 1, text, item.iImage, images, FEnabled);
      }
      ::GdiFlush();
      const PixelImage composed{
          lying.width, lying.height,
          std::vector<std::uint32_t>(static_cast<const std::uint32_t*>(strip_bits_),
                                     static_cast<const std::uint32_t*>(strip_bits_) +
                                         static_cast<std::size_t>(lying.width) * lying.height)};
      const PixelImage turned = position == kTabsRight  ? RotateRight(composed)
                                : position == kTabsLeft ? RotateLeft(composed)
                                                        : composed;
      win::DcStateScope keep_clip(dc);
      if (FindScrollArrows()) {
        // The arrows keep their own picture.
        HWND arrows = ::FindWindowExW(FHandle, nullptr, UPDOWN_CLASSW, nullptr);
        RECT at;
        ::GetWindowRect(arrows, &at);
        ::MapWindowPoints(nullptr, FHandle, reinterpret_cast<POINT*>(&at), 2);
        ::ExcludeClipRect(dc, at.left, at.top, at.right, at.bottom);
      }
      PutPixels(dc, strip.left, strip.top, turned);
    }
  }
  if (tabs && !FBorderImage.empty()) {
    DrawSkinBorder(dc, AsRect(page), FBorderImage, kPageFrameMargins, false, 1, 1);
  }
}

// ---------------------------------------------------------------------------------------
// Tab set

void TSkinTab31::AttachControl(TWinSkinForm* form, TSkinData& skin_data, bool, HDC canvas) {
  if (FAttached) return;
  auto* control = dynamic_cast<ui::TWinControl*>(Owner());
  if (!control) return;
  control->CreateHandle();
  if (!control->Handle()) return;
  TSkinControl::AttachWindow(control->Handle(), skin_data, form, canvas);
  FControl = control;
  PrepareImage();
  const auto& owned = control->Components();
  if (!owned.empty()) {
    if (auto* scroller = dynamic_cast<ui::TWinControl*>(owned.front().get())) {
      scroller->CreateHandle();
      FScroller = scroller;
      FUpDown = ui::TComponent::New<TSkinUpDown>(*control);
      FUpDown->FHorizontal = true;
      FUpDown->AttachWindow(scroller->Handle(), skin_data, form, canvas);
    }
  }
}

TSkinUpDown* TSkinTab31::UpDown() const {
  return StillWrapped(FForm, FUpDown) ? FUpDown : nullptr;
}

void TSkinTab31::PrepareImage() {
  const TDataSkinBorder* tabs = TabsOf(FSkinData);
  FTabImage = tabs ? Opaque(tabs->Image) : PixelImage{};
  FlipBitmap(FTabImage);
}

void TSkinTab31::SkinChanged() {
  TSkinControl::SkinChanged();
  PrepareImage();
}

bool TSkinTab31::BeforeMessage(ui::TMessage& message) {
  switch (message.msg) {
    case WM_ERASEBKGND:
      message.result = 1;
      return false;
    case WM_PAINT:
      PaintOwnWindow(message);
      return true;
  }
  return TSkinControl::BeforeMessage(message);
}

namespace {

std::vector<std::wstring> Lines(const std::wstring& text) {
  std::vector<std::wstring> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(L'\n', start);
    if (end == std::wstring::npos) end = text.size();
    std::wstring line = text.substr(start, end - start);
    if (!line.empty() && line.back() == L'\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

}  // namespace

void TSkinTab31::PaintSkin(HDC dc, const RECT& rect) {
  const TDataSkinBorder* tabs = TabsOf(FSkinData);
  if (!tabs || FTabImage.empty()) return;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  win::OffScreenDc work(dc, width, height);
  if (!work) return;
  const RECT area{0, 0, width, height};
  FillFace(work.get(), area);
  HFONT font = FControl ? FControl->FontHandle() : nullptr;
  win::SelectObjectScope use_font(work.get(), font ? font : ::GetStockObject(DEFAULT_GUI_FONT));

  const std::vector<std::wstring> captions = Lines(GetStrProperty("Tabs"));
  const auto first =
      static_cast<std::size_t>(std::max<std::int64_t>(GetOrdProperty("FirstIndex"), 0));
  const std::int64_t selected = GetOrdProperty("TabIndex");
  std::vector<int> widths;
  for (std::size_t i = first; i < captions.size(); ++i) {
    SIZE size{};
    ::GetTextExtentPoint32W(work.get(), captions[i].c_str(), static_cast<int>(captions[i].size()),
                            &size);
    widths.push_back(size.cx);
  }
  const bool scroller_visible =
      FScroller && FScroller->Handle() && ::IsWindowVisible(FScroller->Handle());
  const std::vector<int> places = PlaceTabSetTabs(
      static_cast<int>(GetOrdProperty("StartMargin")),
      width - static_cast<int>(GetOrdProperty("EndMargin")), widths, scroller_visible);
  FEnabled = !IsWindowDisabled();
  for (std::size_t k = 0; k < places.size(); ++k) {
    if (places[k] < 0) continue;
    const std::size_t index = first + k;
    const int state = static_cast<std::int64_t>(index) == selected ? kFocusedTab : kNormalTab;
    const RECT place{places[k], 0, places[k] + widths[k] + kTabSetPadding, height};
    DrawTab(work.get(), place, FTabImage, *tabs, state);
    win::DcStateScope keep(work.get());
    ::SetTextColor(work.get(), TabTextColour(*tabs, state));
    DrawCaptionText(work.get(), place, DT_CENTER, FEnabled, captions[index]);
  }
  ::BitBlt(dc, rect.left, rect.top, width, height, work.get(), 0, 0, SRCCOPY);
}

}  // namespace telvana
