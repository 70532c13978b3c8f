#include "skin/skin_control_win.h"
#include "skin/skin_data.h"
#include "skin/skin_messages.h"
#include "skin/win_skin_form.h"
#include "ui/forms.h"

namespace telvana {

bool TWinSkinForm::AttachForm(TSkinData& skin_data, ui::TForm& form) {
  if (Subclassed()) return true;
  form_ = &form;
  WindowHandle = form.Handle();
  if (!AttachFrame(skin_data)) {
    form_ = nullptr;
    return false;
  }
  old_color_ = form.Color();
  form.SetColor(skin_data.Colours().ButtonFace);
  return true;
}

bool TWinSkinForm::AttachFrame(TSkinData& skin_data) {
  if (Subclassed()) return true;
  SkinData = &skin_data;
  if (!subclass_.Attach(WindowHandle, [this](UINT msg, WPARAM wparam, LPARAM lparam) {
        return SkinWndProc(msg, wparam, lparam);
      })) {
    return false;
  }
  WrapControls();
  ::InvalidateRect(WindowHandle, nullptr, TRUE);
  return true;
}

void TWinSkinForm::WrapControls() {
  if (form_) {
    SkinChildControls(*form_);
  } else {
    SkinDialogChildren();
  }
}

void TWinSkinForm::Detach() {
  ReleaseWrappers();
  if (form_ && State != kFormDestroying) form_->SetColor(old_color_);
  subclass_.Release();
  form_ = nullptr;
}

void TWinSkinForm::RefreshSkin() {
  if (!SkinData) return;
  if (form_) form_->SetColor(SkinData->Colours().ButtonFace);
  State = kFormRefreshing;
  SweepDeadWrappers();
  for (TSkinControl* wrapper : Wrappers) wrapper->SkinChanged();
  State = kFormReady;
}

LRESULT TWinSkinForm::SkinWndProc(UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_SKINQUERY:
      return 1;
    case WM_SKININIT:
      if (State == kFormCreated) State = kFormReady;
      return 0;
    case WM_NCDESTROY: {
      // The child windows went before this message: their wrappers gave back what they
      // changed and only have to be freed.
      State = kFormDestroying;
      ReleaseWrappers();
      const LRESULT result = subclass_.CallNext(msg, wparam, lparam);
      State = kFormDead;
      return result;
    }
    default:
      return subclass_.CallNext(msg, wparam, lparam);
  }
}

}  // namespace telvana
