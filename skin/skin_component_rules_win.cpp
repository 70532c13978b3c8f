// Which wrapper each control of a skinned window gets: the skin data's switches, its
// Skin3rd lines for other libraries' classes, and the program's own control classes, tried
// in a fixed order where the first rule that applies decides.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <exception>
#include <optional>
#include <string>

#include "skin/ascii.h"
#include "skin/skin_buttons_win.h"
#include "skin/skin_combo_box_win.h"
#include "skin/skin_data.h"
#include "skin/skin_edit_win.h"
#include "skin/skin_progress_win.h"
#include "skin/skin_scrollbar_win.h"
#include "skin/skin_status_bar_win.h"
#include "skin/skin_tab_win.h"
#include "skin/skin_track_bar_win.h"
#include "skin/skin_up_down_win.h"
#include "skin/win_skin_form.h"
#include "skin/wrapper_choice.h"
#include "ui/buttons.h"
#include "ui/edit.h"
#include "ui/forms.h"
#include "ui/group_box.h"
#include "ui/std_controls.h"
#include "ui/text_controls.h"

namespace telvana {
namespace {

using enum TSkinControlType;

bool Has(const TSkinData& data, TSkinControlType member) {
  return (data.SkinControls & SkinControlBit(member)) != 0;
}

bool HasTabs(const TSkinData& data) {
  return data.Slot(SkinSlot::kTabs) != nullptr;
}

// Sets a published yes/no property by name to True; a component without it is left alone.
void SetTrueByName(ui::TComponent& component, std::string_view name) {
  const ui::PropInfo* info = component.Class().Find(name);
  if (!info || !info->set) return;
  if (info->kind == ui::PropKind::Boolean) {
    info->set(component, ui::PropValue{true});
  } else if (info->kind == ui::PropKind::Enum) {
    info->set(component, ui::PropValue{std::wstring(L"True")});
  }
}

// A date-time picker shows an up-down control instead of a drop-down calendar.
bool PickerUsesUpDown(const ui::TComponent& component) {
  const ui::PropInfo* info = component.Class().Find("DateMode");
  if (!info || !info->get || info->kind != ui::PropKind::Enum) return false;
  return info->get(component).Text() == L"dmUpDown";
}

// The status bar's size grip would sit over the skinned frame's corner.
void SwitchOffSizeGrip(ui::TStatusBar& bar) {
  const HWND window = bar.Handle();
  if (!window) return;
  const LONG style = ::GetWindowLongW(window, GWL_STYLE);
  if ((style & SBARS_SIZEGRIP) == 0) return;
  ::SetWindowLongW(window, GWL_STYLE, style & ~SBARS_SIZEGRIP);
  ::InvalidateRect(window, nullptr, TRUE);
}

bool IsPreviewForm(const ui::TComponent* owner) {
  if (!dynamic_cast<const ui::TForm*>(owner)) return false;
  std::wstring name = owner->Name;
  for (wchar_t& c : name) {
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c + 32);
  }
  const std::string_view class_name = owner->Class().name;
  return name.find(L"preview") != std::wstring::npos || class_name == "TQRStandardPreview" ||
         class_name == "TppPrintPreview" || class_name == "TdxfmStdPreview";
}

// A new wrapper of class W, owned by `owner` and attached to it.
template <class W>
void AttachOwned(TWinSkinForm& form, ui::TComponent& owner, bool change_color) {
  W* wrapper = ui::TComponent::New<W>(owner);
  wrapper->AttachControl(&form, *form.SkinData, change_color, form.Canvas);
}

// A new wrapper of class W, owned by `owner` and attached to `window` as a bare window.
template <class W>
void AttachByHandle(TWinSkinForm& form, ui::TComponent& owner, HWND window) {
  if (!window) return;
  W* wrapper = ui::TComponent::New<W>(owner);
  wrapper->AttachWindow(window, *form.SkinData, &form, form.Canvas);
}

void AttachScrolled(TWinSkinForm& form, ui::TComponent& component, bool handle_clicks) {
  auto* wrapper = ui::TComponent::New<TSkinScrollbar>(component);
  wrapper->AttachScrolled(component, *form.SkinData, handle_clicks, &form, form.Canvas);
}

// Each windowed child control of a group gets the same kind of box wrapper.
template <class W>
void WrapGroupChildren(TWinSkinForm& form, ui::TComponent& group) {
  auto* control = dynamic_cast<ui::TWinControl*>(&group);
  if (!control) return;
  for (ui::TControl* child : control->Controls()) {
    if (!dynamic_cast<ui::TWinControl*>(child) || form.IsAlreadyWrapped(*child)) continue;
    AttachOwned<W>(form, *child, false);
  }
}

HWND HandleOf(const ui::TComponent& component) {
  const auto* control = dynamic_cast<const ui::TWinControl*>(&component);
  return control ? control->Handle() : nullptr;
}

}  // namespace

