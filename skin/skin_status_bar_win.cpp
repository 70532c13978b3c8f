#include "skin/skin_status_bar_win.h"

#include <commctrl.h>

#include <algorithm>

#include "skin/control_geometry.h"
#include "skin/shared_paint_bitmap_win.h"
#include "skin/skin_data.h"
#include "skin/skin_paint_win.h"
#include "skin/skin_text_win.h"
#include "ui/std_controls.h"
#include "ui/win_handles.h"

namespace telvana {

namespace {

constexpr int kGripFrame = 5;
constexpr int kTextInset = 2;

// The bar's font without bold, italics, underline or strike-out; the stock GUI font for a
// bar that has none.
win::Font PlainFontOf(HWND bar) {
  auto font = reinterpret_cast<HFONT>(::SendMessageW(bar, WM_GETFONT, 0, 0));
  LOGFONTW log{};
  if (!font || !::GetObjectW(font, sizeof(log), &log)) {
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(log), &log);
  }
  log.lfWeight = FW_NORMAL;
  log.lfItalic = log.lfUnderline = log.lfStrikeOut = FALSE;
  return win::Font(::CreateFontIndirectW(&log));
}

// A status bar keeps its alignment in the text: after one tab centred, after two right.
UINT AlignmentOfText(std::wstring& text) {
  int tabs = 0;
  while (tabs < 2 && static_cast<std::size_t>(tabs) < text.size() && text[tabs] == L'\t') ++tabs;
  text.erase(0, tabs);
  return tabs == 0 ? DT_LEFT : tabs == 1 ? DT_CENTER : DT_RIGHT;
}

int LookOfType(UINT type) {
  if (type & SBT_NOBORDERS) return 3;
  if (type & SBT_POPOUT) return 2;
  return 1;
}

std::wstring PartText(HWND bar, int index, UINT& type) {
  const LRESULT length = ::SendMessageW(bar, SB_GETTEXTLENGTHW, index, 0);
  type = HIWORD(length);
  std::wstring text(LOWORD(length) + 1, L'\0');
  ::SendMessageW(bar, SB_GETTEXTW, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(std::wcslen(text.c_str()));
  return text;
}

}  // namespace

bool TSkinStatusBar::BeforeMessage(ui::TMessage& message) {
  if (PaintWholeWindow(message)) return false;
  return TSkinControl::BeforeMessage(message);
}

std::vector<TSkinStatusBar::PanelFace> TSkinStatusBar::ReadPanels(const RECT& whole) const {
  const auto* framework = dynamic_cast<const ui::TStatusBar*>(FControl);
  const bool simple = ::SendMessageW(FHandle, SB_ISSIMPLE, 0, 0) != 0;
  const int parts = static_cast<int>(::SendMessageW(FHandle, SB_GETPARTS, 0, 0));
  if (simple || parts <= 0 || (framework && framework->Panels().empty())) {
    UINT type = 0;
    std::wstring text = PartText(FHandle, simple ? SB_SIMPLEID : 0, type);
    AlignmentOfText(text);
    return {{whole, text, DT_LEFT, 1}};
  }
  std::vector<PanelFace> panels;
  for (int i = 0; i < parts; ++i) {
    PanelFace panel;
    if (!::SendMessageW(FHandle, SB_GETRECT, i, reinterpret_cast<LPARAM>(&panel.rect))) continue;
    UINT type = 0;
    panel.text = PartText(FHandle, i, type);
    panel.align = AlignmentOfText(panel.text);
    panel.look = LookOfType(type);
    if (framework && static_cast<std::size_t>(i) < framework->Panels().size()) {
      const ui::TStatusBar::Panel& own = framework->Panels()[static_cast<std::size_t>(i)];
      panel.text = own.text;
      panel.align = ui::DrawTextAlignment(own.alignment);
    }
    if (type & SBT_RTLREADING) {
      if (panel.align == DT_LEFT) {
        panel.align = DT_RIGHT;
      } else if (panel.align == DT_RIGHT) {
        panel.align = DT_LEFT;
      }
    }
    panels.push_back(std::move(panel));
  }
  if (!panels.empty()) panels.back().rect.right = whole.right;
  return panels;
}

void TSkinStatusBar::PaintPanel(HDC dc, const PanelFace& panel) const {
  if (const auto* edges = FSkinData->PictureAs(SkinSlot::kStatusBarEdges)) {
    DrawSkinElement(dc, panel.rect, 3, panel.look, *edges);
  } else if (panel.look != 3) {
    const SkinColours& colours = FSkinData->Colours();
    const COLORREF shadow = ui::ColorToRGB(colours.ButtonShadow);
    const COLORREF light = ui::ColorToRGB(colours.ButtonHilight);
    const COLORREF top_left = panel.look == 1 ? shadow : light;
    const COLORREF bottom_right = panel.look == 1 ? light : shadow;
    const RECT& r = panel.rect;
    win::Brush first(::CreateSolidBrush(top_left));
    win::Brush second(::CreateSolidBrush(bottom_right));
    const RECT top{r.left, r.top, r.right, r.top + 1}, left{r.left, r.top, r.left + 1, r.bottom};
    const RECT bottom{r.left, r.bottom - 1, r.right, r.bottom};
    const RECT right{r.right - 1, r.top, r.right, r.bottom};
    ::FillRect(dc, &top, first.get());
    ::FillRect(dc, &left, first.get());
    ::FillRect(dc, &bottom, second.get());
    ::FillRect(dc, &right, second.get());
  }
  RECT text_rect = panel.rect;
  text_rect.left += kTextInset;
  text_rect.right -= kTextInset;
  DrawCaptionText(dc, text_rect, panel.align, true, panel.text.empty() ? L" " : panel.text);
}

void TSkinStatusBar::PaintSkin(HDC dc, const RECT& rect) {
  if (!FSkinData) return;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  SharedPaintBitmap& shared = SharedPaintBitmap::Get();
  shared.Resize(width, height);
  HDC paint = shared.dc();
  const RECT area{0, 0, width, height};
  FillFace(paint, area);

  const win::Font font = PlainFontOf(FHandle);
  win::SelectObjectScope use_font(paint, font.get());
  win::DcStateScope keep(paint);
  const auto* edges = FSkinData->Slot(SkinSlot::kStatusBarEdges);
  ::SetTextColor(paint,
                 ui::ColorToRGB(edges ? edges->NormalColour2 : FSkinData->Colours().ButtonText));
  for (const PanelFace& panel : ReadPanels(area)) PaintPanel(paint, panel);

  const auto* extra = FSkinData->PictureAs(SkinSlot::kExtraImages);
  if ((::GetWindowLongW(FHandle, GWL_STYLE) & SBARS_SIZEGRIP) && extra) {
    const int frames = std::max(extra->FrameCount, 1);
    const RasterRect grip =
        StatusGripRect({0, 0, width, height}, extra->Image.width / frames, extra->Image.height);
    StampFrame(paint, AsRect(grip), extra->Image, frames, kGripFrame);
  }
  ::BitBlt(dc, rect.left, rect.top, width, height, paint, 0, 0, SRCCOPY);
}

}  // namespace telvana
