#include "skin/skin_buttons_win.h"

#include <algorithm>

#include "skin/ascii.h"
#include "skin/bitmap_transforms.h"
#include "skin/skin_data.h"
#include "skin/skin_paint_win.h"
#include "skin/skin_text_win.h"
#include "skin/win_skin_form.h"
#include "ui/buttons.h"

namespace telvana {

namespace {

constexpr COLORREF kDisabledGrey = 0x808080;
constexpr UINT kCaptionMeasure = DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS;
// A framework notification of a focus change inside a control group, which box controls
// repaint on.
constexpr UINT kBoxStateNotification = 0xB0D0;

COLORREF Rgb(ColourValue colour) {
  return ui::ColorToRGB(colour);
}

// The caption layout of DrawCaptionText without touching the brush, the font or the colour:
// centred across, a pixel above the middle.
void DrawCentredCaption(HDC dc, const RECT& rect, const std::wstring& text) {
  RECT measured = rect;
  ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured,
              DT_CENTER | kCaptionMeasure);
  const int width = measured.right - measured.left, height = measured.bottom - measured.top;
  ::OffsetRect(&measured, ((rect.right - rect.left) - width) / 2,
               ((rect.bottom - rect.top) - height) / 2 - 1);
  ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured,
              DT_CENTER | DT_EXPANDTABS);
}

bool EqualsTrue(const std::wstring& value) {
  return AsciiLowered(value) == L"true";
}

}  // namespace

// ---------------------------------------------------------------------------------------
// Push button

bool TSkinButton::BeforeMessage(ui::TMessage& message) {
  if (PaintWholeWindow(message)) return false;
  switch (message.msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // The press is ours: the control never sees it, so its own click never fires.
      Press();
      return false;
  }
  return TSkinControl::BeforeMessage(message);
}

void TSkinButton::Press() {
  if (!FFocused) ::SetFocus(FHandle);
  FMouseState |= kMousePressed;
  Repaint(nullptr);
}

void TSkinButton::AfterMessage(ui::TMessage& message) {
  switch (message.msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (message.wParam == VK_SPACE) {
        if (message.msg == WM_KEYDOWN) {
          FMouseState |= kMousePressed;
        } else {
          FMouseState &= ~kMousePressed;
        }
        InvalidateSkin();
      }
      return;
    case WM_MOUSEMOVE:
      if (FMouseState & kMouseHot) return;
      FMouseState |= kMouseHot;
      if (FForm && FForm->HotButton && FForm->HotButton != this) FForm->SendMouseLeave();
      if (!FForm || FForm->HotButton != this) {
        InvalidateSkin();
        if (FForm) FForm->HotButton = this;
      }
      return;
    case WM_LBUTTONUP:
      if (!(FMouseState & kMousePressed)) return;
      FMouseState &= ~kMousePressed;
      InvalidateSkin();
      Click();
      return;
    case ui::CM_MOUSEENTER:
      if (!FEnabled) return;
      FMouseState |= kMouseHot;
      InvalidateSkin();
      if (FForm) FForm->HotButton = this;
      return;
    case ui::CM_MOUSELEAVE:
      if (!FEnabled) return;
      FMouseState &= ~(kMouseHot | kMousePressed);
      InvalidateSkin();
      if (FForm && FForm->HotButton == this) FForm->HotButton = nullptr;
      return;
  }
  TSkinControl::AfterMessage(message);
}

void TSkinButton::Click() {
  if (auto* button = dynamic_cast<ui::TButton*>(FControl)) {
    button->Click();
  } else if (!FControl) {
    ::PostMessageW(::GetParent(FHandle), WM_COMMAND,
                   MAKEWPARAM(::GetDlgCtrlID(FHandle), BN_CLICKED),
                   reinterpret_cast<LPARAM>(FHandle));
  }
}

