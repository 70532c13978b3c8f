#include <algorithm>

#include "skin/skin_control_win.h"
#include "skin/skin_data.h"
#include "skin/skin_messages.h"
#include "skin/win_skin_form.h"
#include "skin/win_skin_menu.h"
#include "ui/forms.h"
#include "ui/std_controls.h"

namespace telvana {

namespace {
std::uint32_t StyleOf(HWND window) {
  return static_cast<std::uint32_t>(::GetWindowLongW(window, GWL_STYLE));
}

bool HasChildOfClass(HWND window, const wchar_t* class_name) {
  return ::FindWindowExW(window, nullptr, class_name, nullptr) != nullptr;
}
}  // namespace

bool TWinSkinForm::AttachForm(TSkinData& skin_data, ui::TForm& form) {
  if (Subclassed()) return true;
  form_ = &form;
  WindowHandle = form.Handle();
  if (!AttachFrame(skin_data)) {
    form_ = nullptr;
    return false;
  }
  if (FrameSkinned) {
    previous_form_proc_ = form.WindowProc;
    form.WindowProc = [this](ui::TMessage& message) { FormMessage(message); };
    SetPopupMenusOwnerDraw(true);
  }
  old_color_ = form.Color();
  form.SetColor(skin_data.Colours().ButtonFace);
  return true;
}

bool TWinSkinForm::AttachFrame(TSkinData& skin_data) {
  if (Subclassed()) return true;
  SkinData = &skin_data;
  FrameSkinned = (skin_data.SkinControls & SkinControlBit(TSkinControlType::xcMainMenu)) != 0;
  AttachFrameParts();
  if (!subclass_.Attach(WindowHandle, [this](UINT msg, WPARAM wparam, LPARAM lparam) {
        return SkinWndProc(msg, wparam, lparam);
      })) {
    if (FrameSkinned) SetCaptionStyles(true);
    ReleaseFrameParts(false);
    return false;
  }
  WrapControls();
  ::InvalidateRect(WindowHandle, nullptr, TRUE);
  return true;
}

void TWinSkinForm::AttachFrameParts() {
  HoverTimer = std::make_unique<ui::TTimer>(nullptr);
  HoverTimer->SetEnabled(false);
  HoverTimer->SetInterval(250);
  HoverTimer->OnTimer = [this](ui::TComponent&) { HoverTick(); };
  double_click_time_ = ::GetDoubleClickTime();
  saved_style_ = StyleOf(WindowHandle);
  RightToLeft = (::GetWindowLongW(WindowHandle, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
  system_menu_ = ::GetSystemMenu(WindowHandle, FALSE);
  ReadIcon();
  caption_font_ = ui::CreateTextFont(ui::SystemFont::Caption);
  RECT window{}, client{};
  ::GetWindowRect(WindowHandle, &window);
  ::GetClientRect(WindowHandle, &client);
  client_size_ = {client.right, client.bottom};
  system_frame_ = {window.right - window.left - client.right,
                   window.bottom - window.top - client.bottom};
  BorderIcons = BorderIconsOf(saved_style_, system_menu_ != nullptr);
  BuildSystemPopup();
  ReadWindowState();
  if (HasChildOfClass(WindowHandle, L"MDIClient")) MdiKind = kMdiFrame;
  if (::GetWindowLongW(WindowHandle, GWL_EXSTYLE) & WS_EX_MDICHILD) MdiKind = kMdiChild;
  FrameKind = FrameKindOf(saved_style_);
  if (MdiKind == kMdiFrame) AttachMdiClient();
  if (!FrameSkinned) return;
  if (HMENU menu = ::GetMenu(WindowHandle); menu && MdiKind != kMdiChild) {
    menu_bar_ = std::make_unique<TWinSkinMenu>(*this);
    MenuBarHeight = ::GetSystemMetrics(SM_CYMENU);
    menu_bar_->BuildFromHandle(menu);
  }
  if (WindowState != kWindowMinimised) SetCaptionStyles(false);
  ComputeBorders();
}

void TWinSkinForm::WrapControls() {
  if (form_) {
    SkinChildControls(*form_);
  } else {
    SkinDialogChildren();
  }
}

void TWinSkinForm::ReleaseFrameParts(bool window_going) {
  mdi_client_.Release();
  SystemPopup.reset();
  HoverTimer.reset();
  TrackedObject = nullptr;
  CaptionButtons.clear();
  if (menu_bar_) {
    if (!window_going) menu_bar_->GiveBack();
    menu_bar_.reset();
  }
  CaptionImage.reset();
}

void TWinSkinForm::Detach() {
  const bool window_going = State == kFormDestroying;
  // The client area to keep: the window's now, or, before the frame was first fitted, the
  // one it had when it was attached.
  RECT client{0, 0, client_size_.cx, client_size_.cy};
  if (State != kFormCreated) ::GetClientRect(WindowHandle, &client);
  if (form_ && previous_form_proc_) form_->WindowProc = std::move(previous_form_proc_);
  previous_form_proc_ = nullptr;
  subclass_.Release();
  ReleaseWrappers();
  if (form_ && !window_going) form_->SetColor(old_color_);
  if (!window_going) SetPopupMenusOwnerDraw(false);
  if (FrameSkinned) {
    SetCaptionStyles(true);
    ReleaseFrameParts(window_going);
    const bool top_level = !(::GetWindowLongW(WindowHandle, GWL_STYLE) & WS_CHILD);
    if (!window_going && (MdiKind == kMdiChild || top_level) && WindowState != kWindowMaximised) {
      // The system frame again, around the client area the window shows now.
      ::SetWindowPos(WindowHandle, nullptr, 0, 0, client.right + system_frame_.cx,
                     client.bottom + system_frame_.cy,
                     SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE);
    } else if (!window_going) {
      ::SetWindowPos(WindowHandle, nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
    }
    DropRegion();
  } else {
    ReleaseFrameParts(window_going);
    if (!window_going) {
      ::RedrawWindow(WindowHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
  }
  form_ = nullptr;
}

void TWinSkinForm::DetachOnDestroy() {
  if (form_ && previous_form_proc_) form_->WindowProc = std::move(previous_form_proc_);
  previous_form_proc_ = nullptr;
  ReleaseWrappers();
  ReleaseFrameParts(true);
  region_set_ = false;  // the system frees the region with the window
}

void TWinSkinForm::FormMessage(ui::TMessage& message) {
  if (message.msg == WM_SKINREFRESH) {
    RefreshSkin();
    return;
  }
  if (previous_form_proc_) previous_form_proc_(message);
}

void TWinSkinForm::RefreshSkin() {
  if (!SkinData) return;
  if (form_) {
    form_->SetColor(SkinData->Colours().ButtonFace);
    for (const auto& component : form_->Components()) {
      if (auto* owned = dynamic_cast<ui::TForm*>(component.get())) {
        owned->SetColor(SkinData->Colours().ButtonFace);
      }
    }
  }
  SweepDeadWrappers();
  for (TSkinControl* wrapper : Wrappers) wrapper->SkinChanged();
  State = kFormRefreshing;
  if (FrameSkinned) {
    ComputeBorders();
    FitWindow(true);
    // While refreshing the region is built anew even at the same size: the new skin's
    // borders may cut it differently.
    BuildRegion();
    PaintFrame(nullptr);
  }
  State = kFormReady;
}

}  // namespace telvana
