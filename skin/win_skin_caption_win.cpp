// The caption band of a skinned window: the title, the caption buttons and what they do,
// the mouse over the non-client area, and the system menu.
#include <windowsx.h>

#include <algorithm>
#include <string>

#include "skin/skin_control_win.h"
#include "skin/skin_data.h"
#include "skin/skin_element.h"
#include "skin/skin_messages.h"
#include "skin/skin_paint_win.h"
#include "skin/win_skin_form.h"
#include "skin/win_skin_menu.h"
#include "ui/std_controls.h"

namespace telvana {

namespace {

constexpr int kSystemPopupTag = 33333;
constexpr int kTagRestore = 0, kTagMaximize = 1, kTagMinimize = 2, kTagClose = 3;

// Runs `command` with the system's minimise and maximise animation off, and puts the user's
// setting back right after: the skinned frame changes size without the animation of the
// system frame, and the user's setting is left as it was.
template <class F>
void WithoutWindowAnimation(F command) {
  ANIMATIONINFO info{sizeof(info), 0};
  const bool animated =
      ::SystemParametersInfoW(SPI_GETANIMATION, sizeof(info), &info, 0) && info.iMinAnimate != 0;
  if (animated) {
    info.iMinAnimate = 0;
    ::SystemParametersInfoW(SPI_SETANIMATION, sizeof(info), &info, 0);
  }
  command();
  if (animated) {
    info.iMinAnimate = 1;
    ::SystemParametersInfoW(SPI_SETANIMATION, sizeof(info), &info, 0);
  }
}

// Copies `piece` into `band` with its top-left corner at x, cut at the band's edges.
void CopyInto(PixelImage& band, int x, const PixelImage& piece) {
  StretchPiece(band, {x, 0, x + piece.width, piece.height}, piece,
               {0, 0, piece.width, piece.height});
}

std::wstring WindowText(HWND window) {
  std::wstring text(1001, L'\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextW(window, text.data(), 1001)));
  return text;
}

}  // namespace

// TNCObject

void TNCObject::MouseDown() {
  if (owner_.TrackedObject && owner_.TrackedObject != this) owner_.TrackedObject->MouseLeave();
  if (!Visible) return;
  owner_.TrackedObject = this;
  State = kPressed;
  Repaint();
}

void TNCObject::MouseUp() {
  if (!Visible) return;
  State = kHot;
  Repaint();
}

void TNCObject::MouseEnter() {
  if (owner_.TrackedObject == this) return;
  if (owner_.TrackedObject) owner_.TrackedObject->MouseLeave();
  if (!Visible) return;
  owner_.TrackedObject = this;
  State = kHot;
  Repaint();
}

void TNCObject::MouseLeave() {
  if (!Visible) return;
  if (owner_.TrackedObject == this) owner_.TrackedObject = nullptr;
  State = kNormal;
  Repaint();
}

void TNCObject::Repaint() {
  if (!::IsWindow(owner_.WindowHandle)) return;
  win::WindowDc dc(owner_.WindowHandle, true);
  Paint(dc.get());
}

// TWinSysButton

TWinSysButton::TWinSysButton(TWinSkinForm& owner, const TDataSkinSysButton& data)
    : TNCObject(owner), Data(data) {}

bool TWinSysButton::ShowsIcon() const {
  return Data.Action == 3 || Data.Action == 11;
}

const PixelImage& TWinSysButton::Picture() const {
  return ShowsIcon() && Data.Image.empty() ? owner_.IconImage : Data.Image;
}

int TWinSysButton::Frames() const {
  return ShowsIcon() && Data.Image.empty() ? 1 : std::max(Data.FrameCount, 1);
}

CaptionButtonInput TWinSysButton::LayoutInput() const {
  const PixelImage& picture = Picture();
  if (picture.empty()) return {&Data, 0, 0};
  return {&Data, picture.width / Frames(), picture.height};
}

void TWinSysButton::DrawImage(HDC dc, int image) {
  if (ShowsIcon()) {
    const PixelImage& icon = owner_.IconImage;
    if (!icon.empty()) {
      TransparentBlit(dc, {Rect.left, Rect.top, Rect.left + icon.width, Rect.top + icon.height},
                      icon);
    }
    return;
  }
  StampFrame(dc, Rect, Data.Image, Frames(), image);
}

void TWinSysButton::PaintInCaption(HDC dc) {
  DrawImage(dc, owner_.WindowActive || Frames() < 4 ? 1 : 4);
}

void TWinSysButton::Paint(HDC dc) {
  if (!Visible) return;
  // What lies under the button first, so that its transparent pixels show the caption.
  const PixelImage& band = owner_.CaptionBackground;
  if (!band.empty() && Data.Visibility != 100) {
    PutPixels(dc, Rect.left, Rect.top,
              CropImage(band, {Rect.left, Rect.top, Rect.right, Rect.bottom}));
  }
  const int image = State == kHot && Data.Visibility == 100 ? 4 : State;
  DrawImage(dc, std::min(image, Frames()));
}

// The caption band

CaptionFacts TWinSkinForm::Facts() const {
  RECT window{};
  ::GetWindowRect(WindowHandle, &window);
  CaptionFacts facts;
  facts.window_width = window.right - window.left;
  facts.borders = {BorderLeft, BorderTop, BorderRight, BorderBottom};
  facts.menu_bar_height = MenuBarHeight;
  if (SkinData) {
    const TDataSkinObject* bar = SkinData->PictureAs(SkinSlot::kMenuBar);
    if (bar) facts.menu_bar_left_width = bar->LeftWidth;
  }
  facts.active = WindowActive;
  facts.maximised = WindowState == kWindowMaximised;
  facts.system_menu = (BorderIcons & kIconSystemMenu) != 0;
  facts.maximise_box = (BorderIcons & kIconMaximize) != 0;
  facts.minimise_box = (BorderIcons & kIconMinimize) != 0;
  facts.right_to_left = RightToLeft;
  facts.title_text = title_text_;
  return facts;
}

void TWinSkinForm::LayoutCaptionButtons() {
  std::vector<CaptionButtonInput> inputs;
  inputs.reserve(CaptionButtons.size());
  for (const auto& button : CaptionButtons) inputs.push_back(button->LayoutInput());
  const std::vector<CaptionButtonPlace> places =
      telvana::LayoutCaptionButtons(inputs, Facts(), right_buttons_edge_);
  for (std::size_t i = 0; i < places.size(); ++i) {
    TWinSysButton& button = *CaptionButtons[i];
    button.Visible = places[i].visible;
    button.Rect = AsRect(places[i].rect);
  }
}

void TWinSkinForm::PaintTitle(HDC dc, const RECT& title) {
  const std::wstring text = WindowText(WindowHandle);
  win::SelectObjectScope font(dc, caption_font_.get());
  ::SetBkMode(dc, TRANSPARENT);
  const SkinColours& colours = SkinData->Colours();
  ::SetTextColor(
      dc, ui::ColorToRGB(WindowActive ? colours.TitleTextActive : colours.TitleTextNoActive));
  const std::wstring measured = text + L"   ";
  RECT extent{};
  ::DrawTextW(dc, measured.c_str(), static_cast<int>(measured.size()), &extent,
              DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  const TDataSkinTitle& record = SkinData->Title();
  title_text_ = PlaceTitle(AsRaster(title), extent.right, extent.bottom, record, RightToLeft,
                           (saved_style_ & WS_POPUP) != 0, right_buttons_edge_)
                    .text;
  if (!record.Image.empty()) {
    DrawSkinStrip(dc, {title_text_.left, title.top, title_text_.right, title.bottom}, record.Image,
                  true, true, 2, WindowActive ? 1 : 2,
                  {record.TXTBackleft, 0, record.TXTBackRight, 0});
  }
  RECT area{title_text_.left + record.TXTBackleft, title_text_.top,
            title_text_.right - record.TXTBackRight, title_text_.bottom};
  const std::wstring shown = L"  " + text;
  ::DrawTextW(
      dc, shown.c_str(), static_cast<int>(shown.size()), &area,
      DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX | (RightToLeft ? DT_RIGHT : 0));
}

PixelImage TWinSkinForm::CaptionPixels() const {
  DIBSECTION section{};
  if (!CaptionImage || ::GetObjectW(CaptionImage.get(), sizeof(section), &section) == 0 ||
      !section.dsBm.bmBits) {
    return {};
  }
  ::GdiFlush();
  PixelImage image = BlankImage(section.dsBm.bmWidth, std::abs(section.dsBm.bmHeight));
  const auto* bits = static_cast<const std::uint32_t*>(section.dsBm.bmBits);
  std::copy(bits, bits + image.pixels.size(), image.pixels.begin());
  return image;
}

void TWinSkinForm::PaintCaption(HDC dc) {
  RECT window{};
  ::GetWindowRect(WindowHandle, &window);
  const int w = window.right - window.left, h = window.bottom - window.top;
  if (BorderTop <= 0 || w <= 0) return;
  // The band off screen: the top of the side borders (which run the full height), the top
  // border between them, the title, then the buttons.
  PixelImage band = BlankImage(w, BorderTop);
  CopyInto(band, 0, BorderPixels(SkinData->Left(), false, BorderLeft, h));
  CopyInto(band, w - BorderRight, BorderPixels(SkinData->Right(), false, BorderRight, h));
  CopyInto(band, BorderLeft,
           BorderPixels(SkinData->Top(), true, w - BorderLeft - BorderRight, BorderTop));
  CaptionImage = CreateDibBitmap(band);
  win::MemoryDc memory(::CreateCompatibleDC(dc));
  win::SelectObjectScope selected(memory.get(), CaptionImage.get());
  PaintTitle(memory.get(), {BorderLeft, 0, w - BorderRight, BorderTop});
  CaptionBackground = CaptionPixels();
  LayoutCaptionButtons();
  for (const auto& button : CaptionButtons) {
    if (button->Visible && button->Data.Visibility != 100) {
      button->PaintInCaption(memory.get());
      button->State = TNCObject::kNormal;
    }
  }
  ::BitBlt(dc, 0, 0, w, BorderTop, memory.get(), 0, 0, SRCCOPY);
}

// The mouse over the non-client area

POINT TWinSkinForm::ToWindowPoint(POINT screen) const {
  POINT at = screen;
  ::ScreenToClient(WindowHandle, &at);
  if (WindowState != kWindowMinimised) {
    at.x += BorderLeft;
    at.y += BorderTop + MenuBarHeight;
  }
  return at;
}

TNCObject* TWinSkinForm::ButtonAt(POINT window_point) {
  for (const auto& button : CaptionButtons) {
    if (button->Visible && button->Data.Action >= 0 && ::PtInRect(&button->Rect, window_point)) {
      return button.get();
    }
  }
  return menu_bar_ ? menu_bar_->ButtonAt(window_point) : nullptr;
}

bool TWinSkinForm::MenuTrackingActive() const {
  return menu_bar_ && menu_bar_->Tracking();
}

LRESULT TWinSkinForm::NcMouse(UINT msg, WPARAM wparam, LPARAM lparam) {
  const POINT screen{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
  TNCObject* object = ButtonAt(ToWindowPoint(screen));
  switch (msg) {
    case WM_NCMOUSEMOVE:
      if (!WindowActive) return 0;
      if (object) {
        object->MouseEnter();
        return 0;
      }
      if (TrackedObject) TrackedObject->MouseLeave();
      break;
    case WM_NCLBUTTONDOWN:
      if (object) {
        if (!WindowActive) ::SetForegroundWindow(WindowHandle);
        object->MouseDown();
        return 0;
      }
      // A maximised window is not dragged by its caption.
      if (WindowState == kWindowMaximised && WindowActive && wparam == HTCAPTION) wparam = HTMENU;
      break;
    case WM_NCLBUTTONUP:
      if (object) {
        auto* button = dynamic_cast<TWinSysButton*>(object);
        if (button && button == TrackedObject) {
          button->MouseUp();
          ExecuteButtonAction(button->Data.Action, screen);
        }
        return 0;
      }
      break;
    case WM_NCLBUTTONDBLCLK:
      if (WindowState != kWindowNormal) {
        RestoreWindow();
      } else if (BorderIcons & kIconMaximize) {
        ToggleMaximize();
      }
      return 0;
    case WM_NCRBUTTONDOWN:
      if (wparam == HTCAPTION && MdiKind != kMdiChild) {
        ShowSystemMenu(screen);
        return 0;
      }
      break;
    default:
      break;
  }
  return subclass_.CallNext(msg, wparam, lparam);
}

void TWinSkinForm::HoverTick() {
  if (MenuTrackingActive()) return;
  POINT cursor{};
  ::GetCursorPos(&cursor);
  const POINT at = ToWindowPoint(cursor);
  if (TrackedObject && !::PtInRect(&TrackedObject->Rect, at)) TrackedObject->MouseLeave();
  if (!form_ && HotButton && HotButton->Handle()) {
    RECT button{};
    ::GetWindowRect(HotButton->Handle(), &button);
    if (!::PtInRect(&button, cursor)) {
      SendMouseLeave();
      HotButton = nullptr;
    }
  }
}

// What the buttons do

void TWinSkinForm::ExecuteButtonAction(std::int32_t action, POINT cursor) {
  auto mdi_command = [&](UINT command) {
    if (MdiKind != kMdiFrame) return;
    HWND client = ::FindWindowExW(WindowHandle, nullptr, L"MDIClient", nullptr);
    auto child = reinterpret_cast<HWND>(::SendMessageW(client, WM_MDIGETACTIVE, 0, 0));
    if (child) WithoutWindowAnimation([&] { ::SendMessageW(child, WM_SYSCOMMAND, command, 0); });
    if (MdiMaxMode() && !ActiveMdiChildMaximised()) SetMdiMax(false);
  };
  switch (action) {
    case 0:
      if (HoverTimer) HoverTimer->SetEnabled(false);
      ::PostMessageW(WindowHandle, WM_CLOSE, 0, 0);
      break;
    case 1:
    case 22:
      ToggleMaximize();
      break;
    case 2:
    case 23:
      ToggleMinimize();
      break;
    case 3:
    case 11:
    case 12:
      ShowSystemMenu({cursor.x + 1, cursor.y + 1});
      break;
    case 7:
    case 60:
      mdi_command(SC_MINIMIZE);
      break;
    case 8:
    case 61:
      mdi_command(SC_RESTORE);
      break;
    case 9:
    case 62:
      mdi_command(SC_CLOSE);
      break;
    default:
      ::PostMessageW(WindowHandle, WM_SKINBUTTON, static_cast<WPARAM>(action), 0);
  }
}

void TWinSkinForm::ToggleMaximize() {
  if (WindowState == kWindowMaximised) {
    RestoreWindow();
    return;
  }
  WindowState = kWindowMaximised;
  TrackedObject = nullptr;
  WithoutWindowAnimation([&] { ::SendMessageW(WindowHandle, WM_SYSCOMMAND, SC_MAXIMIZE, 0); });
}

void TWinSkinForm::ToggleMinimize() {
  if (WindowState == kWindowMinimised) {
    RestoreWindow();
    return;
  }
  WindowState = kWindowMinimised;
  WithoutWindowAnimation([&] { ::SendMessageW(WindowHandle, WM_SYSCOMMAND, SC_MINIMIZE, 0); });
}

void TWinSkinForm::RestoreWindow() {
  WindowState = kWindowNormal;
  ::PostMessageW(WindowHandle, WM_SYSCOMMAND, SC_RESTORE, 0);
}

// The system menu

void TWinSkinForm::BuildSystemPopup() {
  SystemPopup.reset(::CreatePopupMenu());
  system_items_.clear();
  system_items_.push_back({L" Restore ", L"", kTagRestore});
  if (BorderIcons & kIconMaximize) system_items_.push_back({L" Maximize ", L"", kTagMaximize});
  if (BorderIcons & kIconMinimize) system_items_.push_back({L" Minimize ", L"", kTagMinimize});
  system_items_.push_back({L"-", L"", kSystemSeparatorTag});
  system_items_.push_back({L" Close ", L"Shift+F4", kTagClose});
  MENUINFO info{sizeof(info)};
  info.fMask = MIM_MENUDATA;
  info.dwMenuData = kSystemPopupTag;
  ::SetMenuInfo(SystemPopup.get(), &info);
  for (const SystemPopupEntry& entry : system_items_) {
    const UINT flags = MF_OWNERDRAW | (entry.tag == kSystemSeparatorTag ? MF_SEPARATOR : 0);
    ::AppendMenuW(SystemPopup.get(), flags, static_cast<UINT_PTR>(entry.tag + 1),
                  reinterpret_cast<LPCWSTR>(&entry));
  }
}

void TWinSkinForm::ShowSystemMenu(POINT at) {
  auto enable = [&](int tag, bool on) {
    ::EnableMenuItem(SystemPopup.get(), static_cast<UINT>(tag + 1),
                     MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
  };
  if (SystemPopup) {
    enable(kTagRestore, WindowState != kWindowNormal);
    enable(kTagMaximize, WindowState != kWindowMaximised);
    enable(kTagMinimize, WindowState != kWindowMinimised);
  }
  const DWORD now = ::GetTickCount();
  if (now - last_system_menu_click_ > double_click_time_ ||
      static_cast<int>(double_click_time_) < 0) {
    last_system_menu_click_ = now;
    const bool own_menu =
        SkinData && (SkinData->SkinControls & SkinControlBit(TSkinControlType::xcSystemMenu)) != 0;
    if (!own_menu || MdiKind == kMdiChild || !SystemPopup) {
      ::TrackPopupMenu(system_menu_, TPM_RIGHTBUTTON, at.x, at.y, 0, WindowHandle, nullptr);
      return;
    }
    const int command = ::TrackPopupMenu(SystemPopup.get(), TPM_RIGHTBUTTON | TPM_RETURNCMD, at.x,
                                         at.y, 0, WindowHandle, nullptr);
    switch (command - 1) {
      case kTagRestore:
        RestoreWindow();
        break;
      case kTagMaximize:
        ToggleMaximize();
        break;
      case kTagMinimize:
        ToggleMinimize();
        break;
      case kTagClose:
        if (HoverTimer) HoverTimer->SetEnabled(false);
        ::PostMessageW(WindowHandle, WM_CLOSE, 0, 0);
        break;
      default:
        break;
    }
  } else if (TrackedObject) {
    // The second click of a double-click on the system icon closes the window.
    if (HoverTimer) HoverTimer->SetEnabled(false);
    ::PostMessageW(WindowHandle, WM_CLOSE, 0, 0);
  }
}

}  // namespace telvana