HDC TSkinButton::PrepareBuffer(HDC like, int width, int height) {
  if (!buffer_dc_) buffer_dc_ = win::MemoryDc(::CreateCompatibleDC(like));
  if (!FBuffer || buffer_size_.cx != width || buffer_size_.cy != height) {
    // The old picture leaves the DC before it goes.
    win::Bitmap fresh(::CreateCompatibleBitmap(like, std::max(width, 1), std::max(height, 1)));
    ::SelectObject(buffer_dc_.get(), fresh.get());
    FBuffer = std::move(fresh);
    buffer_size_ = {width, height};
  }
  return buffer_dc_.get();
}

void TSkinButton::DrawFace(const RECT& rect, int frame) {
  FillFace(buffer_dc_.get(), rect);
  DrawSkinElement(buffer_dc_.get(), rect, 5, frame, FSkinData->Buttons());
}

COLORREF TSkinButton::TextColour(int frame, bool only_when_given) const {
  const TDataSkinButton& buttons = FSkinData->Buttons();
  COLORREF colour = Rgb(FSkinData->Colours().ButtonText);
  if (frame == 1 && (!only_when_given || buttons.HasNormalColour2)) {
    colour = Rgb(buttons.NormalColour2);
  } else if (frame == 4 && (!only_when_given || buttons.HasMouseOverColour2)) {
    colour = Rgb(buttons.MouseOverColour2);
  } else if (frame == 2 && (!only_when_given || buttons.HasPressedColour2)) {
    colour = Rgb(buttons.PressedColour2);
  }
  return FEnabled ? colour : kDisabledGrey;
}

void TSkinButton::PaintSkin(HDC dc, const RECT& rect) {
  if (!FSkinData || FSkinData->Buttons().Image.empty()) return;
  const LONG style = ::GetWindowLongW(FHandle, GWL_STYLE);
  const bool is_default = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
  FFocused = ::GetFocus() == FHandle;
  FEnabled = !(style & WS_DISABLED);
  FText = TextOrCaption();
  const int frame = PushButtonFrame(FMouseState, is_default, FFocused, FEnabled);

  const RECT area{0, 0, rect.right - rect.left, rect.bottom - rect.top};
  HDC buffer = PrepareBuffer(dc, area.right, area.bottom);
  DrawFace(area, frame);
  const auto font = reinterpret_cast<HFONT>(::SendMessageW(FHandle, WM_GETFONT, 0, 0));
  win::SelectObjectScope select_font(buffer, font ? font : ::GetStockObject(DEFAULT_GUI_FONT));
  ::SetTextColor(buffer, TextColour(frame, false));
  ::SetBkMode(buffer, TRANSPARENT);
  DrawCentredCaption(buffer, area, FText);
  ::BitBlt(dc, rect.left, rect.top, area.right, area.bottom, buffer, 0, 0, SRCCOPY);
}

// ---------------------------------------------------------------------------------------
// Glyph button

namespace {

// A property the control may not publish, with the value glyph buttons have by default.
std::int64_t OrdOr(const TSkinControl& wrapper, std::string_view name, std::int64_t fallback) {
  const ui::TWinControl* control = wrapper.Control();
  return control && control->Class().Find(name) ? wrapper.GetOrdProperty(name) : fallback;
}

}  // namespace

