#include "ui/edit.h"

#include <commctrl.h>

namespace telvana::ui {

namespace {
// Long addresses with their queries fit; a longer paste is cut by the control.
constexpr WPARAM kMaxEditText = 4096;
}  // namespace

TEdit::TEdit(TComponent* owner) : TWinControl(owner) {
  color_ = clWindow;
  SetBounds(0, 0, 121, 21);
}

void TEdit::FillCreateParams(CreateParams& params) {
  TWinControl::FillCreateParams(params);
  params.class_name = WC_EDITW;
  params.style |= WS_TABSTOP | ES_AUTOHSCROLL;
  params.ex_style |= WS_EX_CLIENTEDGE;
}

void TEdit::HandleCreated() {
  ::SendMessageW(Handle(), EM_LIMITTEXT, kMaxEditText, 0);
  ::SetWindowTextW(Handle(), text_.c_str());
}

std::wstring TEdit::Text() const {
  if (!Handle()) return text_;
  const int length = ::GetWindowTextLengthW(Handle());
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextW(Handle(), text.data(), length + 1)));
  return text;
}

void TEdit::SetText(const std::wstring& text) {
  text_ = text;
  if (Handle()) ::SetWindowTextW(Handle(), text_.c_str());
}

void TEdit::SelectAllAndFocus() {
  if (!Handle()) return;
  ::SetFocus(Handle());
  ::SendMessageW(Handle(), EM_SETSEL, 0, -1);
}

const ClassInfo& TEdit::StaticClass() {
  static const ClassInfo info{
      "TEdit",
      &TWinControl::StaticClass(),
      [](TComponent& owner) -> TComponent* { return TComponent::New<TEdit>(owner); },
      {
          TextProp<TEdit>(
              "Text", [](const TEdit& e) { return e.Text(); },
              [](TEdit& e, const std::wstring& v) { e.SetText(v); }),
      }};
  return info;
}

}  // namespace telvana::ui