bool TWinSkinForm::IsScrollableControl(const ui::TComponent& component) const {
  const auto* control = dynamic_cast<const ui::TWinControl*>(&component);
  if (!control) return false;
  if (dynamic_cast<const ui::TListBox*>(control) || dynamic_cast<const ui::TMemo*>(control)) {
    return true;
  }
  if (control->Tag == 55) return true;
  const HWND window = control->Handle();
  return window && (::GetWindowLongW(window, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)) != 0;
}

bool TWinSkinForm::IsAlreadyWrapped(const ui::TComponent& component) const {
  const auto* control = dynamic_cast<const ui::TWinControl*>(&component);
  for (const TSkinControl* wrapper : Wrappers) {
    if (wrapper->Control()) {
      if (wrapper->Control() == &component) return true;
      continue;
    }
    if (!control) continue;
    // Without a window there is nothing to compare a bare window with; print previews make
    // their pages' windows late and must not be wrapped meanwhile.
    if (!control->Handle()) return IsPreviewForm(component.Owner());
    if (wrapper->Handle() == control->Handle()) return true;
  }
  return false;
}

void TWinSkinForm::SweepDeadWrappers() {
  for (std::size_t i = Wrappers.size(); i-- > 0;) {
    if (i >= Wrappers.size()) continue;
    TSkinControl* wrapper = Wrappers[i];
    if (wrapper->Status() != kStatusWindowDestroyed) continue;
    RemoveControl(*wrapper);
    if (wrapper->Owner()) wrapper->Owner()->FreeComponent(*wrapper);
  }
}

void TWinSkinForm::ReleaseWrappers() {
  while (!Wrappers.empty()) {
    TSkinControl* wrapper = Wrappers.back();
    // A wrapper whose window is gone gave back what it changed when the window went.
    if (wrapper->Status() != kStatusWindowDestroyed) wrapper->Unskin();
    RemoveControl(*wrapper);
    if (wrapper->Owner()) wrapper->Owner()->FreeComponent(*wrapper);
  }
}

void TWinSkinForm::SkinChildControls(ui::TComponent& container) {
  SweepDeadWrappers();
  // Attaching gives components wrappers of their own but adds none to `container`; the
  // count is read each time all the same.
  for (std::size_t i = 0; i < container.Components().size(); ++i) {
    SkinComponent(*container.Components()[i], container);
  }
}

