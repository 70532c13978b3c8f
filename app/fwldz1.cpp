#include "app/fwldz1.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "ui/buttons.h"
#include "ui/edit.h"

namespace telvana {

namespace {
constexpr UINT WM_FOCUSADDRESS = WM_APP + 0x311;
}  // namespace

std::optional<std::wstring> TFwldz1::Ask(const std::wstring& address) {
  auto* edit = dynamic_cast<ui::TEdit*>(FindComponent(L"Edit1"));
  if (!edit) throw std::runtime_error("the address window's description lacks Edit1");
  edit->SetText(address);
  if (ShowModal() != ui::mrOk) return std::nullopt;
  std::wstring text = edit->Text();
  const std::size_t first = text.find_first_not_of(L" \t\u3000");
  if (first == std::wstring::npos) return std::nullopt;
  text.erase(0, first);
  text.erase(text.find_last_not_of(L" \t\u3000") + 1);
  return text;
}

void TFwldz1::WndProc(ui::TMessage& message) {
  if (message.msg == WM_SHOWWINDOW && message.wParam) {
    // The caret goes into the box once the window is up and active.
    ::PostMessageW(Handle(), WM_FOCUSADDRESS, 0, 0);
  } else if (message.msg == WM_FOCUSADDRESS) {
    if (auto* edit = dynamic_cast<ui::TEdit*>(FindComponent(L"Edit1"))) edit->SelectAllAndFocus();
    return;
  }
  TForm::WndProc(message);
}

bool TFwldz1::DialogKey(WPARAM key) {
  if (key == VK_TAB || key == VK_RETURN) {
    std::vector<ui::TWinControl*> order;
    for (const wchar_t* name : {L"Edit1", L"BitBtn1", L"BitBtn2"}) {
      if (auto* control = dynamic_cast<ui::TWinControl*>(FindComponent(name))) {
        order.push_back(control);
      }
    }
    const HWND focus = ::GetFocus();
    const auto at = std::find_if(order.begin(), order.end(),
                                 [focus](ui::TWinControl* c) { return c->Handle() == focus; });
    if (key == VK_TAB && !order.empty()) {
      ui::TWinControl* next =
          at == order.end() || at + 1 == order.end() ? order.front() : *(at + 1);
      if (auto* edit = dynamic_cast<ui::TEdit*>(next)) {
        edit->SelectAllAndFocus();
      } else {
        ::SetFocus(next->Handle());
      }
      return true;
    }
    if (key == VK_RETURN && at != order.end()) {
      if (auto* button = dynamic_cast<ui::TButton*>(*at)) {
        button->Click();
        return true;
      }
    }
  }
  return TForm::DialogKey(key);
}

const ui::ClassInfo& TFwldz1::StaticClass() {
  static const ui::ClassInfo info{"TFwldz1", &TForm::StaticClass(), nullptr, {}};
  return info;
}

}  // namespace telvana