void TSkinBitButton::PaintSkin(HDC dc, const RECT& rect) {
  if (!FSkinData || FSkinData->Buttons().Image.empty()) return;
  FFocused = ::GetFocus() == FHandle;
  FText = TextOrCaption();
  const LONG style = ::GetWindowLongW(FHandle, GWL_STYLE);
  FEnabled = !(style & WS_DISABLED);
  const bool is_default = EqualsTrue(GetEnumProperty("Default"));
  const int frame = BitButtonFrame(FMouseState, is_default, FFocused, FEnabled);

  const RECT area{0, 0, rect.right - rect.left, rect.bottom - rect.top};
  HDC buffer = PrepareBuffer(dc, area.right, area.bottom);
  HFONT font = FControl ? FControl->FontHandle()
                        : reinterpret_cast<HFONT>(::SendMessageW(FHandle, WM_GETFONT, 0, 0));
  win::SelectObjectScope select_font(buffer, font ? font : ::GetStockObject(DEFAULT_GUI_FONT));
  DrawFace(area, frame);

  // Our bitmap buttons draw their glyph by kind; a custom one has none.
  ui::TBitBtnKind glyph_kind = ui::TBitBtnKind::bkCustom;
  if (auto* bit_button = dynamic_cast<ui::TBitBtn*>(FControl)) glyph_kind = bit_button->Kind();
  const bool has_glyph = glyph_kind != ui::TBitBtnKind::bkCustom;
  const LayoutPoint glyph_size =
      has_glyph ? LayoutPoint{ui::TBitBtn::kGlyphSize, ui::TBitBtn::kGlyphSize} : LayoutPoint{};
  LayoutPoint text_size;
  if (!FText.empty()) {
    RECT measured{0, 0, area.right, area.bottom};
    ::DrawTextW(buffer, FText.c_str(), static_cast<int>(FText.size()), &measured, DT_CALCRECT);
    text_size = {measured.right - measured.left, measured.bottom - measured.top};
  }
  const BitButtonPlaces places = PlaceBitButton(
      {area.right, area.bottom}, glyph_size, text_size,
      static_cast<int>(OrdOr(*this, "Margin", -1)), static_cast<int>(OrdOr(*this, "Spacing", 4)),
      GlyphLayoutFromName(GetEnumProperty("Layout").c_str()));
  // Our glyphs are drawn by kind, one cell, greyed when the button is disabled.
  if (has_glyph) {
    ui::TBitBtn::DrawGlyph(buffer, glyph_kind, places.glyph.x, places.glyph.y, frame != 3);
  }
  ::SetTextColor(buffer, TextColour(frame, true));
  ::SetBkMode(buffer, TRANSPARENT);
  RECT text_rect{places.text.x, places.text.y, places.text.x + text_size.x,
                 places.text.y + text_size.y};
  const UINT align = places.text_align == BitButtonPlaces::Align::kLeft    ? DT_LEFT
                     : places.text_align == BitButtonPlaces::Align::kRight ? DT_RIGHT
                                                                           : DT_CENTER;
  DrawSkinText(buffer, FText, text_rect, align);
  ::BitBlt(dc, rect.left, rect.top, area.right, area.bottom, buffer, 0, 0, SRCCOPY);
}

// ---------------------------------------------------------------------------------------
// Check box and radio button

void TSkinCheckBox::AfterMessage(ui::TMessage& message) {
  switch (message.msg) {
    case BM_SETCHECK:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case ui::CM_EXIT:
    case kBoxStateNotification:
      InvalidateSkin();
      return;
  }
  TSkinControl::AfterMessage(message);
}

bool TSkinCheckBox::CheckedByProperty(bool window_says) const {
  const std::wstring checked = GetEnumProperty("Checked");
  return checked.empty() ? window_says : EqualsTrue(checked);
}

void TSkinCheckBox::StampBox(HDC dc, const RECT& rect, const PixelImage& strip, int frames,
                             int frame, bool radio) {
  const int cell_width = strip.width / frames;
  const LONG style = ::GetWindowLongW(FHandle, GWL_STYLE);
  const BoxPlaces places =
      PlaceBox(rect.left, rect.top, rect.right, rect.bottom, cell_width, strip.height,
               ::GetSystemMetrics(SM_CXMENUCHECK), (style & BS_LEFTTEXT) != 0, radio);
  FillFace(dc, RECT{places.face_left, rect.top, places.face_right, rect.bottom});
  const RECT glyph{places.glyph_left, places.glyph_top, places.glyph_left + cell_width,
                   places.glyph_top + strip.height};
  StampFrame(dc, glyph, strip, frames, frame);
}

