#include "skin/skin_control_win.h"

#include <algorithm>
#include <exception>

#include "skin/skin_data.h"
#include "skin/win_skin_form.h"
#include "ui/win_handles.h"

namespace telvana {

TSkinControl::~TSkinControl() {
  if (FStatus != kStatusWindowDestroyed) GiveBackHandler();
  FObjectInstance.Release();
  if (FForm) FForm->RemoveControl(*this);
}

void TSkinControl::GiveBackHandler() {
  if (FControl && FOldWindowProc) {
    FControl->WindowProc = std::move(FOldWindowProc);
    FOldWindowProc = nullptr;
  }
}

bool TSkinControl::BindOwnerControl(TWinSkinForm* form, TSkinData& skin_data, bool change_color,
                                    HDC canvas) {
  if (FAttached) return false;
  auto* control = dynamic_cast<ui::TWinControl*>(Owner());
  if (!control) return false;
  FChangeColor = change_color;
  FSkinData = &skin_data;
  FForm = form;
  FCanvas = canvas;
  FControl = control;
  control->CreateHandle();
  FHandle = control->Handle();
  if (FForm) FForm->AddControl(*this);
  if (FChangeColor) {
    FOldColor = control->Color();
    control->SetColor(skin_data.Colours().ButtonFace);
  }
  FAttached = true;
  FStatus = kStatusAttached;
  return true;
}

void TSkinControl::AttachControl(TWinSkinForm* form, TSkinData& skin_data, bool change_color,
                                 HDC canvas) {
  if (!BindOwnerControl(form, skin_data, change_color, canvas)) return;
  FOldWindowProc = FControl->WindowProc;
  FControl->WindowProc = [this](ui::TMessage& message) { SkinWndProc(message); };
  FControl->SetDoubleBuffered(true);
  FFocused = ::GetFocus() == FHandle;
  FEnabled = !IsWindowDisabled();
  FText = ReadWindowText();
  ::InvalidateRect(FHandle, nullptr, TRUE);
}

void TSkinControl::AttachWindow(HWND handle, TSkinData& skin_data, TWinSkinForm* form, HDC canvas) {
  FSkinData = &skin_data;
  FCanvas = canvas;
  FForm = form;
  FHandle = handle;
  FEnabled = true;
  if (FForm) FForm->AddControl(*this);
  FText = ReadWindowText();
  FObjectInstance.Attach(handle, [this](UINT msg, WPARAM wparam, LPARAM lparam) {
    ui::TMessage message{FHandle, msg, wparam, lparam, 0};
    SkinWndProc(message);
    return message.result;
  });
  FAttached = true;
  FStatus = kStatusAttached;
}

void TSkinControl::Unskin() {
  if (FChangeColor && FControl) FControl->SetColor(FOldColor);
}

void TSkinControl::SkinWndProc(ui::TMessage& message) {
  if (BeforeMessage(message)) {
    CallOriginal(message);
    AfterMessage(message);
  }
}

void TSkinControl::CallOriginal(ui::TMessage& message) {
  if (FOldWindowProc) {
    FOldWindowProc(message);
  } else if (FObjectInstance.Attached()) {
    message.result = FObjectInstance.CallNext(message.msg, message.wParam, message.lParam);
  }
}

bool TSkinControl::BeforeMessage(ui::TMessage& message) {
  if (message.msg != WM_NCDESTROY) return true;
  CallOriginal(message);
  FStatus = kStatusWindowDestroyed;
  Unskin();
  // The window has had its last message: the control gets its handler back now, while it is
  // whole (the wrapper itself goes later, with the control).
  GiveBackHandler();
  return false;
}

void TSkinControl::AfterMessage(ui::TMessage& message) {
  switch (message.msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case ui::CM_ENABLEDCHANGED:
      InvalidateSkin();
      break;
    case WM_SETTEXT:
      FText = message.lParam ? std::wstring(reinterpret_cast<const wchar_t*>(message.lParam))
                             : std::wstring();
      if (FText.size() > kWrapperTextLimit) FText.resize(kWrapperTextLimit);
      InvalidateSkin();
      break;
    case WM_PAINT:
      Repaint(reinterpret_cast<HDC>(message.wParam));
      break;
  }
}

bool TSkinControl::ReadWindowRect(RECT& at_origin) {
  RECT window;
  if (!FHandle || !::GetWindowRect(FHandle, &window)) return false;
  FWindowRect = window;
  at_origin = {0, 0, window.right - window.left, window.bottom - window.top};
  return true;
}

void TSkinControl::Repaint(HDC dc) {
  RECT rect;
  if (!ReadWindowRect(rect)) return;
  // The window's own device context includes the non-client area.
  const HDC own = dc ? nullptr : ::GetWindowDC(FHandle);
  try {
    PaintSkin(dc ? dc : own, rect);
  } catch (const std::exception&) {
    // A painter that fails leaves the control as it drew itself.
  }
  if (own) ::ReleaseDC(FHandle, own);
}

void TSkinControl::PaintSkin(HDC, const RECT&) {}

bool TSkinControl::PaintWholeWindow(ui::TMessage& message) {
  switch (message.msg) {
    case WM_PAINT:
      PaintOwnWindow(message);
      return true;
    case WM_ERASEBKGND:
      message.result = 1;
      return true;
  }
  return false;
}

void TSkinControl::PaintOwnWindow(ui::TMessage& message) {
  PAINTSTRUCT paint{};
  HDC dc = reinterpret_cast<HDC>(message.wParam);
  const bool begun = dc == nullptr;
  if (begun) dc = ::BeginPaint(FHandle, &paint);
  RECT rect;
  if (dc && ReadWindowRect(rect)) {
    try {
      PaintSkin(dc, rect);
    } catch (const std::exception&) {
    }
  }
  if (begun) ::EndPaint(FHandle, &paint);
}

void TSkinControl::InvalidateSkin() {
  RECT rect;
  if (!ReadWindowRect(rect)) return;
  if (!::GetParent(FHandle)) return;
  ::InvalidateRect(FHandle, &rect, FALSE);
  ::UpdateWindow(FHandle);
}

void TSkinControl::FillFace(HDC dc, const RECT& rect) const {
  if (!FSkinData) return;
  win::Brush face(::CreateSolidBrush(ui::ColorToRGB(FSkinData->Colours().ButtonFace)));
  ::FillRect(dc, &rect, face.get());
}

void TSkinControl::SkinChanged() {
  if (FChangeColor && FControl && FSkinData) FControl->SetColor(FSkinData->Colours().ButtonFace);
  if (FHandle) ::InvalidateRect(FHandle, nullptr, TRUE);
}

std::wstring TSkinControl::ReadWindowText() const {
  wchar_t text[kWrapperTextLimit + 1] = {};
  ::SendMessageW(FHandle, WM_GETTEXT, kWrapperTextLimit + 1, reinterpret_cast<LPARAM>(text));
  return text;
}

std::wstring TSkinControl::TextOrCaption() const {
  std::wstring text = ReadWindowText();
  if (text.empty() && FControl) text = GetStrProperty("Caption");
  return text;
}

bool TSkinControl::IsWindowDisabled() const {
  return (::GetWindowLongW(FHandle, GWL_STYLE) & WS_DISABLED) != 0;
}

namespace {

// The property of `control` called `name` when it is of one of `kinds`, else nothing.
const ui::PropInfo* FindProperty(const ui::TWinControl* control, std::string_view name,
                                 std::initializer_list<ui::PropKind> kinds) {
  if (!control) return nullptr;
  const ui::PropInfo* info = control->Class().Find(name);
  if (!info || !info->get) return nullptr;
  return std::find(kinds.begin(), kinds.end(), info->kind) != kinds.end() ? info : nullptr;
}

}  // namespace

std::int64_t TSkinControl::GetOrdProperty(std::string_view name) const {
  const auto* info = FindProperty(FControl, name, {ui::PropKind::Integer, ui::PropKind::Color});
  return info ? info->get(*FControl).Int() : 0;
}

std::wstring TSkinControl::GetEnumProperty(std::string_view name) const {
  const auto* info = FindProperty(FControl, name, {ui::PropKind::Enum, ui::PropKind::Boolean});
  if (!info) return {};
  const ui::PropValue value = info->get(*FControl);
  if (info->kind == ui::PropKind::Boolean) return value.Bool() ? L"True" : L"False";
  return value.Text();
}

std::wstring TSkinControl::GetStrProperty(std::string_view name) const {
  const auto* info = FindProperty(FControl, name, {ui::PropKind::String});
  return info ? info->get(*FControl).Text() : std::wstring();
}

ui::TComponent* TSkinControl::GetObjectProperty(std::string_view name,
                                                const ui::ClassInfo& of_class) const {
  const auto* info = FindProperty(FControl, name, {ui::PropKind::Component});
  if (!info) return nullptr;
  ui::TComponent* object = info->get(*FControl).Component();
  return object && object->Class().InheritsFrom(of_class) ? object : nullptr;
}

}  // namespace telvana