void TWinSkinForm::SkinComponent(ui::TComponent& component, ui::TComponent& container) {
  if (!SkinData) return;
  TSkinData& data = *SkinData;
  // The engine's own parts (wrappers, frame skinners) are never wrapped.
  if (dynamic_cast<TSkinControl*>(&component) || dynamic_cast<TWinSkinForm*>(&component)) {
    return;
  }
  if (component.Tag % 100 == data.DisableTag || IsAlreadyWrapped(component)) return;
  auto* control = dynamic_cast<ui::TWinControl*>(&component);
  if (control && !control->Handle()) {
    try {
      control->CreateHandle();
    } catch (const std::exception&) {
      return;
    }
    if (!control->Handle()) return;
  }
  const std::string class_name = AsciiUppered(component.Class().name);

  if (data.OnSkinControl) {
    ui::TComponent* chosen = nullptr;
    const std::wstring wide_class(class_name.begin(), class_name.end());
    data.OnSkinControl(*this, data, container, component, wide_class, chosen);
    if (chosen) {
      auto* wrapper = dynamic_cast<TSkinControl*>(chosen);
      if (wrapper && std::find(Wrappers.begin(), Wrappers.end(), wrapper) == Wrappers.end()) {
        wrapper->AttachControl(this, data, wrapper->ChangeColor(), Canvas);
      }
      if (dynamic_cast<ui::TPanel*>(&component)) SkinChildControls(component);
      return;
    }
  }

  if (IsNeverWrappedClass(class_name)) return;
  if (MapThirdPartyClass(component.Class().name, component)) return;

  if (class_name == "TTABSET" && Has(data, xcTab) && HasTabs(data)) {
    AttachOwned<TSkinTab31>(*this, component, false);
  } else if (class_name == "TTABBEDNOTEBOOK" && Has(data, xcTab) && HasTabs(data)) {
    AttachByHandle<TSkinTab>(*this, component, HandleOf(component));
  } else if (class_name == "TMVCPANEL") {
    SkinChildControls(component);
  } else if (class_name == "TTRACKBAR" && Has(data, xcButton)) {
    AttachOwned<TSkinTrackBar>(*this, component, false);
  } else if (class_name == "TUPDOWN" && Has(data, xcButton)) {
    AttachOwned<TSkinUpDown>(*this, component, false);
  } else if (class_name == "TDBNAVIGATOR" && Has(data, xcPanel)) {
    SetTrueByName(component, "Flat");
    AttachOwned<TSkinBox>(*this, component, true);
  } else if (dynamic_cast<ui::TGroupBox*>(&component) && Has(data, xcPanel)) {
    AttachOwned<TSkinGroupBox>(*this, component, true);
    SkinChildControls(component);
  } else if (auto* bar = dynamic_cast<ui::TStatusBar*>(&component); bar && Has(data, xcStatusBar)) {
    SwitchOffSizeGrip(*bar);
    AttachOwned<TSkinStatusBar>(*this, component, false);
  } else if (class_name == "TDATETIMEPICKER" && Has(data, xcEdit)) {
    if (PickerUsesUpDown(component)) {
      AttachOwned<TSkinEdit>(*this, component, false);
    } else {
      AttachOwned<TSkinComBox>(*this, component, false);
    }
  } else if ((class_name == "TRICHEDIT" || class_name == "TWWDBRICHEDIT" ||
              class_name == "TDXDBMEMO") &&
             Has(data, xcScrollbar)) {
    AttachScrolled(*this, component, true);
  } else if (dynamic_cast<ui::TBitBtn*>(&component)) {
    // A glyph button is never skinned as a plain button.
    if (Has(data, xcBitBtn)) AttachOwned<TSkinBitButton>(*this, component, false);
  } else if (dynamic_cast<ui::TPanel*>(&component) && Has(data, xcPanel)) {
    AttachOwned<TSkinBox>(*this, component, true);
    SkinChildControls(component);
  } else if ((class_name == "TDXTREELIST" || class_name == "TDXDBTREELIST" ||
              class_name == "TDXDBGRID") &&
             Has(data, xcScrollbar)) {
    AttachScrolled(*this, component, false);
  } else if (dynamic_cast<ui::TMemo*>(&component) && Has(data, xcScrollbar)) {
    AttachScrolled(*this, component, true);
  } else if (Has(data, xcScrollbar) && IsScrollableControl(component)) {
    AttachScrolled(*this, component, true);
  } else if (dynamic_cast<ui::TButton*>(&component) && Has(data, xcButton)) {
    AttachOwned<TSkinButton>(*this, component, false);
  } else if (dynamic_cast<ui::TEdit*>(&component) && Has(data, xcEdit)) {
    AttachByHandle<TSkinEdit>(*this, component, HandleOf(component));
  } else if (dynamic_cast<ui::TForm*>(&component)) {
    AttachOwned<TSkinBox>(*this, component, true);
    SkinChildControls(component);
  }
}

