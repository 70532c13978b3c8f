#include "player/connection_details_window.h"

#include <windows.h>

namespace telvana {

// A multi-line, read-only edit box: selectable and copyable, unlike a painted memo.
class TConnectionDetails::TDetailsText : public ui::TWinControl {
 public:
  explicit TDetailsText(ui::TComponent* owner) : TWinControl(owner) { color_ = ui::clWindow; }
  static const ui::ClassInfo& StaticClass() {
    static const ui::ClassInfo info{"TDetailsText", &TWinControl::StaticClass(), nullptr, {}};
    return info;
  }
  const ui::ClassInfo& Class() const override { return StaticClass(); }

 protected:
  void FillCreateParams(CreateParams& params) override {
    TWinControl::FillCreateParams(params);
    params.class_name = L"EDIT";
    params.style |= WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | ES_MULTILINE | ES_READONLY |
                    ES_AUTOVSCROLL | ES_AUTOHSCROLL;
    params.ex_style |= WS_EX_CLIENTEDGE;
  }
};

TConnectionDetails::TConnectionDetails(ui::TComponent* owner) : TForm(owner) {
  SetCaption(L"连接详情");
  SetBorderStyle(ui::TBorderStyle::bsSizeToolWin);
  SetPosition(ui::TPosition::poScreenCenter);
  SetBounds(0, 0, 560, 300);
  text_ = ui::TComponent::New<TDetailsText>(*this);
  text_->SetParent(this);
  text_->SetAlign(ui::TAlign::alClient);
  CreateHandle();
}

const ui::ClassInfo& TConnectionDetails::StaticClass() {
  static const ui::ClassInfo info{"TConnectionDetails", &TForm::StaticClass(), nullptr, {}};
  return info;
}

void TConnectionDetails::SetLines(const std::vector<std::u16string>& lines) {
  std::wstring text;
  for (const std::u16string& line : lines) {
    if (!text.empty()) text += L"\r\n";
    text.append(line.begin(), line.end());
  }
  if (text != Text()) ::SetWindowTextW(text_->Handle(), text.c_str());
}

std::wstring TConnectionDetails::Text() const {
  const HWND edit = text_->Handle();
  std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(edit)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(::GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
  return text;
}

HWND TConnectionDetails::TextHandle() const {
  return text_->Handle();
}

}  // namespace telvana