void TSkinCheckBox::PaintSkin(HDC dc, const RECT& rect) {
  if (!FSkinData) return;
  const TDataSkinButton& buttons = FSkinData->Buttons();
  const int frames = buttons.CheckButtonFrame;
  if (buttons.CheckButton.empty() || frames <= 0) return;
  const LRESULT state = ::SendMessageW(FHandle, BM_GETSTATE, 0, 0);
  const bool checked = CheckedByProperty((state & BST_CHECKED) != 0);
  const bool disabled = (::GetWindowLongW(FHandle, GWL_STYLE) & WS_DISABLED) != 0;
  const int frame = CheckBoxFrame(checked, (state & BST_INDETERMINATE) != 0, disabled, frames);
  StampBox(dc, rect, buttons.CheckButton, frames, frame, false);
}

void TSkinRadioButton::PaintSkin(HDC dc, const RECT& rect) {
  if (!FSkinData) return;
  const TDataSkinButton& buttons = FSkinData->Buttons();
  const int frames = buttons.RadioButtonFrame;
  if (buttons.RadioButton.empty() || frames <= 0) return;
  const bool checked =
      CheckedByProperty((::SendMessageW(FHandle, BM_GETCHECK, 0, 0) & BST_CHECKED) != 0);
  const bool disabled = (::GetWindowLongW(FHandle, GWL_STYLE) & WS_DISABLED) != 0;
  StampBox(dc, rect, buttons.RadioButton, frames, RadioButtonFrame(checked, disabled, frames),
           true);
}

// ---------------------------------------------------------------------------------------
// Group box

void TSkinGroupBox::PaintSkin(HDC dc, const RECT& rect) {
  if (!FSkinData) return;
  FText = TextOrCaption();
  HFONT font = FControl ? FControl->FontHandle()
                        : reinterpret_cast<HFONT>(::SendMessageW(FHandle, WM_GETFONT, 0, 0));
  win::SelectObjectScope select_font(dc, font ? font : ::GetStockObject(DEFAULT_GUI_FONT));
  SIZE zero{};
  ::GetTextExtentPoint32W(dc, L"0", 1, &zero);
  const int y = zero.cy / 2 - 1;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  // Wipes the control's own etched frame.
  win::Brush face(::CreateSolidBrush(Rgb(FSkinData->FaceBrushColour())));
  RECT frame{0, y, width, height};
  ::FrameRect(dc, &frame, face.get());
  ::InflateRect(&frame, -1, -1);
  ::FrameRect(dc, &frame, face.get());
  win::GdiObject<HPEN> pen(::CreatePen(PS_SOLID, 1, Rgb(FSkinData->Colours().ButtonShadow)));
  {
    win::SelectObjectScope select_pen(dc, pen.get());
    win::SelectObjectScope select_brush(dc, ::GetStockObject(NULL_BRUSH));
    ::RoundRect(dc, 1, y, width - 1, height - 1, 5, 5);
  }
  // The caption's background covers the line under it.
  const COLORREF old_background = ::SetBkColor(dc, Rgb(FSkinData->Colours().ButtonFace));
  const int old_mode = ::SetBkMode(dc, OPAQUE);
  RECT text{rect.left + 9, rect.top, rect.right, rect.bottom};
  DrawSkinText(dc, FText, text, DT_EXPANDTABS);
  ::SetBkMode(dc, old_mode);
  ::SetBkColor(dc, old_background);
}

// ---------------------------------------------------------------------------------------
// Panel

void TSkinBox::AttachControl(TWinSkinForm* form, TSkinData& skin_data, bool change_color,
                             HDC canvas) {
  // Only the colour: the panel's messages stay its own.
  BindOwnerControl(form, skin_data, change_color, canvas);
}

void TSkinBox::Unskin() {
  TSkinControl::Unskin();
  FStatus = kStatusReleased;
}

}  // namespace telvana