bool TWinSkinForm::MapThirdPartyClass(std::string_view class_name, ui::TComponent& component) {
  if (!SkinData) return false;
  TSkinData& data = *SkinData;
  const std::optional<std::wstring> text = FindSkin3rdKind(data.Skin3rd(), class_name);
  if (!text) return false;
  const Skin3rdKind kind = ParseSkin3rdKind(*text);

  using K = Skin3rdKind;
  if (kind == K::kComboBox && Has(data, xcCombo)) {
    AttachOwned<TSkinComBox>(*this, component, false);
  } else if (kind == K::kNil) {
    // Listed so that the built-in rows never see the class.
  } else if (kind == K::kEdit && Has(data, xcEdit)) {
    AttachByHandle<TSkinEdit>(*this, component, HandleOf(component));
  } else if (kind == K::kRadioButton && Has(data, xcRadioButton)) {
    AttachOwned<TSkinRadioButton>(*this, component, false);
  } else if (kind == K::kPanel && Has(data, xcPanel)) {
    SetTrueByName(component, "Transparent");
    AttachOwned<TSkinBox>(*this, component, true);
  } else if (kind == K::kTrackBar && Has(data, xcButton)) {
    SetTrueByName(component, "Transparent");
    AttachOwned<TSkinTrackBar>(*this, component, false);
  } else if (kind == K::kButton && Has(data, xcButton)) {
    AttachOwned<TSkinButton>(*this, component, false);
  } else if (kind == K::kBitBtn && Has(data, xcButton)) {
    AttachOwned<TSkinBitButton>(*this, component, false);
  } else if (kind == K::kTab && Has(data, xcTab) && HasTabs(data)) {
    AttachByHandle<TSkinTab>(*this, component, HandleOf(component));
  } else if (kind == K::kProgress && Has(data, xcProgress)) {
    AttachOwned<TSkinProgress>(*this, component, false);
  } else if (kind == K::kScrollBar && Has(data, xcScrollbar)) {
    AttachScrolled(*this, component, true);
  } else if (kind == K::kGroupBox && Has(data, xcGroupBox)) {
    AttachOwned<TSkinGroupBox>(*this, component, true);
  } else if (kind == K::kRadioGroup && Has(data, xcPanel)) {
    if (Has(data, xcRadioButton)) WrapGroupChildren<TSkinRadioButton>(*this, component);
    AttachOwned<TSkinGroupBox>(*this, component, true);
  } else if (kind == K::kCheckGroup && Has(data, xcPanel)) {
    if (Has(data, xcRadioButton)) WrapGroupChildren<TSkinCheckBox>(*this, component);
    AttachOwned<TSkinGroupBox>(*this, component, true);
  } else if (kind == K::kCheckBox && Has(data, xcCheckBox)) {
    AttachOwned<TSkinCheckBox>(*this, component, false);
  }
  return true;
}

void TWinSkinForm::SkinDialogChildren() {
  if (!WindowHandle) return;
  for (HWND child = ::GetWindow(WindowHandle, GW_CHILD); child;
       child = ::GetWindow(child, GW_HWNDNEXT)) {
    if (::GetWindowLongW(child, GWL_STYLE) & WS_CHILD) SkinDialogChild(child);
  }
}

void TWinSkinForm::SkinDialogChild(HWND child) {
  if (!SkinData) return;
  const std::wstring class_name = win::ClassNameOf(child);
  const auto style = static_cast<std::uint32_t>(::GetWindowLongW(child, GWL_STYLE));
  DialogChildWrapper choice = ChooseDialogChildWrapper(class_name, style);
  HWND target = child;
  if (choice == DialogChildWrapper::kInnerComBox) {
    target = ::GetWindow(child, GW_CHILD);
    if (!target) return;
    choice = DialogChildWrapper::kComBox;
  }
  for (const TSkinControl* wrapper : Wrappers) {
    if (wrapper->Handle() == target) return;
  }
  switch (choice) {
    case DialogChildWrapper::kCheckBox:
      AttachByHandle<TSkinCheckBox>(*this, *this, target);
      break;
    case DialogChildWrapper::kRadioButton:
      AttachByHandle<TSkinRadioButton>(*this, *this, target);
      break;
    case DialogChildWrapper::kButton:
      AttachByHandle<TSkinButton>(*this, *this, target);
      break;
    case DialogChildWrapper::kComBox:
    case DialogChildWrapper::kInnerComBox:
      AttachByHandle<TSkinComBox>(*this, *this, target);
      break;
    case DialogChildWrapper::kSizer:
      AttachByHandle<TSkinSizer>(*this, *this, target);
      break;
    case DialogChildWrapper::kTab:
      AttachByHandle<TSkinTab>(*this, *this, target);
      break;
    case DialogChildWrapper::kEdit:
      AttachByHandle<TSkinEdit>(*this, *this, target);
      break;
    case DialogChildWrapper::kNone:
      break;
  }
}

}  // namespace telvana
