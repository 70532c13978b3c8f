// The skinned frame of a window: its borders painted from the skin, the window region cut by
// the borders' magenta pixels, the non-client size and hit test, and the window procedure
// that routes every message of the frame.
#include <windowsx.h>

#include <algorithm>
#include <optional>
#include <string>

#include "skin/skin_data.h"
#include "skin/skin_element.h"
#include "skin/skin_messages.h"
#include "skin/skin_paint_win.h"
#include "skin/skin_region_win.h"
#include "skin/win_skin_form.h"
#include "skin/win_skin_menu.h"
#include "ui/control.h"
#include "ui/forms.h"
#include "ui/menus.h"
#include "ui/std_controls.h"

namespace telvana {

namespace {

// Undocumented messages with which Windows' themed default procedure draws the caption (on
// a title change, for one): a skinned frame draws its own.
constexpr UINT kDrawCaptionMessage = 0x00AE;
constexpr UINT kDrawFrameMessage = 0x00AF;

// WM_SKINREPAINT's wParam when the region is to be built for the window's new size first.
constexpr WPARAM kRebuildRegion = 1;

bool IsMessageBoxClass(HWND window) {
  const std::wstring name = win::ClassNameOf(window);
  return name == L"#32770" || name == L"TMessageForm";
}

}  // namespace

void TWinSkinForm::ComputeBorders() {
  if (!SkinData || SkinData->SkinNotReady()) return;
  const FrameBorders borders = BordersOf(SkinData->Left(), SkinData->Top(), SkinData->Right(),
                                         SkinData->Bottom(), FrameKind);
  BorderLeft = borders.left, BorderTop = borders.top;
  BorderRight = borders.right, BorderBottom = borders.bottom;
  if (FrameKind == TFrameKind::None) MenuBarHeight = 0;
  DropCaptionButtons();
  for (const auto& record : SkinData->SysButtons()) {
    CaptionButtons.push_back(std::make_unique<TWinSysButton>(*this, *record));
  }
}

void TWinSkinForm::DropCaptionButtons() {
  TrackedObject = nullptr;
  CaptionButtons.clear();
}

void TWinSkinForm::SetCaptionStyles(bool on) {
  // A maximised MDI child shows the system's caption, merged into the frame's menu bar.
  if (!on && MdiKind == kMdiChild && MdiMaxMode()) return;
  const LONG before = ::GetWindowLongW(WindowHandle, GWL_STYLE);
  LONG style = before;
  if (on) {
    if (BorderIcons & kIconSystemMenu) style |= WS_SYSMENU;
    if (BorderIcons & kIconMinimize) style |= WS_MINIMIZEBOX;
    if (BorderIcons & kIconMaximize) style |= WS_MAXIMIZEBOX;
    if (BorderIcons & kIconCaptionRemoved) style |= WS_CAPTION;
  } else if (::GetWindow(WindowHandle, GW_OWNER) || MdiKind == kMdiChild) {
    style &= ~(WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  } else {
    BorderIcons |= kIconCaptionRemoved;
    style &= ~WS_CAPTION;
  }
  // Only a real change: a style written while the system minimises or maximises the window
  // (from WM_GETMINMAXINFO) would make it take the state back.
  if (style != before) ::SetWindowLongW(WindowHandle, GWL_STYLE, style);
}

int TWinSkinForm::CaptionTextWidth() const {
  const int length = ::GetWindowTextLengthW(WindowHandle);
  win::WindowDc dc(WindowHandle);
  win::SelectObjectScope selected(dc.get(), caption_font_.get());
  SIZE blank{};
  ::GetTextExtentPoint32W(dc.get(), L" ", 1, &blank);
  return (length + 7) * blank.cx;
}

void TWinSkinForm::FitWindow(bool refresh) {
  if (WindowState == kWindowMaximised) {
    ::SetWindowPos(WindowHandle, nullptr, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return;
  }
  // The client area keeps the size it had under the system frame (or, on a refresh, the
  // size it has now), whatever frame metrics the system used.
  int width = client_size_.cx + BorderLeft + BorderRight;
  if (refresh) {
    RECT client{};
    ::GetClientRect(WindowHandle, &client);
    client_size_ = {client.right, client.bottom};
  }
  const int height = client_size_.cy + BorderTop + BorderBottom + MenuBarHeight;
  if (!fitted_ && IsMessageBoxClass(WindowHandle) && SkinData) {
    const TDataSkinTitle& title = SkinData->Title();
    const int needed = CaptionTextWidth() + BorderLeft + BorderRight + title.LeftWidth +
                       title.RightWidth + title.TXTBackleft + title.TXTBackRight;
    if (width < needed) {
      const int shift = (needed - width) / 2;
      for (HWND child = ::GetWindow(WindowHandle, GW_CHILD); child;
           child = ::GetWindow(child, GW_HWNDNEXT)) {
        RECT r{};
        ::GetWindowRect(child, &r);
        ::MapWindowPoints(nullptr, WindowHandle, reinterpret_cast<POINT*>(&r), 2);
        ::SetWindowPos(
            child, nullptr, r.left + shift, r.top, 0, 0,
            SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSENDCHANGING | SWP_NOOWNERZORDER);
      }
      width = needed;
      client_size_.cx = needed - BorderLeft - BorderRight;
    }
  }
  fitted_ = true;
  ::SetWindowPos(WindowHandle, nullptr, 0, 0, width, height,
                 SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
}

void TWinSkinForm::BuildRegion() {
  if (State == kFormDead || !SkinData || SkinData->SkinNotReady()) return;
  RECT window{};
  ::GetWindowRect(WindowHandle, &window);
  const int w = window.right - window.left, h = window.bottom - window.top;
  if (w == 0 || h == 0) return;
  if (MdiKind == kMdiChild && WindowState != kWindowNormal) return;
  // A maximised window has no corners to cut: its region went before it was maximised.
  if (::IsZoomed(WindowHandle)) return;
  if (region_set_ && region_size_.cx == w && region_size_.cy == h && MdiKind != kMdiChild &&
      State != kFormRefreshing) {
    return;
  }
  const TDataSkinBorder &left = SkinData->Left(), &right = SkinData->Right();
  const TDataSkinBorder &top = SkinData->Top(), &bottom = SkinData->Bottom();
  win::Region region;
  if (left.Trans == 0 && right.Trans == 0 && top.Trans == 0 && bottom.Trans == 0) {
    region.reset(::CreateRectRgn(0, 0, w, h));
  } else {
    region.reset(::CreateRectRgn(BorderLeft, BorderTop, w - BorderRight, h - BorderBottom));
    auto add = [&](win::Region part) {
      ::CombineRgn(region.get(), region.get(), part.get(), RGN_OR);
    };
    if (FrameKind != TFrameKind::None) {
      if (left.Trans == 1 && h > 1) {
        add(BitmapToRegion(BorderPixels(left, false, BorderLeft, h), 0, 0));
      } else {
        add(win::Region(::CreateRectRgn(0, 0, BorderLeft, h)));
      }
      if (right.Trans == 1 && h > 1) {
        add(BitmapToRegion(BorderPixels(right, false, BorderRight, h), w - BorderRight, 0));
      } else {
        add(win::Region(::CreateRectRgn(w - BorderRight, 0, w, h)));
      }
      const int middle = w - BorderLeft - BorderRight;
      if (bottom.Trans == 1 && BorderBottom >= 2) {
        add(BitmapToRegion(BorderPixels(bottom, true, middle, BorderBottom), BorderLeft,
                           h - BorderBottom));
      } else {
        add(win::Region(::CreateRectRgn(BorderLeft, h - BorderBottom, w - BorderRight, h)));
      }
      if (top.Trans == 1 && BorderTop > 1 && middle > 0) {
        // The caption as painted, so that its buttons and text shape the region too.
        PixelImage band = CaptionPixels();
        if (band.width != w || band.height != BorderTop) {
          band = BorderPixels(top, true, middle, BorderTop);
          add(BitmapToRegion(band, BorderLeft, 0));
        } else {
          add(BitmapToRegion(CropImage(band, {BorderLeft, 0, w - BorderRight, BorderTop}),
                             BorderLeft, 0));
        }
      } else {
        add(win::Region(::CreateRectRgn(BorderLeft, 0, w - BorderRight, BorderTop)));
      }
    }
  }
  // The system owns a region once it is set, and frees the one it replaces.
  if (::SetWindowRgn(WindowHandle, region.get(), TRUE)) {
    region.release();
    region_set_ = true;
    region_size_ = {w, h};
  }
}

void TWinSkinForm::DropRegion() {
  if (!region_set_) return;
  ::SetWindowRgn(WindowHandle, nullptr, TRUE);
  region_set_ = false;
}

int TWinSkinForm::BorderImage(const TDataSkinBorder& border) const {
  return WindowActive || border.FrameCount <= 1 ? 1 : 2;
}

PixelImage TWinSkinForm::BorderPixels(const TDataSkinBorder& border, bool stacked, int width,
                                      int height) const {
  return BuildSkinElement(width, height, border.Image, MarginsOf(border), stacked, border.Tile != 1,
                          std::max(border.FrameCount, 1), BorderImage(border));
}

void TWinSkinForm::PaintBorder(HDC dc, int element, const RECT& rect) {
  if (IsInverted(rect) || !SkinData) return;
  const TDataSkinBorder& border = element == 1   ? SkinData->Left()
                                  : element == 2 ? SkinData->Right()
                                  : element == 3 ? SkinData->Top()
                                                 : SkinData->Bottom();
  DrawSkinElement(dc, rect, border.Image, element >= 3, border.Tile != 1, false,
                  std::max(border.FrameCount, 1), BorderImage(border), MarginsOf(border));
}

void TWinSkinForm::PaintFrame(HDC dc) {
  if (State != kFormReady && State != kFormRefreshing) return;
  if (FrameKind == TFrameKind::None) return;
  if (MdiKind == kMdiChild && WindowState != kWindowNormal) return;
  try {
    std::optional<win::WindowDc> own;
    if (!dc) dc = own.emplace(WindowHandle, true).get();
    RECT window{};
    ::GetWindowRect(WindowHandle, &window);
    const int w = window.right - window.left, h = window.bottom - window.top;
    PaintBorder(dc, 1, {0, 0, BorderLeft, h});
    PaintBorder(dc, 2, {w - BorderRight, 0, w, h});
    PaintBorder(dc, 4, {BorderLeft, h - BorderBottom, w - BorderRight, h});
    PaintCaption(dc);
    if (menu_bar_ && MenuBarHeight > 0) {
      menu_bar_->PaintBar(dc, {BorderLeft, BorderTop, w - BorderRight, BorderTop + MenuBarHeight});
      if (MdiKind == kMdiFrame && ActiveMdiChildMaximised()) SetMdiMax(true);
    }
    TrackedObject = nullptr;
  } catch (...) {
    // A frame that could not be painted now is painted afresh at the next paint.
  }
}

void TWinSkinForm::ReadWindowState() {
  WINDOWPLACEMENT placement{sizeof(placement)};
  if (!::GetWindowPlacement(WindowHandle, &placement)) return;
  switch (placement.showCmd) {
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
      WindowState = kWindowMinimised;
      break;
    case SW_SHOWMAXIMIZED:
      WindowState = kWindowMaximised;
      break;
    default:
      WindowState = ::IsIconic(WindowHandle)   ? kWindowMinimised
                    : ::IsZoomed(WindowHandle) ? kWindowMaximised
                                               : kWindowNormal;
  }
}

void TWinSkinForm::ReadIcon() {
  auto icon = reinterpret_cast<HICON>(::SendMessageW(WindowHandle, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(::SendMessageW(WindowHandle, WM_GETICON, ICON_BIG, 0));
  if (!icon) icon = reinterpret_cast<HICON>(::GetClassLongPtrW(WindowHandle, GCLP_HICONSM));
  if (!icon) icon = reinterpret_cast<HICON>(::GetClassLongPtrW(WindowHandle, GCLP_HICON));
  IconImage = {};
  if (!icon) return;
  const int w = ::GetSystemMetrics(SM_CXSMICON), h = ::GetSystemMetrics(SM_CYSMICON);
  PixelImage image = BlankImage(w, h);
  std::fill(image.pixels.begin(), image.pixels.end(), kKeyColour);
  win::Bitmap bitmap = CreateDibBitmap(image);
  win::MemoryDc dc(::CreateCompatibleDC(nullptr));
  {
    win::SelectObjectScope selected(dc.get(), bitmap.get());
    ::DrawIconEx(dc.get(), 0, 0, icon, w, h, 0, nullptr, DI_NORMAL);
  }
  BITMAPINFO info = win::TopDownBitmapInfo(w, h);
  if (::GetDIBits(dc.get(), bitmap.get(), 0, static_cast<UINT>(h), image.pixels.data(), &info,
                  DIB_RGB_COLORS) == h) {
    for (auto& pixel : image.pixels) pixel |= 0xFF000000u;
    IconImage = std::move(image);
  }
}

void TWinSkinForm::SizeChanged(WPARAM wparam) {
  const std::int32_t previous_state = WindowState;
  WindowState = wparam == SIZE_MINIMIZED   ? kWindowMinimised
                : wparam == SIZE_MAXIMIZED ? kWindowMaximised
                                           : kWindowNormal;
  if (WindowState == kWindowMinimised) return;
  if (MdiKind == kMdiChild && WindowState != kWindowNormal) return;
  // The size the region was cut for, in the same state (the first showing of a window sends
  // its size once more): the frame painted with the window is still right.
  RECT window{};
  ::GetWindowRect(WindowHandle, &window);
  if (WindowState == previous_state && region_set_ && MdiKind != kMdiChild && State == kFormReady &&
      region_size_.cx == window.right - window.left &&
      region_size_.cy == window.bottom - window.top) {
    return;
  }
  // Not from inside the move: setting a region moves the window again, and under Wine that
  // nested move undoes a maximising in progress.
  if (State == kFormReady || State == kFormRefreshing) {
    ::PostMessageW(WindowHandle, WM_SKINREPAINT, kRebuildRegion, 0);
  }
}

LRESULT TWinSkinForm::NcCalcSize(WPARAM wparam, LPARAM lparam) {
  const FrameBorders borders{BorderLeft, BorderTop, BorderRight, BorderBottom};
  if (!wparam) {
    // The client rectangle of a window rectangle: the same rule as for a move.
    auto& rect = *reinterpret_cast<RECT*>(lparam);
    const RasterRect window = AsRaster(rect);
    subclass_.CallNext(WM_NCCALCSIZE, wparam, lparam);
    if (FrameKind == TFrameKind::None) return 0;
    const RasterRect client = ClientRectOf(window, borders, MenuBarHeight);
    rect = AsRect(client);
    return 0;
  }
  auto& params = *reinterpret_cast<NCCALCSIZE_PARAMS*>(lparam);
  const RECT proposed = params.rgrc[0];
  subclass_.CallNext(WM_NCCALCSIZE, wparam, lparam);
  if ((MdiKind == kMdiChild && WindowState != kWindowNormal) || FrameKind == TFrameKind::None) {
    params.rgrc[1] = params.rgrc[0];
    return WVR_VALIDRECTS;
  }
  const RasterRect client = ClientRectOf(AsRaster(proposed), borders, MenuBarHeight);
  params.rgrc[0] = {client.left, client.top, std::max(client.left, client.right),
                    std::max(client.top, client.bottom)};
  params.rgrc[1] = params.rgrc[0];
  return WVR_VALIDRECTS;
}

LRESULT TWinSkinForm::SystemCommand(UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_COMMAND) {
    switch (wparam) {
      case SC_SIZE:
      case SC_MOVE:
      case SC_MINIMIZE:
      case SC_MAXIMIZE:
      case SC_NEXTWINDOW:
      case SC_PREVWINDOW:
      case SC_CLOSE:
      case SC_RESTORE:
        // Chosen from the system menu shown by TrackPopupMenu.
        ::PostMessageW(WindowHandle, WM_SYSCOMMAND, wparam, 0);
        return 0;
      default:
        return subclass_.CallNext(msg, wparam, lparam);
    }
  }
  const UINT command = static_cast<UINT>(wparam & 0xFFF0);
  if (!MenuTrackingActive() && !::GetCapture() && command == SC_KEYMENU && lparam != L' ' &&
      lparam != L'-') {
    // Alt alone opens the first menu of the bar; Alt with a letter the menu it names. The
    // system's own menu bar is gone, so the system must not look for one.
    if (lparam == 0) {
      if (menu_bar_ && !menu_bar_->Buttons().empty()) menu_bar_->OpenDropDown(0);
      return 0;
    }
    if (menu_bar_) {
      if (TMenuBtn* button = menu_bar_->ButtonForKey(static_cast<wchar_t>(lparam))) {
        menu_bar_->OpenDropDown(button->Index);
        return 0;
      }
    }
  }
  if (command == SC_MINIMIZE) WindowState = kWindowMinimised;
  if (command == SC_MAXIMIZE && MdiKind != kMdiChild) {
    // Under Wine, setting or dropping a region on a window being maximised undoes the
    // maximising; the region goes first.
    DropRegion();
  }
  if (command == SC_MAXIMIZE) WindowState = kWindowMaximised;
  if (command == SC_RESTORE) WindowState = kWindowNormal;
  if (MdiKind == kMdiChild && (command == SC_MINIMIZE || command == SC_MAXIMIZE)) {
    SetCaptionStyles(true);
  } else if (MdiKind == kMdiChild && command == SC_RESTORE) {
    SetCaptionStyles(false);
  }
  return subclass_.CallNext(msg, wparam, lparam);
}

LRESULT TWinSkinForm::SkinWndProc(UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_SKINQUERY:
      return 1;
    case WM_ERASEBKGND:
      if (!form_) {
        subclass_.CallNext(msg, wparam, lparam);
        RECT client{};
        ::GetClientRect(WindowHandle, &client);
        win::Brush face(::CreateSolidBrush(ui::ColorToRGB(SkinData->FaceBrushColour())));
        ::FillRect(reinterpret_cast<HDC>(wparam), &client, face.get());
        return 1;
      }
      break;
    case WM_STYLECHANGED:
      if (wparam == static_cast<WPARAM>(GWL_STYLE)) {
        saved_style_ = reinterpret_cast<const STYLESTRUCT*>(lparam)->styleNew;
      }
      break;
    case WM_NCDESTROY: {
      State = kFormDestroying;
      DetachOnDestroy();
      const LRESULT result = subclass_.CallNext(msg, wparam, lparam);
      State = kFormDead;
      return result;
    }
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC: {
      const LRESULT result = subclass_.CallNext(msg, wparam, lparam);
      if (form_) return result;
      ::SetBkMode(reinterpret_cast<HDC>(wparam), TRANSPARENT);
      if (msg == WM_CTLCOLORBTN) return result;
      ::SetDCBrushColor(reinterpret_cast<HDC>(wparam), ui::ColorToRGB(SkinData->FaceBrushColour()));
      return reinterpret_cast<LRESULT>(::GetStockObject(DC_BRUSH));
    }
    case WM_SKININIT:
      if (!FrameSkinned && State == kFormCreated) State = kFormReady;
      break;
    default:
      break;
  }
  if (!FrameSkinned) return subclass_.CallNext(msg, wparam, lparam);
  return FrameMessage(msg, wparam, lparam);
}

LRESULT TWinSkinForm::FrameMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
  if ((::GetWindowLongW(WindowHandle, GWL_STYLE) & WS_CHILD) && MdiKind != kMdiChild) {
    return subclass_.CallNext(msg, wparam, lparam);
  }
  switch (msg) {
    case WM_SIZE: {
      const LRESULT result = subclass_.CallNext(msg, wparam, lparam);
      SizeChanged(wparam);
      return result;
    }
    case WM_ACTIVATE:
      WindowActive = LOWORD(wparam) != WA_INACTIVE;
      break;
    case WM_GETMINMAXINFO: {
      const LRESULT result = subclass_.CallNext(msg, wparam, lparam);
      ReadWindowState();
      if (State != kFormCreated) {
        if (MdiKind == kMdiChild && WindowState == kWindowNormal && MdiMaxMode()) {
          SetMdiMax(false);
        }
        // The system's caption styles while minimised (and for a maximised MDI child).
        SetCaptionStyles(WindowState == kWindowMinimised ||
                         (MdiKind == kMdiChild && WindowState == kWindowMaximised));
      }
      if (FrameKind == TFrameKind::Sizeable) {
        auto& info = *reinterpret_cast<MINMAXINFO*>(lparam);
        info.ptMaxTrackSize = {::GetSystemMetrics(SM_CXMAXIMIZED),
                               ::GetSystemMetrics(SM_CYMAXIMIZED)};
      }
      return result;
    }
    case WM_WINDOWPOSCHANGED:
      ReadWindowState();
      return subclass_.CallNext(msg, wparam, lparam);
    case WM_COMMAND:
    case WM_SYSCOMMAND:
      return SystemCommand(msg, wparam, lparam);
    case WM_MENUSELECT:
      if (menu_bar_) MenuSelected(*menu_bar_, wparam, lparam);
      break;
    case WM_SKININIT:
      if (State == kFormCreated) {
        if (MdiKind == kMdiChild && MdiMaxMode()) {
          SetCaptionStyles(true);
          ::SetWindowPos(
              WindowHandle, nullptr, 0, 0, 0, 0,
              SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        } else if (WindowState != kWindowMinimised && FrameKind != TFrameKind::None) {
          State = kFormResizing;
          FitWindow(false);
          State = kFormReady;
          BuildRegion();
        }
        State = kFormReady;
        if (HoverTimer) HoverTimer->SetEnabled(WindowActive);
        // A window not shown yet paints its frame when it is shown.
        if (::IsWindowVisible(WindowHandle)) PaintFrame(nullptr);
      }
      return 0;
    case ui::CM_MENUCHANGED: {
      // No frame painting while the form's menu changes hands; then the bar takes it.
      const bool painting = SkinData->FramePaintEnabled;
      SkinData->FramePaintEnabled = false;
      const LRESULT result = subclass_.CallNext(msg, wparam, lparam);
      SkinData->FramePaintEnabled = painting;
      if (menu_bar_ && SkinData->MenuUpdate && form_ && form_->Menu()) {
        menu_bar_->BuildFromHandle(form_->Menu()->Handle());
        PaintFrame(nullptr);
      }
      return result;
    }
    case WM_SETTEXT: {
      // The system would draw its own caption with the new text.
      const LRESULT result = subclass_.CallNext(msg, wparam, lparam);
      PaintFrame(nullptr);
      return result;
    }
    default:
      break;
  }
  if ((MdiKind == kMdiChild && WindowState != kWindowNormal) || WindowState == kWindowMinimised ||
      State == kFormCreated) {
    if (msg == WM_NCACTIVATE) WindowActive = wparam != FALSE;
    return subclass_.CallNext(msg, wparam, lparam);
  }
  switch (msg) {
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
      if (wparam == 0 && MenuItemMessage(msg, lparam)) return TRUE;
      break;
    case WM_NCCALCSIZE:
      return NcCalcSize(wparam, lparam);
    case WM_NCHITTEST: {
      const LRESULT answer = subclass_.CallNext(msg, wparam, lparam);
      const POINT at = ToWindowPoint({GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
      return CaptionHitTest(static_cast<int>(answer), at.y, BorderTop);
    }
    case WM_NCPAINT:
      if (SkinData && SkinData->FramePaintEnabled) PaintFrame(nullptr);
      return 0;
    case kDrawCaptionMessage:
    case kDrawFrameMessage:
      return 0;
    case WM_NCACTIVATE:
      WindowActive = wparam != FALSE;
      if (HoverTimer) HoverTimer->SetEnabled(WindowActive);
      if (!WindowActive && HotButton) {
        SendMouseLeave();
        HotButton = nullptr;
      }
      PaintFrame(nullptr);
      return TRUE;
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
      return NcMouse(msg, wparam, lparam);
    case WM_SKINREPAINT:
      if (wparam == kRebuildRegion) BuildRegion();
      PaintFrame(nullptr);
      return 0;
    default:
      break;
  }
  return subclass_.CallNext(msg, wparam, lparam);
}

}  // namespace telvana
