#include "skin/win_skin_pop_menu.h"

#include <algorithm>

#include "skin/skin_data.h"
#include "skin/skin_element.h"
#include "skin/skin_manage_win.h"
#include "skin/skin_messages.h"
#include "skin/skin_paint_win.h"
#include "skin/skin_raster.h"
#include "ui/win_handles.h"

namespace telvana {

namespace {
// The ring of the background that is the popup window's frame.
constexpr int kPopupFrame = 3;

TWinSkinPopMenu* waiting_popup = nullptr;

bool ManagerEnabled() {
  auto* manager = dynamic_cast<TSkinManage*>(SkinManager());
  return manager && manager->Enabled;
}

const TDataSkinObject* BackgroundPicture(const TSkinData* skin) {
  if (!skin || skin->SkinNotReady()) return nullptr;
  return skin->PictureAs(SkinSlot::kMenuBackground);
}
}  // namespace

TWinSkinPopMenu* WaitingPopup() {
  return waiting_popup;
}

void SetWaitingPopup(TWinSkinPopMenu* popup) {
  waiting_popup = popup;
}

TWinSkinPopMenu::~TWinSkinPopMenu() {
  Release();
}

bool TWinSkinPopMenu::Attach(HWND window, TSkinData& skin_data) {
  if (!subclass_.Attach(window, [this](UINT msg, WPARAM wparam, LPARAM lparam) {
        return WndProc(msg, wparam, lparam);
      })) {
    return false;
  }
  window_ = window;
  skin_data_ = &skin_data;
  return true;
}

void TWinSkinPopMenu::Release() {
  subclass_.Release();
  background_ = {};
  if (waiting_popup == this) waiting_popup = nullptr;
}

POINT TWinSkinPopMenu::ClientOffset() const {
  RECT window{};
  POINT client{0, 0};
  if (!window_ || !::GetWindowRect(window_, &window) || !::ClientToScreen(window_, &client)) {
    return {kPopupFrame, kPopupFrame};
  }
  return {client.x - window.left, client.y - window.top};
}

bool TWinSkinPopMenu::ShowsSkinnedItems() const {
  // A menu left to the system's drawing (a context menu tagged to keep the system look, a
  // window's own system menu) keeps the system's frame too.
  auto menu = reinterpret_cast<HMENU>(::SendMessageW(window_, MN_GETHMENU, 0, 0));
  if (!menu) return true;
  MENUITEMINFOW info{sizeof(info)};
  info.fMask = MIIM_FTYPE;
  return ::GetMenuItemInfoW(menu, 0, TRUE, &info) && (info.fType & MFT_OWNERDRAW);
}

bool TWinSkinPopMenu::BuildBackground() {
  const TDataSkinObject* picture = BackgroundPicture(skin_data_);
  if (!picture || !ShowsSkinnedItems()) {
    background_ = {};
    return false;
  }
  RECT window{};
  ::GetWindowRect(window_, &window);
  background_ =
      BuildSkinElement(window.right - window.left, window.bottom - window.top, *picture, 1, 1);
  if (!menu_) waiting_popup = this;
  return !background_.empty();
}

void TWinSkinPopMenu::PaintPopupFrame(HDC dc) {
  const int w = background_.width, h = background_.height;
  const int ring = std::min({kPopupFrame, w / 2, h / 2});
  PutPixels(dc, 0, 0, CropImage(background_, {0, 0, w, ring}));
  PutPixels(dc, 0, h - ring, CropImage(background_, {0, h - ring, w, h}));
  PutPixels(dc, 0, ring, CropImage(background_, {0, ring, ring, h - ring}));
  PutPixels(dc, w - ring, ring, CropImage(background_, {w - ring, ring, w, h - ring}));
}

LRESULT TWinSkinPopMenu::PrintPopup(WPARAM wparam, LPARAM lparam) {
  auto dc = reinterpret_cast<HDC>(wparam);
  if (!BuildBackground()) return subclass_.CallNext(WM_PRINT, wparam, lparam);
  PutPixels(dc, 0, 0, background_);
  win::DcStateScope state(dc);
  ::SetBkMode(dc, TRANSPARENT);
  ::IntersectClipRect(dc, kPopupFrame, kPopupFrame, background_.width - kPopupFrame,
                      background_.height - kPopupFrame);
  return subclass_.CallNext(WM_PRINT, wparam, lparam);
}

LRESULT TWinSkinPopMenu::WndProc(UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_SKINQUERY) return 1;
  if (!ManagerEnabled()) return subclass_.CallNext(msg, wparam, lparam);
  switch (msg) {
    case WM_DESTROY: {
      const LRESULT result = subclass_.CallNext(msg, wparam, lparam);
      Release();
      return result;
    }
    case WM_NCPAINT:
      if (!BuildBackground()) break;
      {
        win::WindowDc dc(window_, true);
        PaintPopupFrame(dc.get());
      }
      return 0;
    case WM_PRINT:
      return PrintPopup(wparam, lparam);
    case WM_PAINT: {
      // The items are drawn over the background while the window paints. Wine's popup has no
      // non-client area and draws a frame of its own inside the client area: the skin's
      // frame goes over it afterwards.
      const bool skinned = BuildBackground();
      const LRESULT result = subclass_.CallNext(msg, wparam, lparam);
      if (skinned && ClientOffset().x == 0) {
        win::WindowDc dc(window_, true);
        PaintPopupFrame(dc.get());
      }
      return result;
    }
    default:
      break;
  }
  return subclass_.CallNext(msg, wparam, lparam);
}

}  // namespace telvana
